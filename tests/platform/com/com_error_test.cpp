#include <comdef.h>

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(ComError, IssueErrorThrowsWithTheSystemMessage)
{
    try
    {
        _com_issue_error(REGDB_E_CLASSNOTREG);
        FAIL() << "no exception";
    }
    catch (const _com_error& error)
    {
        EXPECT_EQ(error.Error(), REGDB_E_CLASSNOTREG);
        EXPECT_STREQ(error.ErrorMessage(), "Class not registered");
        EXPECT_EQ(error.WCode(), 0);
        EXPECT_EQ(error.ErrorInfo(), nullptr);
        EXPECT_EQ(error.Description().length(), 0u);
    }

    EXPECT_STREQ(_com_error(HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND)).ErrorMessage(),
                 "The specified module could not be found.");
    EXPECT_STREQ(_com_error(static_cast<HRESULT>(0x87654321)).ErrorMessage(),
                 "Unknown error 0x87654321");
}

TEST(ComError, DispatchExceptionCodesMapBothWays)
{
    _com_error error(_com_error::WCodeToHRESULT(0x1034));
    EXPECT_EQ(error.Error(), static_cast<HRESULT>(0x80041234));
    EXPECT_EQ(error.WCode(), 0x1034);
    EXPECT_STREQ(error.ErrorMessage(), "IDispatch error #4148");
    EXPECT_EQ(_com_error::HRESULTToWCode(E_FAIL), 0);
    EXPECT_EQ(_com_error::WCodeToHRESULT(0xFFFF), WCODE_HRESULT_LAST);

    _com_error copy = error;
    EXPECT_STREQ(copy.ErrorMessage(), "IDispatch error #4148");
}

TEST(ComError, SmartPointerUseOfNullThrowsInvalidPointer)
{
    IUnknownPtr nothing;
    EXPECT_FALSE(nothing);
    EXPECT_TRUE(nothing == NULL);
    EXPECT_TRUE(nothing == nullptr);
    try
    {
        // Reaching the interface of a null smart pointer is what throws.
        (void)nothing.operator->();
        FAIL() << "no exception";
    }
    catch (const _com_error& error)
    {
        EXPECT_EQ(error.Error(), E_POINTER);
        EXPECT_STREQ(error.ErrorMessage(), "Invalid pointer");
    }
    EXPECT_THROW(nothing.Release(), _com_error);
    EXPECT_THROW(IUnknownPtr(reinterpret_cast<IUnknown*>(0)).AddRef(), _com_error);
}

} // namespace
