// The integration library stand-in's Find dialog: lists the pure databanks it was given,
// searches the chosen ones through the databank library's walk callback, and adds the chosen
// component through the engine's extended insert.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace xeld
{

// The engine callbacks the module hands over (any may be NULL).
using PFN_SMinsertcompext = int(CDECL*)(const char* databank, const char* name, const char* id,
                                        int position);
using PFN_EnumDbaseDbankName = int(CDECL*)(const char* databank, void* record, int start);
using PFN_SMsetseldbanks = int(CDECL*)(const char* const* names, int count);

struct FindRequest
{
    PFN_SMinsertcompext insertCompExt = nullptr;
    PFN_EnumDbaseDbankName enumDbank = nullptr;
    PFN_SMsetseldbanks setSelDbanks = nullptr;
    int insertPos = 0;
    std::string initialText;
    std::vector<std::string> databanks;
    // Whether the databank list is offered (the module asks for it with SetDatabankTabFlag).
    bool showDatabanks = true;
};

// One component found by a search.
struct Found
{
    std::string databank;
    std::string name;
    std::string formula;
};

// Whether a databank record matches what the user typed: the name contains it or the formula
// begins with it, without regard to case; an empty text matches everything.
bool MatchesFindText(const void* record, std::string_view text);

// The line the result list shows for a found component.
std::string ResultLine(const Found& found);

// Runs the dialog modally, owned by the calling thread's active window; returns the number of
// components added.
int RunFindDialog(HMODULE resources, const FindRequest& request);

} // namespace xeld
