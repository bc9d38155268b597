// The wait cursor's nesting count and what it puts back.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace
{

class WaitCursorTest : public ::testing::Test
{
protected:
    HCURSOR m_arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR m_wait = ::LoadCursorA(nullptr, IDC_WAIT);
    HCURSOR m_beam = ::LoadCursorA(nullptr, IDC_IBEAM);
};

TEST_F(WaitCursorTest, NestsAndPutsBackTheCursorOfTheFirstBegin)
{
    ASSERT_NE(m_arrow, m_wait);
    CWinApp app("Cursor");
    CCmdTarget target;
    ::SetCursor(m_beam);

    target.BeginWaitCursor();
    EXPECT_EQ(::GetCursor(), m_wait);
    target.BeginWaitCursor();
    EXPECT_EQ(app.m_nWaitCursorCount, 2);
    target.EndWaitCursor();
    EXPECT_EQ(::GetCursor(), m_wait);
    target.EndWaitCursor();
    EXPECT_EQ(::GetCursor(), m_beam);

    // An unmatched end does not drive the count negative: the next begin starts afresh.
    target.EndWaitCursor();
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
    ::SetCursor(m_arrow);
    target.BeginWaitCursor();
    EXPECT_EQ(app.m_nWaitCursorCount, 1);
    target.EndWaitCursor();
    EXPECT_EQ(::GetCursor(), m_arrow);
}

TEST_F(WaitCursorTest, RestorePutsTheWaitCursorBackWhileWaiting)
{
    CWinApp app("Cursor");
    ::SetCursor(m_arrow);
    {
        CWaitCursor wait;
        EXPECT_EQ(::GetCursor(), m_wait);
        // Something (a message box, a window's WM_SETCURSOR) changed the cursor meanwhile.
        ::SetCursor(m_beam);
        wait.Restore();
        EXPECT_EQ(::GetCursor(), m_wait);
        EXPECT_EQ(app.m_nWaitCursorCount, 1);
    }
    EXPECT_EQ(::GetCursor(), m_arrow);
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
}

TEST_F(WaitCursorTest, WorksWithoutAnApplicationObject)
{
    AFX_MODULE_STATE state(TRUE);
    AFX_MANAGE_STATE(&state);
    ASSERT_EQ(AfxGetApp(), nullptr);
    ::SetCursor(m_arrow);
    CCmdTarget target;
    target.BeginWaitCursor();
    EXPECT_EQ(::GetCursor(), m_wait);
    EXPECT_EQ(state.m_nWaitCursorCount, 1);
    target.EndWaitCursor();
    EXPECT_EQ(::GetCursor(), m_arrow);
    EXPECT_EQ(state.m_nWaitCursorCount, 0);
}

} // namespace
