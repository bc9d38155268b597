// The layout arithmetic of the component Find: collapsing, and placing the lower controls as
// the user resizes the dialog.
#include "compsearch/find_layout.h"

#include <gtest/gtest.h>

namespace
{

// The dialog as the template lays it out: a 504 x 471 client area.
FindLayout Recorded()
{
    FindLayout layout;
    layout.rcClient = CRect(0, 0, 504, 471);
    layout.rcGroup = CRect(10, 232, 493, 450);
    layout.rcList = CRect(19, 248, 484, 411);
    layout.rcAdd = CRect(199, 417, 304, 441);
    return layout;
}

} // namespace

TEST(FindLayoutTest, CollapsingKeepsHalfTheHeightAndMovesRight)
{
    EXPECT_EQ(CollapsedHeight(500), 255);
    EXPECT_EQ(CollapsedHeight(501), 255) << "255.51 is truncated";
    EXPECT_EQ(CollapsedShift(513), 153) << "153.9 is truncated";
}

TEST(FindLayoutTest, LowerControlsFollowTheGrowthOfTheClientArea)
{
    const FindLayout recorded = Recorded();
    struct Case
    {
        CSize client;
        bool statusBar;
        bool move;
        CRect group, list, add;
    } cases[] = {
        // As laid out: everything where it was, the status bar to the bottom.
        {{504, 471}, true, true, recorded.rcGroup, recorded.rcList, recorded.rcAdd},
        // Wider and higher: right and bottom grow, "Add" moves by half the width's growth.
        {{605, 491}, true, true, {10, 232, 594, 470}, {19, 248, 585, 431}, {249, 437, 354, 461}},
        // Collapsed but as wide: nothing grows, and the status bar stays below.
        {{504, 220}, false, true, recorded.rcGroup, recorded.rcList, recorded.rcAdd},
        // Higher but narrower than laid out: only the height's growth counts.
        {{400, 481}, true, true, {10, 232, 493, 460}, {19, 248, 484, 421}, {199, 427, 304, 451}},
        // Smaller both ways: nothing moves.
        {{400, 220}, false, false, {}, {}, {}},
    };
    for (const Case& c : cases)
    {
        const LowerPlacement p =
            PlaceLowerControls(recorded, c.client, recorded.rcGroup, recorded.rcList);
        SCOPED_TRACE(testing::Message() << c.client.cx << " x " << c.client.cy);
        EXPECT_EQ(p.bStatusBar, c.statusBar);
        ASSERT_EQ(p.bMove, c.move);
        if (!c.move)
            continue;
        EXPECT_EQ(p.rcGroup, c.group);
        EXPECT_EQ(p.rcList, c.list);
        EXPECT_EQ(p.rcAdd, c.add);
    }
}
