// The component Find as the user meets it: opening, the pages, typing, resizing, help, the
// host's buttons, and closing, through gxSearchComponents with the test host.
#include "find_story.h"

#include <htmlhelp.h>
#include <platform/automation_lists.h>
#include <platform/automation_tree.h>
#include <platform/user.h>
#include <vxhost.h>

using namespace platform::automation;

TEST_F(FindStory, OpensCollapsedToItsCriteriaOnTheFirstPage)
{
    Story s(host->Ui());
    OpenFind(s, 0, "");
    EXPECT_EQ("\n" + s.Snapshot(), R"(
+= Find =======================================================================================[?]+
|                                                                                                 |
|  [ *Name or Formula* ][      Advanced     ]----------------------------+                        |
|  |                                                                     |   [[    Find now    ]] |
|  |                                                                     |                        |
|  |   Component name or formula : >                        <            |                        |
|  |                                                                     |   [      Close       ] |
|  |   [x] Match alternate names                                         |                        |
|  |   [ ] Match only components beginning with this string              |   [    New search    ] |
|  |                                                                     |                        |
|  |                                                                     |                        |
|  |                                                                     |                        |
|  |                                                                     |                        |
|  |                                                                     |                        |
|  |                                                                     |                        |
|  |                                                                     |                        |
|  |                                                                     |   [     Databank     ] |
|  +---------------------------------------------------------------------+                        |
+-------------------------------------------------------------------------------------------------+
)");
    // The tab control is no tab stop, so the name field has the focus: typing goes there.
    s.Type("meth");
    EXPECT_EQ(s.Text(IDC_FIND_NAME), "meth");
    // Centred, then moved right by 30 % of its width, at 51 % of its full height.
    const RECT collapsed = RectOf(s.Current());
    const int width = collapsed.right - collapsed.left;
    EXPECT_EQ(collapsed.left, (1280 - width) / 2 + width * 3 / 10);
    EXPECT_GE(RectOf(s.Control(IDC_FIND_STATUS)).top, collapsed.bottom)
        << "the status bar waits below, out of sight";

    // The class combo: "All" and the 102 rows of the class table, sorted, "All" chosen.
    const std::vector<std::string> classes = ListItems(s.Control(IDC_FIND_CLASS));
    EXPECT_EQ(classes.size(), 103u);
    EXPECT_TRUE(std::is_sorted(classes.begin(), classes.end(), [](auto& a, auto& b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    }));
    EXPECT_EQ(s.Text(IDC_FIND_CLASS), "All");
    EXPECT_EQ(ListItems(s.Control(IDC_FIND_BP_UNIT)),
              (std::vector<std::string>{"F", "K", "C", "R"}));
    EXPECT_EQ(ColumnTitles(s.Control(IDC_FIND_RESULTS)),
              (std::vector<std::string>{"Component name", "Formula", "Alternate name", "Databank",
                                        "MW", "BP <K>", "CAS no", "Component class"}));

    s.Click("Close");
    EXPECT_EQ(s.Result(), 0) << "nothing was added";
}

TEST_F(FindStory, TheAdvancedPageShowsTheFurtherCriteria)
{
    Story s(host->Ui());
    OpenFind(s, 0, "");
    const int advanced[] = {IDC_FIND_CRITERIA_GROUP, IDC_FIND_CLASS,   IDC_FIND_MW_FROM,
                            IDC_FIND_MW_TO,          IDC_FIND_BP_FROM, IDC_FIND_BP_TO,
                            IDC_FIND_BP_UNIT,        IDC_FIND_CAS,     IDC_FIND_CAS_LABEL};
    for (int id : advanced)
        EXPECT_FALSE(s.IsVisible(id)) << id;

    ASSERT_TRUE(ClickTab(s.Control(IDC_FIND_TAB), 1));
    for (int id : advanced)
        EXPECT_TRUE(s.IsVisible(id)) << id;
    for (int id : {IDC_FIND_NAME, IDC_FIND_NAME_LABEL, IDC_FIND_ALTNAMES, IDC_FIND_BEGINS_WITH})
        EXPECT_TRUE(s.IsVisible(id)) << id << " shows on both pages";

    ASSERT_TRUE(ClickTab(s.Control(IDC_FIND_TAB), 0));
    EXPECT_FALSE(s.IsVisible(IDC_FIND_CLASS));
    EXPECT_TRUE(s.IsVisible(IDC_FIND_ALTNAMES));
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, NumericCriteriaTakeOnlyTheirCharacters)
{
    Story s(host->Ui());
    OpenFind(s, 0, "");
    ASSERT_TRUE(ClickTab(s.Control(IDC_FIND_TAB), 1));
    auto beepsTyping = [&](int id, const char* text) {
        s.Click(id);
        const LONG before = PlatformBeepCount();
        s.Type(text);
        return PlatformBeepCount() - before;
    };
    EXPECT_EQ(beepsTyping(IDC_FIND_BP_FROM, "37.5"), 0);
    EXPECT_EQ(beepsTyping(IDC_FIND_BP_FROM, "-"), 1);
    EXPECT_EQ(beepsTyping(IDC_FIND_BP_TO, "1e3"), 1);
    EXPECT_EQ(beepsTyping(IDC_FIND_MW_FROM, "18.\b2"), 0) << "backspace passes";
    EXPECT_EQ(beepsTyping(IDC_FIND_MW_TO, "a+,"), 3);
    EXPECT_EQ(beepsTyping(IDC_FIND_CAS, "64-17-5"), 0);
    EXPECT_EQ(beepsTyping(IDC_FIND_CAS, "."), 1);
    EXPECT_EQ(s.Text(IDC_FIND_BP_FROM), "37.5");
    EXPECT_EQ(s.Text(IDC_FIND_BP_TO), "13");
    EXPECT_EQ(s.Text(IDC_FIND_MW_FROM), "182");
    EXPECT_EQ(s.Text(IDC_FIND_MW_TO), "");
    EXPECT_EQ(s.Text(IDC_FIND_CAS), "64-17-5");
    // The name takes anything.
    EXPECT_EQ(beepsTyping(IDC_FIND_NAME, "h2-o.x"), 0);
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), 0) << "Escape closes the dialog when no search runs";
}

TEST_F(FindStory, TheWindowKeepsItsMinimumSizeBeforeAndAfterTheFirstSearch)
{
    Story s(host->Ui());
    OpenFind(s, 0, "");
    const RECT collapsed = RectOf(s.Current());
    const int width = collapsed.right - collapsed.left;
    const int collapsedHeight = collapsed.bottom - collapsed.top;

    // Collapsed: never narrower than the template nor lower than the collapsed height.
    DragBorder(s.Current(), WMSZ_BOTTOMRIGHT, -100, -60);
    RECT r = RectOf(s.Current());
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, collapsedHeight);

    s.Click("Find now");
    WaitForStatus(s, Matches(10));
    r = RectOf(s.Current());
    const int fullHeight = r.bottom - r.top;
    EXPECT_EQ(collapsedHeight, static_cast<int>(fullHeight * 0.51));
    EXPECT_EQ(r.top, collapsed.top) << "the search grows the window downwards";
    EXPECT_LT(RectOf(s.Control(IDC_FIND_STATUS)).bottom, r.bottom);

    // Expanded: the full height is now the minimum.
    DragBorder(s.Current(), WMSZ_BOTTOM, 0, -50);
    r = RectOf(s.Current());
    EXPECT_EQ(r.bottom - r.top, fullHeight);

    // Larger: the list and its group box grow, "Add" moves by half the width's growth and
    // the whole height's growth, the status bar stays at the bottom.
    HWND list = s.Control(IDC_FIND_RESULTS);
    HWND add = s.Control(IDC_FIND_ADD);
    HWND bar = s.Control(IDC_FIND_STATUS);
    const RECT listBefore = RectOf(list), addBefore = RectOf(add);
    ASSERT_TRUE(DragBorder(s.Current(), WMSZ_BOTTOMRIGHT, 60, 40));
    const RECT listAfter = RectOf(list), addAfter = RectOf(add), window = RectOf(s.Current());
    EXPECT_EQ(listAfter.right - listBefore.right, 60);
    EXPECT_EQ(listAfter.bottom - listBefore.bottom, 40);
    EXPECT_EQ(listAfter.left, listBefore.left);
    EXPECT_EQ(addAfter.left - addBefore.left, 30);
    EXPECT_EQ(addAfter.top - addBefore.top, 40);
    EXPECT_LT(window.bottom - RectOf(bar).bottom, 10) << "the status bar follows the bottom";

    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, TheUnitStartsOnTheHostsTemperatureUnit)
{
    struct Case
    {
        int code;
        const char* letter;
    } cases[] = {{4, "C"}, {2, "F"}, {5, "R"}, {1, "K"}, {77, "K"}};
    for (const Case& c : cases)
    {
        engine::SetGlobalTemperatureUnit(c.code);
        Story s(host->Ui());
        OpenFind(s, 0, "");
        EXPECT_EQ(s.Text(IDC_FIND_BP_UNIT), c.letter) << "unit code " << c.code;
        s.Click("Close");
        EXPECT_EQ(s.Result(), 0);
    }
}

TEST_F(FindStory, F1OpensTheTopicOfThePageOrOfTheControl)
{
    Story s(host->Ui());
    OpenFind(s, 0, "");
    auto topicAfterF1 = [&](int focusId) {
        s.Click(focusId);
        s.Press(VK_F1);
        HWND viewer = WaitForWindow("HH Parent", nullptr);
        const std::string text = viewer != nullptr ? Text(viewer) : std::string();
        host->Ui().Run([] {
            ::HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
            return LRESULT{0};
        });
        s.Use(FindWindowA(nullptr, "Find"));
        const size_t hash = text.rfind('#');
        return hash == std::string::npos ? std::string("no topic: ") + text
                                         : text.substr(hash - 10);
    };
    EXPECT_EQ(topicAfterF1(IDC_FIND_NAME), "cmpnts.chm#150");
    EXPECT_EQ(topicAfterF1(IDC_FIND_ALTNAMES), "cmpnts.chm#5");
    EXPECT_EQ(topicAfterF1(IDC_FIND_BEGINS_WITH), "cmpnts.chm#12");
    EXPECT_EQ(topicAfterF1(IDC_FIND_DATABANK), "cmpnts.chm#136");
    ASSERT_TRUE(ClickTab(s.Control(IDC_FIND_TAB), 1));
    EXPECT_EQ(topicAfterF1(IDC_FIND_NAME), "cmpnts.chm#152");
    EXPECT_EQ(topicAfterF1(IDC_FIND_TAB), "cmpnts.chm#152");
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, DatabankOpensTheHostsPureDatabankForm)
{
    vxforms::Reset();
    Story s(host->Ui());
    OpenFind(s, 0, "");
    const RECT window = RectOf(s.Current());
    s.Click("Databank");
    const std::vector<vxforms::LoadFormCall> calls = vxforms::LoadFormCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, s.Current());
    EXPECT_EQ(calls[0].path, "Data\\Pure Databanks");
    EXPECT_EQ(calls[0].formClass, "VxPureDataBank.VxPureDataBank_Input");
    EXPECT_EQ(calls[0].flag, 0);
    EXPECT_TRUE(calls[0].hasPosition);
    EXPECT_EQ(calls[0].position.x, window.left + 28);
    EXPECT_EQ(calls[0].position.y, window.top + 20);
    EXPECT_EQ(calls[0].title, "Pure Databanks");
    vxforms::CloseAllForms();
    s.Use(FindWindowA(nullptr, "Find"));
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, TheHostCanRefuseTheFindAndTheXeldFlagBypassesIt)
{
    vxhost::SetRefusesFind(1);
    EXPECT_EQ(host->CallStdcall("gxSearchComponents", 0, 1, "water"), 0);
    EXPECT_EQ(FindWindowA(nullptr, "Find"), nullptr);
    vxhost::SetRefusesFind(0);

    // With the flag set the enterprise Find takes over: whatever opens is either its own
    // dialog or the bridge's report that its library is missing, never this module's Find,
    // which alone holds the search animation.
    EXPECT_EQ(host->CallStdcall("gxSetXeldFlag", 1), 1);
    Story s(host->Ui());
    s.Open(host->ExportStdcall("gxSearchComponents", 0, 1, "water"));
    HWND main = host->MainWindow();
    HWND shown = WaitForWindow([&](HWND w) { return w != main; }, "the enterprise Find");
    ASSERT_NE(shown, nullptr);
    s.Use(shown);
    EXPECT_EQ(FindControl(shown, IDC_FIND_ANIMATION), nullptr) << Describe(shown);
    const bool missing = Text(shown) == "Failed to load dll";
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), missing ? 0 : 1);
}
