// What the property search's stories share: a host whose engine lists a small catalogue, and
// the steps a user takes in "Search Physical Properties".
#pragma once

#include "res/resource.h"
#include "support/story.h"
#include "support/test_host.h"

#include <engine/properties.h>
#include <platform/automation_listview.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline constexpr char kSearchTitle[] = "Search Physical Properties";
inline constexpr char kNoticeTitle[] = "Multiple Properties";

// Delivered in this order; with neither check box an empty search lists HMX, CPMX, CPV, MW,
// CPIG and KMX. CPMX2's name differs from CPMX's in case only, so it is never listed; CPIG's
// starts in lower case, so that sorting shows whether case is ignored.
inline const std::vector<engine::PropertyEntry> kStoryCatalogue = {
    {"HMX", "Enthalpy of the mixture", false, false},
    {"CPMX", "Heat capacity of the mixture", false, false},
    {"CPV", "Heat capacity of the vapor phase", false, false},
    {"MW", "Molecular weight", true, false},
    {"CPIG", "ideal gas heat capacity", true, false},
    {"CPIGHX", "Ideal gas heat capacity, Halvex correlation", true, true},
    {"HENRYHX", "Henry's constant, Halvex correlation", false, true},
    {"CPMX2", "HEAT CAPACITY OF THE MIXTURE", false, false},
    {"KMX", "Thermal conductivity of the mixture", false, false},
};

class PropertyStory : public ::testing::Test
{
protected:
    PropertyStory()
    {
        engine::SetPropertyCatalogue(kStoryCatalogue);
        engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kNotAnswered);
    }
    ~PropertyStory() override
    {
        engine::SetPropertyCatalogue(engine::BuiltInPropertyCatalogue());
        engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kNotAnswered);
    }

    // Calls gxSearchProperty as the host does and waits for the dialog.
    void OpenSearch(const char* initial = "")
    {
        s.Open(host.ExportStdcall("gxSearchProperty", initial));
        dialog = s.Window(kSearchTitle);
    }

    // Replaces the search text and presses "Search".
    void Search(const char* text)
    {
        using platform::automation::kShift;
        s.Click(IDC_PROP_SEARCH_TEXT);
        s.Press(VK_HOME);
        s.Press(VK_END, kShift);
        s.Press(VK_DELETE);
        s.Type(text);
        s.Click(IDC_PROP_SEARCH);
    }

    // Selects the rows of a list with Control held from the second on.
    void SelectRows(int list, const std::vector<int>& rows)
    {
        bool first = true;
        for (int row : rows)
        {
            EXPECT_TRUE(platform::automation::ClickRow(s.Control(list), row,
                                                       first ? platform::automation::kNoModifiers
                                                             : platform::automation::kControl))
                << platform::automation::LastFailure();
            first = false;
        }
    }

    // Selects result rows and presses "Add" (when no notice or message box is to come).
    void AddRows(const std::vector<int>& rows)
    {
        SelectRows(IDC_PROP_RESULTS, rows);
        s.Click(IDC_PROP_ADD);
    }

    // The aliases of a list's rows, in order.
    std::vector<std::string> Aliases(int list)
    {
        std::vector<std::string> aliases;
        HWND hwnd = s.Control(list);
        for (int row = 0; row < platform::automation::RowCount(hwnd); ++row)
            aliases.push_back(platform::automation::RowText(hwnd, row, 1));
        return aliases;
    }

    // Waits for the property search's message box, checks its text, and closes it with Enter.
    void AnswerMessage(const std::string& text, Story::Where where = Story::Where::current())
    {
        HWND box = s.Window("#32770", "Tirel Plus", where);
        if (platform::automation::FindControlByText(box, text.c_str()) == nullptr)
            ADD_FAILURE_AT(where.file_name(), where.line()) << "no \"" << text << "\" in\n"
                                                            << s.Snapshot();
        s.Press(VK_RETURN, 0, where);
        s.Closed(where);
        s.Use(dialog);
    }

    bool NoticeIsShown() const { return ::FindWindowA(nullptr, kNoticeTitle) != nullptr; }

    std::vector<std::string> PropertySet() const { return engine::CurrentSimulation().propertySet; }

    TestHost host;
    Story s{host.Ui()};
    HWND dialog = nullptr;
};
