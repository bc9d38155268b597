// The stage of the component Find's stories: a host with the module loaded, databanks of the
// test's own in a folder of its own, and the few readings the stories share.
#pragma once

#include "res/resource.h"
#include "support/story.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

#include <engine/databanks.h>
#include <platform/automation_listview.h>
#include <vxforms.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

// Three databanks, searched in this order. WATER and METHANOL stand in two of them, so the
// search meets duplicates; GLYCEROL's class appears twice in the class table. UNKNOWN-WEIGHT
// has no molecular weight (0) and no boiling point.
inline const char kDatabankList[] = "PURE25\nAQUEOUS\nINORGANIC\n";
inline const char kHeader[] = "id\tname\tformula\tmw\ttb\tcas\tclass\tsynonyms\n";
inline const char kPure25[] =
    "WATER\tWATER\tH2O\t18.0153\t373.15\t7732-18-5\tOther-inorganics\tDIHYDROGEN OXIDE|OXIDANE\n"
    "METHANOL\tMETHANOL\tCH4O\t32.0419\t337.85\t67-56-1\tn-Alcohols\tMETHYL ALCOHOL|WOOD "
    "ALCOHOL\n"
    "ETHANOL\tETHANOL\tC2H6O\t46.0684\t351.44\t64-17-5\tn-Alcohols\tETHYL ALCOHOL\n"
    "GLYCEROL\tGLYCEROL\tC3H8O3\t92.0938\t563.15\t56-81-5\tPolyols\tPROPANETRIOL\n"
    "NONAN\tN-NONANE\tC9H20\t128.259\t423.97\t111-84-2\tn-Alkanes\tNONANE\n"
    "UNKNOWN\tUNKNOWN-WEIGHT\tX9\t0\t\t\tOther-inorganics\t\n";
inline const char kAqueous[] =
    "WATER\tWATER\tH2O\t18.0153\t373.15\t7732-18-5\tOther-inorganics\tOXIDANE\n"
    "HCL\tHYDROGEN CHLORIDE\tHCL\t36.4609\t188.15\t7647-01-0\tInorganic-acids\tHYDROCHLORIC "
    "ACID\n"
    "NAOH\tSODIUM HYDROXIDE\tNAOH\t39.9971\t1661.15\t1310-73-2\tInorganic-bases\tCAUSTIC SODA\n";
inline const char kInorganic[] =
    "METHANOL\tMETHANOL\tCH4O\t32.0419\t337.85\t67-56-1\tn-Alcohols\t\n"
    "NACL\tSODIUM CHLORIDE\tNACL\t58.4428\t1738.15\t7647-14-5\tSodium-salts\tSALT\n"
    "CO2\tCARBON DIOXIDE\tCO2\t44.0095\t194.65\t124-38-9\tInorganic-gases\t\n";

// A simulation with two components already in it, so that insert positions show.
inline const char kSimulation[] = "component A1 databank=PURE25 name=ARGON formula=AR\n"
                                  "component B1 databank=PURE25 name=BENZENE formula=C6H6\n";

class FindStory : public ::testing::Test
{
protected:
    void SetUp() override
    {
        banks.File("databanks.list", kDatabankList);
        banks.File("PURE25.tsv", std::string(kHeader) + kPure25);
        banks.File("AQUEOUS.tsv", std::string(kHeader) + kAqueous);
        banks.File("INORGANIC.tsv", std::string(kHeader) + kInorganic);
        engine::SetDatabankFolder(banks.Path());
        const std::string simulation = files.File("two.sim", kSimulation);
        TestHost::Options options;
        options.simulation = simulation.c_str();
        host = std::make_unique<TestHost>(options);
    }
    void TearDown() override
    {
        host.reset();
        engine::SetDatabankFolder("");
    }

    // Opens the Find as the host does and acts in it.
    void OpenFind(Story& s, int position, const char* initial)
    {
        s.Open(host->ExportStdcall("gxSearchComponents", 0, position, initial));
        s.Window("Find");
    }

    // The status bar's text. SB_GETTEXT takes no buffer size, and a running search may change
    // the text between a look at its length and the reading, so the buffer is far larger than
    // any text the dialog shows.
    static std::string StatusText(Story& s)
    {
        HWND bar = s.Control(IDC_FIND_STATUS);
        char text[1024] = "";
        if (LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0)) < 256)
            SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    static bool WaitForStatus(Story& s, const std::string& expected)
    {
        const bool found = s.WaitUntil([&] { return StatusText(s) == expected; }, expected.c_str());
        if (!found)
            ADD_FAILURE() << "the status reads \"" << StatusText(s) << "\"";
        return found;
    }
    static std::string Matches(int count)
    {
        char text[32];
        std::snprintf(text, sizeof text, "Matches found : %-6d", count);
        return text;
    }
    // The status after Stop: a search stopped before its first row reads "No Match".
    static std::string Aborted(int count)
    {
        const std::string head = count == 0 ? "No Match" + std::string(18, ' ') : Matches(count);
        return head + std::string(16, ' ') + "Search aborted";
    }

    // Column c of every row, top to bottom.
    static std::vector<std::string> Column(Story& s, int c)
    {
        HWND list = s.Control(IDC_FIND_RESULTS);
        std::vector<std::string> cells;
        const int rows = platform::automation::RowCount(list);
        for (int row = 0; row < rows; ++row)
            cells.push_back(platform::automation::RowText(list, row, c));
        return cells;
    }

    // The simulation's components by their names, in order.
    static std::vector<std::string> SimulationNames()
    {
        std::vector<std::string> names;
        for (const engine::Component& c : engine::CurrentSimulation().components)
        {
            const std::string* name = engine::FindAttribute(c.attributes, "name");
            names.push_back(name != nullptr ? *name : c.id);
        }
        return names;
    }

    TempDir banks;
    TempDir files;
    std::unique_ptr<TestHost> host;
};
