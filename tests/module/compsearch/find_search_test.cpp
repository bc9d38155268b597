// Searching with the component Find and adding what it found: matching, duplicates, the
// "Advanced" criteria, sorting, adding rows, "New search", and stopping a running search.
#include "find_story.h"

#include <platform/automation_lists.h>
#include <platform/automation_tree.h>

using namespace platform::automation;

namespace
{

std::vector<std::string> Row(const char* name, const char* formula, const char* alt,
                             const char* databank, const char* mw, const char* bp, const char* cas,
                             const char* cls)
{
    return {name, formula, alt, databank, mw, bp, cas, cls};
}

} // namespace

TEST_F(FindStory, TheTypicalCallFindsAndAddsAComponentAtTheCallersPosition)
{
    vxforms::Reset();
    Story s(host->Ui());
    // An initial text searches at once: "water" finds "WATER", as the text is upper-cased.
    OpenFind(s, 2, "water");
    WaitForStatus(s, Matches(1));
    HWND list = s.Control(IDC_FIND_RESULTS);
    EXPECT_EQ(RowTexts(list, 0), Row("WATER", "H2O", "DIHYDROGEN OXIDE", "PURE25", "18.0153",
                                     "373.15", "7732-18-5", "Other-inorganics"))
        << "listed from the first databank that has it";
    EXPECT_EQ(s.Text(IDC_FIND_CLOSE), "Close");
    EXPECT_TRUE(s.IsEnabled(IDC_FIND_NOW));

    ASSERT_TRUE(DoubleClickRow(list, 0));
    EXPECT_EQ(SimulationNames(), (std::vector<std::string>{"ARGON", "WATER", "BENZENE"}));
    const auto refreshes = vxforms::RefreshFormsCalls();
    ASSERT_EQ(refreshes.size(), 1u);
    EXPECT_EQ(refreshes[0].what, 101);
    EXPECT_EQ(refreshes[0].how, 0);

    s.Click("Close");
    EXPECT_EQ(s.Result(), 1) << "a component was added";
}

TEST_F(FindStory, NamesFormulasAndAlternateNames)
{
    Story s(host->Ui());
    OpenFind(s, 0, "");
    auto search = [&](const char* text) {
        s.Click(IDC_FIND_NAME);
        s.Press('A', kControl);
        s.Press(VK_DELETE);
        s.Type(text);
        s.Type("\r"); // the default button: "Find now"
        s.WaitUntil([&] { return s.IsEnabled(IDC_FIND_NOW); }, "the end of the search");
        return Column(s, 0);
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(search("ANOL"), (Names{"METHANOL", "ETHANOL"})) << "a name matches anywhere";
    EXPECT_EQ(search("H2"), (Names{"WATER"})) << "a formula only at its start";
    EXPECT_EQ(search("wood"), (Names{"METHANOL"})) << "an alternate name";
    EXPECT_EQ(Column(s, 2), (Names{"WOOD ALCOHOL"})) << "the alternate name that matched";
    EXPECT_EQ(search("salt"), (Names{"SODIUM CHLORIDE"}));

    s.Click(IDC_FIND_BEGINS_WITH);
    EXPECT_EQ(search("ANOL"), Names{});
    EXPECT_EQ(StatusText(s), "No Match" + std::string(18, ' '));
    EXPECT_EQ(search("ETH"), (Names{"ETHANOL"}));
    EXPECT_EQ(search("C"), (Names{"METHANOL", "ETHANOL", "GLYCEROL", "N-NONANE", "SODIUM HYDROXIDE",
                                  "CARBON DIOXIDE"}))
        << "names, formulas or alternate names (CAUSTIC SODA) beginning with it";

    s.Click(IDC_FIND_ALTNAMES);
    EXPECT_EQ(search("WOOD"), Names{});

    // Every component once, from the first databank that has it.
    EXPECT_EQ(search(""), (Names{"WATER", "METHANOL", "ETHANOL", "GLYCEROL", "N-NONANE",
                                 "UNKNOWN-WEIGHT", "HYDROGEN CHLORIDE", "SODIUM HYDROXIDE",
                                 "SODIUM CHLORIDE", "CARBON DIOXIDE"}));
    EXPECT_EQ(StatusText(s), Matches(10));
    EXPECT_EQ(Column(s, 3)[1], "PURE25") << "METHANOL stands in INORGANIC as well";
    EXPECT_EQ(Column(s, 5)[5], " ") << "no boiling point known";
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, AdvancedCriteriaNarrowTheSearchInTheUnitShown)
{
    Story s(host->Ui());
    OpenFind(s, 0, "");
    ASSERT_TRUE(ClickTab(s.Control(IDC_FIND_TAB), 1));
    // The numeric fields refuse Ctrl+A as any other typed control character, so a field is
    // cleared with Backspace.
    auto field = [&](int id, const char* text) {
        s.Click(id);
        s.Press(VK_END);
        s.Type("\b\b\b\b\b\b\b\b");
        s.Type(text);
    };
    auto findNow = [&] {
        s.Click("Find now");
        s.WaitUntil([&] { return s.IsEnabled(IDC_FIND_NOW); }, "the end of the search");
        return Column(s, 0);
    };
    using Names = std::vector<std::string>;

    // 373.15 K shown as Celsius compares as 100.
    ASSERT_TRUE(ChooseComboItem(s.Control(IDC_FIND_BP_UNIT), "C"));
    field(IDC_FIND_BP_FROM, "99.5");
    field(IDC_FIND_BP_TO, "100.5");
    EXPECT_EQ(findNow(), (Names{"WATER"}));
    EXPECT_EQ(ColumnTitles(s.Control(IDC_FIND_RESULTS))[5], "BP <C>");
    EXPECT_EQ(Column(s, 5), (Names{"100"}));

    // A weight of 0 passes any range; a range with one bound applies none.
    field(IDC_FIND_BP_FROM, "");
    field(IDC_FIND_MW_FROM, "18");
    field(IDC_FIND_MW_TO, "19");
    EXPECT_EQ(findNow(), (Names{"WATER", "UNKNOWN-WEIGHT"}));
    field(IDC_FIND_MW_TO, "");
    EXPECT_EQ(findNow().size(), 10u);

    // The class: both "Polyols" of the table find the same components.
    HWND classes = s.Control(IDC_FIND_CLASS);
    ASSERT_TRUE(ChooseComboItem(classes, "Polyols"));
    EXPECT_EQ(findNow(), (Names{"GLYCEROL"}));
    s.Click(IDC_FIND_CLASS);
    s.Press(VK_DOWN); // the next entry: the other "Polyols"
    s.Press(VK_RETURN);
    const std::vector<int> selected = SelectedItems(classes);
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(ListItems(classes)[selected[0]], "Polyols");
    EXPECT_EQ(ListItems(classes)[selected[0] - 1], "Polyols") << "the second of the two";
    EXPECT_EQ(findNow(), (Names{"GLYCEROL"}));

    // The CAS number: a prefix, with the class back on "All".
    ASSERT_TRUE(ChooseComboItem(classes, "All"));
    field(IDC_FIND_CAS, "7647");
    EXPECT_EQ(findNow(), (Names{"HYDROGEN CHLORIDE", "SODIUM CHLORIDE"}));

    // The criteria count only on the "Advanced" page.
    ASSERT_TRUE(ClickTab(s.Control(IDC_FIND_TAB), 0));
    EXPECT_EQ(findNow().size(), 10u);
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, NewSearchClearsTheCriteriaAndKeepsPageUnitAndChecks)
{
    Story s(host->Ui());
    OpenFind(s, 0, "meth");
    WaitForStatus(s, Matches(1));
    ASSERT_TRUE(ClickTab(s.Control(IDC_FIND_TAB), 1));
    ASSERT_TRUE(ChooseComboItem(s.Control(IDC_FIND_BP_UNIT), "R"));
    ASSERT_TRUE(ChooseComboItem(s.Control(IDC_FIND_CLASS), "Ketones"));
    s.Click(IDC_FIND_MW_FROM);
    s.Type("12");
    s.Click(IDC_FIND_CAS);
    s.Type("67-");
    s.Click(IDC_FIND_BEGINS_WITH);

    s.Click("New search");
    EXPECT_EQ(RowCount(s.Control(IDC_FIND_RESULTS)), 0);
    EXPECT_EQ(StatusText(s), "");
    for (int id : {IDC_FIND_NAME, IDC_FIND_MW_FROM, IDC_FIND_CAS})
        EXPECT_EQ(s.Text(id), "") << id;
    EXPECT_EQ(s.Text(IDC_FIND_CLASS), "All");
    EXPECT_EQ(s.Text(IDC_FIND_BP_UNIT), "R");
    EXPECT_TRUE(s.IsChecked(IDC_FIND_BEGINS_WITH));
    EXPECT_TRUE(s.IsChecked(IDC_FIND_ALTNAMES));
    EXPECT_TRUE(s.IsVisible(IDC_FIND_CLASS)) << "still on the advanced page";
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, SortingByColumnsAndTheSortStateOutlivesTheDialog)
{
    using Names = std::vector<std::string>;
    {
        Story s(host->Ui());
        OpenFind(s, 0, "");
        s.Click("Find now");
        WaitForStatus(s, Matches(10));
        HWND list = s.Control(IDC_FIND_RESULTS);
        // The remembered column starts at 0, so the first click there sorts descending.
        ASSERT_TRUE(ClickColumn(list, 0));
        EXPECT_EQ(
            Column(s, 0),
            (Names{"WATER", "UNKNOWN-WEIGHT", "SODIUM HYDROXIDE", "SODIUM CHLORIDE", "N-NONANE",
                   "METHANOL", "HYDROGEN CHLORIDE", "GLYCEROL", "ETHANOL", "CARBON DIOXIDE"}));
        // Another column sorts ascending, by value: 9 < 18 < 128, not as text.
        ASSERT_TRUE(ClickColumn(list, 4));
        EXPECT_EQ(Column(s, 4), (Names{"0", "18.0153", "32.0419", "36.4609", "39.9971", "44.0095",
                                       "46.0684", "58.4428", "92.0938", "128.259"}));
        // The boiling point's title lies past the list's right edge until the dialog is wider.
        ASSERT_TRUE(DragBorder(s.Current(), WMSZ_RIGHT, 300, 0));
        ASSERT_TRUE(ClickColumn(list, 5));
        EXPECT_EQ(Column(s, 0).front(), "HYDROGEN CHLORIDE");
        EXPECT_EQ(Column(s, 0).back(), "UNKNOWN-WEIGHT") << "an unknown boiling point is huge";
        s.Click("Close");
        EXPECT_EQ(s.Result(), 0);
    }
    // The next Find of the process remembers column 5: a click there sorts descending.
    Story s(host->Ui());
    OpenFind(s, 0, "");
    s.Click("Find now");
    WaitForStatus(s, Matches(10));
    ASSERT_TRUE(DragBorder(s.Current(), WMSZ_RIGHT, 300, 0));
    ASSERT_TRUE(ClickColumn(s.Control(IDC_FIND_RESULTS), 5));
    EXPECT_EQ(Column(s, 0).front(), "UNKNOWN-WEIGHT");
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, AddingThreeRowsRefreshesOnceAndOnlyTheFirstTakesThePosition)
{
    vxforms::Reset();
    Story s(host->Ui());
    OpenFind(s, 1, "");
    s.Click("Find now");
    WaitForStatus(s, Matches(10));
    HWND list = s.Control(IDC_FIND_RESULTS);

    s.Click("Add");
    EXPECT_TRUE(vxforms::RefreshFormsCalls().empty()) << "nothing selected, nothing refreshed";

    ASSERT_TRUE(ClickRow(list, 0));
    ASSERT_TRUE(ClickRow(list, 1, kControl));
    ASSERT_TRUE(ClickRow(list, 2, kControl));
    s.Click("Add");
    EXPECT_EQ(SimulationNames(),
              (std::vector<std::string>{"WATER", "ARGON", "BENZENE", "METHANOL", "ETHANOL"}));
    EXPECT_EQ(vxforms::RefreshFormsCalls().size(), 1u);
    s.Click("Close");
    EXPECT_EQ(s.Result(), 1);
}

TEST_F(FindStory, StopAndEscapeEndARunningSearchAndKeepTheDialogOpen)
{
    engine::SelectDatabanks({engine::SyntheticDatabankName(100000)});
    Story s(host->Ui());
    OpenFind(s, 0, "");
    HWND list = s.Control(IDC_FIND_RESULTS);
    for (const char* how : {"Stop", "Escape"})
    {
        SCOPED_TRACE(how);
        s.Click("Find now");
        ASSERT_TRUE(s.WaitUntil([&] { return RowCount(list) > 0; }, "the first rows"));
        EXPECT_FALSE(s.IsEnabled(IDC_FIND_NOW));
        if (how == std::string("Stop"))
            s.Click("Stop");
        else
            s.Press(VK_ESCAPE);
        ASSERT_TRUE(s.WaitUntil([&] { return StatusText(s).ends_with("Search aborted"); },
                                "the aborted search"));
        const int rows = RowCount(list);
        EXPECT_LT(rows, 100000);
        EXPECT_EQ(StatusText(s), Aborted(rows));
        EXPECT_EQ(s.Text(IDC_FIND_CLOSE), "Close");
        EXPECT_TRUE(s.IsEnabled(IDC_FIND_NOW));
        EXPECT_EQ(s.Focus(), s.Control(IDC_FIND_NOW));
        EXPECT_TRUE(IsWindowVisible(s.Current()));
    }
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, TheHostQuittingDuringASearchEndsTheDialogAndItsWorker)
{
    // The user cannot close the dialog while it searches, but the host's quit ends its modal
    // loop. The worker is then sending rows to a thread that no longer pumps: the dialog must
    // stop it and serve it to its end instead of waiting on it for ever.
    engine::SelectDatabanks({engine::SyntheticDatabankName(100000)});
    Story s(host->Ui());
    auto search = host->ExportStdcall("gxSearchComponents", 0, 0, "");
    s.Open([search] {
        const LRESULT result = search();
        // The quit that ended the dialog is left for the test's user-interface thread.
        MSG quit;
        ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        return result;
    });
    s.Window("Find");
    HWND list = s.Control(IDC_FIND_RESULTS);
    s.Click("Find now");
    ASSERT_TRUE(s.WaitUntil([&] { return RowCount(list) > 0; }, "the first rows"));
    host->Ui().Run([] {
        ::PostQuitMessage(0);
        return LRESULT{0};
    });
    EXPECT_EQ(s.Result(), 0) << "nothing was added";
    EXPECT_FALSE(IsWindow(list));
}

TEST_F(FindStory, NoDatabankToSearchCountsAsStopped)
{
    engine::SelectDatabanks({});
    Story s(host->Ui());
    OpenFind(s, 0, "water");
    WaitForStatus(s, Aborted(0));
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindStory, TheUserWorksTheDialogWhileASearchRuns)
{
    // Under the thread sanitizer this shows that the worker and the dialog share no state
    // unguarded: the user sorts, starts over, types and stops while rows arrive.
    engine::SelectDatabanks({engine::SyntheticDatabankName(100000)});
    Story s(host->Ui());
    OpenFind(s, 0, "");
    HWND list = s.Control(IDC_FIND_RESULTS);
    s.Click("Find now");
    ASSERT_TRUE(s.WaitUntil([&] { return RowCount(list) > 0; }, "the first rows"));
    ASSERT_TRUE(ClickColumn(list, 4));
    ASSERT_TRUE(ClickColumn(list, 0));
    s.Click("New search");
    s.Click(IDC_FIND_NAME);
    s.Type("X");
    ASSERT_TRUE(ClickColumn(list, 0));
    s.Click("Stop");
    ASSERT_TRUE(s.WaitUntil([&] { return StatusText(s).ends_with("Search aborted"); },
                            "the aborted search"));
    EXPECT_EQ(StatusText(s), Aborted(RowCount(list)))
        << "the count is of the rows listed since New search";

    // The next search, after the text typed meanwhile is cleared again, is whole: every
    // component of the databank, each once.
    engine::SelectDatabanks({engine::SyntheticDatabankName(10000)});
    s.Click("New search");
    s.Click("Find now");
    WaitForStatus(s, Matches(10000));
    EXPECT_EQ(RowCount(list), 10000);
    s.Click("Close");
    EXPECT_EQ(s.Result(), 0);
}
