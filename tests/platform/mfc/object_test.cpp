#include <afx.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace
{

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
public:
    int radius = 3;
};

class CFragile : public CObject
{
    DECLARE_DYNCREATE(CFragile)
public:
    CFragile() { AfxThrowNotSupportedException(); }
};

IMPLEMENT_DYNAMIC(CShape, CObject)
IMPLEMENT_DYNCREATE(CCircle, CShape)
IMPLEMENT_DYNCREATE(CFragile, CObject)

TEST(RuntimeClass, KindOfFollowsTheBaseChain)
{
    CCircle circle;
    EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
    EXPECT_EQ(circle.GetRuntimeClass(), RUNTIME_CLASS(CCircle));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CFragile)));
    EXPECT_FALSE(circle.IsKindOf(nullptr));
    EXPECT_TRUE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(RUNTIME_CLASS(CObject)->IsDerivedFrom(RUNTIME_CLASS(CShape)));
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_nObjectSize, static_cast<int>(sizeof(CCircle)));

    CObject* object = &circle;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, object), &circle);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CFragile, object), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, static_cast<CObject*>(nullptr)), nullptr);
}

TEST(RuntimeClass, CreateObjectOnlyForDynCreateClasses)
{
    CObject* created = RUNTIME_CLASS(CCircle)->CreateObject();
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(static_cast<CCircle*>(created)->radius, 3);
    delete created;

    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
    // A constructor that throws yields no object and no escaping exception.
    EXPECT_EQ(RUNTIME_CLASS(CFragile)->CreateObject(), nullptr);
}

// Counts deletions so that the tests can see who frees an exception.
class CCountedException : public CException
{
public:
    explicit CCountedException(int* deletions) : m_deletions(deletions) {}
    ~CCountedException() override { ++*m_deletions; }

private:
    int* m_deletions;
};

TEST(Exceptions, DeleteFreesOnlyAutoDeleteObjects)
{
    int deletions = 0;
    CCountedException* exception = new CCountedException(&deletions);
    exception->Delete();
    EXPECT_EQ(deletions, 1);

    CCountedException onStack(&deletions);
    onStack.m_bAutoDelete = FALSE;
    onStack.Delete();
    EXPECT_EQ(deletions, 1);

    // The throw helpers use shared objects; deleting them must be harmless and repeatable.
    for (int i = 0; i < 2; ++i)
    {
        try
        {
            AfxThrowMemoryException();
        }
        catch (CException* caught)
        {
            EXPECT_TRUE(caught->IsKindOf(RUNTIME_CLASS(CMemoryException)));
            EXPECT_TRUE(caught->IsKindOf(RUNTIME_CLASS(CSimpleException)));
            caught->Delete();
        }
    }
}

TEST(Exceptions, GetErrorMessageTruncatesAndTerminates)
{
    char buffer[64];
    UINT help = 99;
    CInvalidArgException invalid;
    ASSERT_TRUE(invalid.GetErrorMessage(buffer, sizeof buffer, &help));
    EXPECT_STREQ(buffer, "Encountered an improper argument.");
    EXPECT_EQ(help, 0u);

    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_TRUE(CMemoryException().GetErrorMessage(buffer, 4));
    EXPECT_STREQ(buffer, "Out");
    EXPECT_EQ(buffer[4], 'x');
    EXPECT_FALSE(CMemoryException().GetErrorMessage(buffer, 0));

    int deletions = 0;
    std::strcpy(buffer, "junk");
    EXPECT_FALSE(CCountedException(&deletions).GetErrorMessage(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
}

TEST(Exceptions, CatchMacrosDeleteUnlessRethrown)
{
    int deletions = 0;
    bool caught = false;
    TRY
    {
        throw new CCountedException(&deletions);
    }
    CATCH(CMemoryException, e)
    {
        ADD_FAILURE() << "wrong handler";
    }
    AND_CATCH(CException, e)
    {
        caught = e->IsKindOf(RUNTIME_CLASS(CException));
    }
    END_CATCH
    EXPECT_TRUE(caught);
    EXPECT_EQ(deletions, 1);

    CException* passedOn = nullptr;
    try
    {
        TRY
        {
            throw new CCountedException(&deletions);
        }
        CATCH_ALL(e)
        {
            THROW_LAST();
        }
        END_CATCH_ALL
    }
    catch (CException* e)
    {
        passedOn = e;
    }
    ASSERT_NE(passedOn, nullptr);
    EXPECT_EQ(deletions, 1);
    passedOn->Delete();
    EXPECT_EQ(deletions, 2);
}

TEST(Diagnostics, TraceWritesOnlyWhenEnabled)
{
    CString name("trace");
    unsetenv("AFX_TRACE");
    testing::internal::CaptureStderr();
    TRACE("quiet %s\n", name);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    setenv("AFX_TRACE", "0", 1);
    testing::internal::CaptureStderr();
    TRACE0("still quiet\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    setenv("AFX_TRACE", "1", 1);
    testing::internal::CaptureStderr();
    TRACE("loud %s %d\n", name, 7);
    TRACE0("plain\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "loud trace 7\nplain\n");
    unsetenv("AFX_TRACE");
}

TEST(DiagnosticsDeathTest, FailedAssertionAbortsWithItsLocation)
{
#ifdef NDEBUG
    GTEST_SKIP() << "assertions are compiled out";
#else
    // Other tests in this program may have left threads running.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CShape* missing = nullptr;
    EXPECT_DEATH(ASSERT(1 + 1 == 3), "object_test.cpp\\([0-9]+\\): assertion failed");
    EXPECT_DEATH(ASSERT_VALID(missing), "assertion failed");
    VERIFY(1 + 1 == 2);
#endif
}

} // namespace
