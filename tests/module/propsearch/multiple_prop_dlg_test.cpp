// "Multiple Properties", the notice that the property search shows before the second property
// of a selection, and the choice it hands to the engine.
#include "property_story.h"

namespace
{

using List = std::vector<std::string>;
using engine::NoticeChoice;

using MultiplePropTest = PropertyStory;

} // namespace

TEST_F(MultiplePropTest, ShownOnceBeforeTheSecondRowAndAgainWhileTheUserKeepsIt)
{
    OpenSearch();
    Search("");
    SelectRows(IDC_PROP_RESULTS, {0, 1, 2});
    s.Click(IDC_PROP_ADD);
    s.Window(kNoticeTitle);
    EXPECT_EQ("\n" + s.Snapshot(), R"(
+= Multiple Properties =======================================================+
|                                                                             |
|                                                                             |
|                  You have specified more than one physical                  |
|                                                                             |
|                  Tirel Plus will calculate all properties using all         |
|                  valid combinations of qualifiers.                          |
|                                                                             |
|                                                                             |
|            To avoid this, select only one physical property per             |
|                                                                             |
|                                                                             |
|            [ ]>Do not show me this message anymore.<                        |
|                                                                             |
|                             [[      OK       ]]                             |
|                                                                             |
+-----------------------------------------------------------------------------+
)");
    // The first row is in already; the others wait for the notice.
    EXPECT_EQ(platform::automation::RowCount(::GetDlgItem(dialog, IDC_PROP_SELECTION)), 1);
    EXPECT_FALSE(s.IsChecked(IDC_MULTIPROP_DONTSHOW));
    s.Click("OK");
    s.Closed();
    s.Use(dialog);
    EXPECT_FALSE(NoticeIsShown());
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX", "CPMX", "CPV"}));
    EXPECT_EQ(engine::MultiplePropertiesNotice(), NoticeChoice::kShow);

    // Kept: the next add of several properties shows it again.
    SelectRows(IDC_PROP_RESULTS, {3, 4});
    s.Click(IDC_PROP_ADD);
    s.Window(kNoticeTitle);
    s.Press(VK_RETURN);
    s.Closed();
    s.Use(dialog);
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX", "CPMX", "CPV", "MW", "CPIG"}));
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(MultiplePropTest, OneRowIntoAnEmptySelectionNeedsNoNoticeButASecondOneDoes)
{
    OpenSearch();
    Search("");
    AddRows({0});
    EXPECT_FALSE(NoticeIsShown());
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX"}));
    // One row joining one already selected is a second property.
    SelectRows(IDC_PROP_RESULTS, {1});
    s.Click(IDC_PROP_ADD);
    s.Window(kNoticeTitle);
    EXPECT_EQ(platform::automation::RowCount(::GetDlgItem(dialog, IDC_PROP_SELECTION)), 1);
    s.Click("OK");
    s.Closed();
    s.Use(dialog);
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX", "CPMX"}));
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(MultiplePropTest, TheCheckBoxSwitchesTheNoticeOffInTheEngine)
{
    OpenSearch();
    Search("");
    SelectRows(IDC_PROP_RESULTS, {0, 1});
    s.Click(IDC_PROP_ADD);
    s.Window(kNoticeTitle);
    s.Click(IDC_MULTIPROP_DONTSHOW);
    EXPECT_TRUE(s.IsChecked(IDC_MULTIPROP_DONTSHOW));
    // The click alone tells the engine nothing; "OK" does.
    EXPECT_EQ(engine::MultiplePropertiesNotice(), NoticeChoice::kNotAnswered);
    s.Click("OK");
    s.Closed();
    s.Use(dialog);
    EXPECT_EQ(engine::MultiplePropertiesNotice(), NoticeChoice::kDontShow);

    AddRows({2, 3, 4});
    EXPECT_FALSE(NoticeIsShown());
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX", "CPMX", "CPV", "MW", "CPIG"}));
    s.Click(IDC_PROP_OK);
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(MultiplePropTest, EscapeClosesItWithoutAnAnswerAndF1OpensNothing)
{
    OpenSearch();
    Search("");
    SelectRows(IDC_PROP_RESULTS, {0, 1});
    s.Click(IDC_PROP_ADD);
    HWND shown = s.Window(kNoticeTitle);
    s.Press(VK_F1);
    EXPECT_EQ(::FindWindowA("HH Parent", nullptr), nullptr);
    EXPECT_TRUE(::IsWindowVisible(shown));
    s.Click(IDC_MULTIPROP_DONTSHOW);
    s.Press(VK_ESCAPE);
    s.Closed();
    s.Use(dialog);
    // The rows are added all the same, and the engine heard nothing.
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX", "CPMX"}));
    EXPECT_EQ(engine::MultiplePropertiesNotice(), NoticeChoice::kNotAnswered);

    SelectRows(IDC_PROP_RESULTS, {2, 3});
    s.Click(IDC_PROP_ADD);
    s.Window(kNoticeTitle);
    s.Click("OK");
    s.Closed();
    s.Use(dialog);
    EXPECT_EQ(engine::MultiplePropertiesNotice(), NoticeChoice::kShow);
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}
