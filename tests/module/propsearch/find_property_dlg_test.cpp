// "Search Physical Properties" through gxSearchProperty, as a user meets it: searching,
// adding, removing, handing the selection to the engine, the buttons' enabling, sorting,
// resizing and help.
#include "property_story.h"

#include <htmlhelp.h>
#include <platform/automation.h>

#include <map>

namespace
{

using platform::automation::kControl;
using platform::automation::kShift;
using List = std::vector<std::string>;

// A control's rectangle in the client coordinates of its dialog.
RECT ClientRectOf(HWND dialog, HWND control)
{
    RECT rect = platform::automation::RectOf(control);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string Describe(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

RECT Moved(RECT r, int dx, int dy)
{
    ::OffsetRect(&r, dx, dy);
    return r;
}

} // namespace

using FindPropertyTest = PropertyStory;

TEST_F(FindPropertyTest, AsFirstShown)
{
    OpenSearch("heat capacity");
    EXPECT_EQ("\n" + s.Snapshot(), R"(
+= Search Physical Properties ========================================================[?]+
|                                                                                        |
|  1  Type physical property you want to find and then click                             |
|    >heat capacity*                       <     [[     Search     ]]                    |
|                                                                                        |
|                                                                                        |
|    [ ] Search pure components only         [ ] Include Halvex Correlation              |
|  2  Click one or more properties you want, and then click Add.                         |
|                                                                                        |
|    +--------------------------------------------------------------+                    |
|    | Physical property name           |Alias           |          |                    |
|    |                                                              |                    |
|    |                                                              |                    |
|    |                                                              |                    |
|    +--------------------------------------------------------------+     [   ~Add~    ] |
|                                                                                        |
|                                                                                        |
|  3  Click OK to accept the selection.                                                  |
|                                                                                        |
|    +--------------------------------------------------------------+                    |
|    | Physical property name           |Alias           |          |                    |
|    |                                                              |                    |
|    |                                                              |                    |
|    |                                                              |                    |
|    |                                                              |     [  ~Remove~  ] |
|    +--------------------------------------------------------------+                    |
|                                                                                        |
|                  [    ~OK~    ]     [   Cancel   ]      [    Help    ]                 |
|                                                                                        |
+----------------------------------------------------------------------------------------+
)");
    // No search runs until the user asks for one.
    EXPECT_EQ(platform::automation::RowCount(s.Control(IDC_PROP_RESULTS)), 0);
    EXPECT_EQ(platform::automation::ColumnTitles(s.Control(IDC_PROP_SELECTION)),
              (List{"Physical property name", "Alias"}));
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindPropertyTest, WordsAreSeparatedByBlanksCommasAndTheWordAnd)
{
    OpenSearch();
    const List heatCapacity = {"CPMX", "CPV", "CPIG"};
    for (const char* text : {"heat capacity", "heat,capacity", "Heat AND capacity",
                             "capacity and, heat", "  HEAT  ,  CAPACITY  "})
    {
        Search(text);
        EXPECT_EQ(Aliases(IDC_PROP_RESULTS), heatCapacity) << text;
    }
    // A word may be found in the alias as well, and every word must be found somewhere.
    Search("mx");
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"HMX", "CPMX", "KMX"}));
    Search("cpmx heat");
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"CPMX"}));
    Search("heat vapour");
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), List{});
    // Rows show the name as the engine delivers it.
    Search("WEIGHT");
    EXPECT_EQ(platform::automation::RowTexts(s.Control(IDC_PROP_RESULTS), 0),
              (List{"Molecular weight", "MW"}));
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindPropertyTest, TheCheckBoxesChooseWhatTheEngineLists)
{
    OpenSearch();
    Search("");
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"HMX", "CPMX", "CPV", "MW", "CPIG", "KMX"}));
    s.Click(IDC_PROP_PURE_ONLY);
    s.Click("Search");
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"MW", "CPIG"}));
    s.Click(IDC_PROP_CORRELATIONS);
    // Enter presses "Search", the default button.
    s.Press(VK_RETURN);
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"MW", "CPIG", "CPIGHX"}));
    s.Click(IDC_PROP_PURE_ONLY);
    Search("halvex");
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"CPIGHX", "HENRYHX"}));
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindPropertyTest, AnEmptyTextListsEveryPropertyOfTheBuiltInCatalogue)
{
    engine::SetPropertyCatalogue(engine::BuiltInPropertyCatalogue());
    std::size_t plain = 0;
    for (const engine::PropertyEntry& entry : engine::BuiltInPropertyCatalogue())
        plain += entry.correlation ? 0 : 1;
    OpenSearch();
    s.Click("Search");
    EXPECT_EQ(platform::automation::RowCount(s.Control(IDC_PROP_RESULTS)), static_cast<int>(plain));
    s.Click(IDC_PROP_CORRELATIONS);
    s.Click("Search");
    EXPECT_EQ(platform::automation::RowCount(s.Control(IDC_PROP_RESULTS)),
              static_cast<int>(engine::BuiltInPropertyCatalogue().size()));
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindPropertyTest, OkHandsEveryAliasInListOrderAndIsDisabledUntilARowIsAdded)
{
    engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kDontShow);
    OpenSearch();
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_OK));
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_ADD));
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_REMOVE));
    Search("heat");
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_OK));
    AddRows({2, 0});
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"CPMX", "CPIG"}));
    EXPECT_TRUE(s.IsEnabled(IDC_PROP_OK));
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_ADD));
    EXPECT_EQ(s.Focus(), s.Control(IDC_PROP_OK));
    // A double click adds the row under the pointer.
    platform::automation::DoubleClickRow(s.Control(IDC_PROP_RESULTS), 1);
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"CPMX", "CPIG", "CPV"}));
    EXPECT_TRUE(PropertySet().empty());

    s.Click(IDC_PROP_OK);
    EXPECT_EQ(s.Result(), 0);
    EXPECT_EQ(PropertySet(), (List{"CPMX", "CPIG", "CPV"}));
}

TEST_F(FindPropertyTest, CancelAndEscapeHandNothing)
{
    engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kDontShow);
    for (bool escape : {false, true})
    {
        OpenSearch();
        Search("");
        AddRows({0, 1});
        ASSERT_EQ(Aliases(IDC_PROP_SELECTION).size(), 2u);
        if (escape)
            s.Press(VK_ESCAPE);
        else
            s.Click("Cancel");
        EXPECT_EQ(s.Result(), 0);
        EXPECT_TRUE(PropertySet().empty());
    }
}

TEST_F(FindPropertyTest, ARowAlreadySelectedIsReportedAndTheOthersAreStillAdded)
{
    engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kDontShow);
    OpenSearch();
    Search("");
    AddRows({1});
    SelectRows(IDC_PROP_RESULTS, {0, 1, 2});
    s.Click(IDC_PROP_ADD);
    AnswerMessage("Property \"Heat capacity of the mixture\" has already been selected.");
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"CPMX", "HMX", "CPV"}));
    // Names are compared without regard to case: an engine that now spells the name otherwise
    // still finds it selected.
    engine::SetPropertyCatalogue({{"CPMX2", "HEAT CAPACITY OF THE MIXTURE", false, false}});
    s.Click("Search");
    SelectRows(IDC_PROP_RESULTS, {0});
    s.Click(IDC_PROP_ADD);
    AnswerMessage("Property \"HEAT CAPACITY OF THE MIXTURE\" has already been selected.");
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"CPMX", "HMX", "CPV"}));
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindPropertyTest, APropertyAlreadyInThePropertySetEndsTheAdding)
{
    engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kDontShow);
    engine::ModifySimulation([](engine::Simulation& sim) { sim.propertySet = {"CPMX"}; });
    OpenSearch();
    Search("");
    // Nothing added: "OK" stays disabled, and the focus goes to the search text instead.
    SelectRows(IDC_PROP_RESULTS, {1});
    s.Click(IDC_PROP_ADD);
    AnswerMessage("Property \"CPMX\" has already been specified in the PROP-SET");
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), List{});
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_OK));
    EXPECT_EQ(s.Focus(), s.Control(IDC_PROP_SEARCH_TEXT));

    SelectRows(IDC_PROP_RESULTS, {0, 1, 2});
    s.Click(IDC_PROP_ADD);
    AnswerMessage("Property \"CPMX\" has already been specified in the PROP-SET");
    // CPV, selected after the duplicate, is not looked at; HMX, before it, stays added and
    // can be handed over.
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX"}));
    EXPECT_TRUE(s.IsEnabled(IDC_PROP_OK));
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_ADD));
    EXPECT_EQ(s.Focus(), s.Control(IDC_PROP_OK));
    s.Press(VK_SPACE);
    EXPECT_EQ(s.Result(), 0);
    EXPECT_EQ(PropertySet(), (List{"CPMX", "HMX"}));
}

TEST_F(FindPropertyTest, RemoveDeletesTheSelectedRowsAndEmptyDisablesOk)
{
    engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kDontShow);
    OpenSearch();
    Search("");
    AddRows({0, 1, 2, 3, 4, 5});
    ASSERT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX", "CPMX", "CPV", "MW", "CPIG", "KMX"}));
    SelectRows(IDC_PROP_SELECTION, {1, 3, 4});
    EXPECT_TRUE(s.IsEnabled(IDC_PROP_REMOVE));
    s.Click(IDC_PROP_REMOVE);
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"HMX", "CPV", "KMX"}));
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_REMOVE));
    EXPECT_TRUE(s.IsEnabled(IDC_PROP_OK));
    EXPECT_EQ(s.Focus(), s.Control(IDC_PROP_OK));

    platform::automation::ClickRow(s.Control(IDC_PROP_SELECTION), 0);
    platform::automation::ClickRow(s.Control(IDC_PROP_SELECTION), 2, kShift);
    s.Click(IDC_PROP_REMOVE);
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), List{});
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_OK));
    // "OK" cannot take the focus now; the search text does, and the keyboard still works.
    EXPECT_EQ(s.Focus(), s.Control(IDC_PROP_SEARCH_TEXT));
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), 0);
    EXPECT_TRUE(PropertySet().empty());
}

TEST_F(FindPropertyTest, AddAndRemoveFollowTheListsFocusAndClicks)
{
    engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kDontShow);
    OpenSearch();
    Search("heat");
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_ADD));
    platform::automation::ClickRow(s.Control(IDC_PROP_RESULTS), 0);
    EXPECT_TRUE(s.IsEnabled(IDC_PROP_ADD));
    // The focus going anywhere but to "Add" disables it; coming back with a row still
    // selected enables it again.
    s.Click(IDC_PROP_SEARCH_TEXT);
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_ADD));
    s.Press(VK_TAB);
    s.Press(VK_TAB);
    s.Press(VK_TAB);
    s.Press(VK_TAB);
    ASSERT_EQ(s.Focus(), s.Control(IDC_PROP_RESULTS));
    EXPECT_TRUE(s.IsEnabled(IDC_PROP_ADD));
    // Tabbing on to "Add" keeps it, and pressing it adds the row.
    s.Press(VK_TAB);
    ASSERT_EQ(s.Focus(), s.Control(IDC_PROP_ADD));
    EXPECT_TRUE(s.IsEnabled(IDC_PROP_ADD));
    s.Press(VK_SPACE);
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"CPMX"}));

    EXPECT_FALSE(s.IsEnabled(IDC_PROP_REMOVE));
    platform::automation::ClickRow(s.Control(IDC_PROP_SELECTION), 0);
    EXPECT_TRUE(s.IsEnabled(IDC_PROP_REMOVE));
    s.Click(IDC_PROP_RESULTS);
    EXPECT_FALSE(s.IsEnabled(IDC_PROP_REMOVE));
    // Remove with nothing selected in the list does nothing at all.
    platform::automation::ClickRow(s.Control(IDC_PROP_SELECTION), 0, kControl);
    ASSERT_TRUE(platform::automation::SelectedRows(s.Control(IDC_PROP_SELECTION)).empty());
    s.Click(IDC_PROP_CORRELATIONS);
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindPropertyTest, SortingBothListsSharesTheDescendingFlag)
{
    engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kDontShow);
    OpenSearch();
    Search("");
    HWND results = s.Control(IDC_PROP_RESULTS);
    HWND selection = s.Control(IDC_PROP_SELECTION);
    // The name column counts as sorted already, so its first click sorts descending.
    platform::automation::ClickColumn(results, 0);
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"KMX", "MW", "CPIG", "CPV", "CPMX", "HMX"}));
    platform::automation::ClickColumn(results, 0);
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"HMX", "CPMX", "CPV", "CPIG", "MW", "KMX"}));
    platform::automation::ClickColumn(results, 1);
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"CPIG", "CPMX", "CPV", "HMX", "KMX", "MW"}));

    AddRows({0, 1, 2});
    // The selection list's first click on its name column toggles the shared flag: descending.
    platform::automation::ClickColumn(selection, 0);
    EXPECT_EQ(Aliases(IDC_PROP_SELECTION), (List{"CPIG", "CPV", "CPMX"}));
    // Toggled back by the other list: the results list sorts by alias ascending again.
    platform::automation::ClickColumn(results, 1);
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"CPIG", "CPMX", "CPV", "HMX", "KMX", "MW"}));
    platform::automation::ClickColumn(results, 1);
    EXPECT_EQ(Aliases(IDC_PROP_RESULTS), (List{"MW", "KMX", "HMX", "CPV", "CPMX", "CPIG"}));

    // "OK" hands the rows in the order the list shows them.
    s.Click(IDC_PROP_OK);
    EXPECT_EQ(s.Result(), 0);
    EXPECT_EQ(PropertySet(), (List{"CPIG", "CPV", "CPMX"}));
}

TEST_F(FindPropertyTest, GrowingMovesTheLowerControlsByTheirShareAndShrinkingStopsAtTheTemplate)
{
    OpenSearch();
    const int ids[] = {IDC_PROP_STEP1,     IDC_PROP_SEARCH_TEXT,  IDC_PROP_SEARCH,
                       IDC_PROP_PURE_ONLY, IDC_PROP_CORRELATIONS, IDC_PROP_STEP2,
                       IDC_PROP_RESULTS,   IDC_PROP_ADD,          IDC_PROP_STEP3,
                       IDC_PROP_SELECTION, IDC_PROP_REMOVE,       IDC_PROP_OK,
                       IDCANCEL,           IDC_PROP_HELP};
    std::map<int, RECT> initial;
    for (int id : ids)
        initial[id] = ClientRectOf(dialog, s.Control(id));
    const RECT window = platform::automation::RectOf(dialog);

    struct Growth
    {
        int dx;
        int dy;
    } growths[] = {{40, 20}, {7, 3}, {0, 30}, {25, 0}};
    for (const Growth& g : growths)
    {
        SCOPED_TRACE(testing::Message() << "grown by " << g.dx << "," << g.dy);
        std::map<int, RECT> expected = initial;
        expected[IDC_PROP_OK] = Moved(initial[IDC_PROP_OK], g.dx / 4, g.dy);
        expected[IDCANCEL] = Moved(initial[IDCANCEL], g.dx / 2, g.dy);
        expected[IDC_PROP_HELP] = Moved(initial[IDC_PROP_HELP], 3 * g.dx / 4, g.dy);
        expected[IDC_PROP_ADD] = Moved(initial[IDC_PROP_ADD], g.dx, g.dy / 2);
        expected[IDC_PROP_REMOVE] = Moved(initial[IDC_PROP_REMOVE], g.dx, g.dy);
        expected[IDC_PROP_STEP3] = Moved(initial[IDC_PROP_STEP3], 0, g.dy / 2);
        expected[IDC_PROP_RESULTS].right += g.dx;
        expected[IDC_PROP_RESULTS].bottom += g.dy / 2;
        expected[IDC_PROP_SELECTION].top += g.dy / 2;
        expected[IDC_PROP_SELECTION].right += g.dx;
        expected[IDC_PROP_SELECTION].bottom += g.dy;

        ASSERT_TRUE(platform::automation::DragBorder(dialog, WMSZ_BOTTOMRIGHT, g.dx, g.dy))
            << platform::automation::LastFailure();
        for (int id : ids)
            EXPECT_EQ(Describe(ClientRectOf(dialog, s.Control(id))), Describe(expected[id]))
                << "control " << id;

        // Back to the template's size, and every control back where it began.
        ASSERT_TRUE(platform::automation::DragBorder(dialog, WMSZ_BOTTOMRIGHT, -g.dx, -g.dy));
        for (int id : ids)
            EXPECT_EQ(Describe(ClientRectOf(dialog, s.Control(id))), Describe(initial[id]))
                << "control " << id;
    }

    // The template's size is the smallest.
    ASSERT_TRUE(platform::automation::DragBorder(dialog, WMSZ_BOTTOMRIGHT, -100, -80));
    EXPECT_EQ(Describe(platform::automation::RectOf(dialog)), Describe(window));
    ASSERT_TRUE(platform::automation::DragBorder(dialog, WMSZ_TOPLEFT, 50, 50));
    EXPECT_EQ(Describe(platform::automation::RectOf(dialog)), Describe(window));
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}

TEST_F(FindPropertyTest, HelpOpensTheTopicOfTheControlWithTheFocus)
{
    engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kDontShow);
    const std::string file = host.FirstInstallDir() + "\\props.chm#";
    auto shownTopic = [&]() -> std::string {
        HWND viewer = platform::automation::WaitForWindow("HH Parent", nullptr);
        if (viewer == nullptr)
            return "no viewer";
        std::string title = platform::automation::Text(viewer);
        host.Ui().Run([] {
            ::HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
            return LRESULT{0};
        });
        platform::automation::WaitForClose(viewer);
        return title.rfind(file, 0) == 0 ? title.substr(file.size()) : title;
    };

    OpenSearch();
    s.Click(IDC_PROP_SEARCH_TEXT);
    s.Press(VK_F1);
    EXPECT_EQ(shownTopic(), "95");
    s.Click("Search");
    s.Press(VK_F1);
    EXPECT_EQ(shownTopic(), "96");
    platform::automation::ClickRow(s.Control(IDC_PROP_RESULTS), 0);
    s.Press(VK_F1);
    EXPECT_EQ(shownTopic(), "97");
    platform::automation::ClickRow(s.Control(IDC_PROP_RESULTS), 0);
    s.Press(VK_TAB);
    s.Press(VK_F1);
    EXPECT_EQ(shownTopic(), "98");
    s.Click(IDC_PROP_ADD);
    platform::automation::ClickRow(s.Control(IDC_PROP_SELECTION), 0);
    s.Press(VK_F1);
    EXPECT_EQ(shownTopic(), "99");
    platform::automation::ClickRow(s.Control(IDC_PROP_SELECTION), 0);
    s.Press(VK_TAB);
    s.Press(VK_F1);
    EXPECT_EQ(shownTopic(), "100");
    s.Click(IDC_PROP_PURE_ONLY);
    s.Press(VK_F1);
    EXPECT_EQ(shownTopic(), "94");
    s.Click("Help");
    EXPECT_EQ(shownTopic(), "94");
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), 0);
}
