// The module's exports as the host offers them: each export's name, what it is for and its
// arguments, and a call of the export with arguments given as texts (a menu field or a script
// word), so that the menu and the script language share one description.
//
// The host finds every export with GetProcAddress when it calls it, so an export that the
// module does not have yet is simply reported as missing.
//
// Does not do:
// - Model libraries for gxFindTemplate: the host registers none, so its library argument is an
//   index into an empty registry and -1 (all libraries, a null pointer) is the useful value.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tirel
{

// How an argument's text becomes the value the export receives.
enum class ArgumentKind
{
    Integer,      // an int
    Text,         // const char*: the text with \n for a line break; "(null)" passes NULL
    NameBuffer,   // char[32] for a name the export writes: 1 passes a buffer, 0 passes NULL
    CheckState,   // int*: the text is the value the int holds before the call
    ModelLibrary, // the index of one of the host's model libraries; -1 passes NULL (all)
    TemplateSlot, // void** the export fills: no text, the host always passes its slot
};

struct ArgumentInfo
{
    const char* name;
    ArgumentKind kind;
    const char* initial; // the text the menu starts with
};

struct ExportInfo
{
    const char* name;
    const char* purpose;
    std::vector<ArgumentInfo> arguments;
};

// All 17 exports, in the order the host's menu lists them.
const std::vector<ExportInfo>& Exports();
// The export of that name (case as written), or NULL.
const ExportInfo* FindExport(std::string_view name);

// What one call did.
struct CallOutcome
{
    // False when the module has no such export (nothing was called) or an argument was wrong
    // (see error).
    bool called = false;
    std::string error;
    bool hasResult = false; // QuarnelInitExtDLL returns nothing
    int result = 0;
    // What the export wrote through its pointer arguments, as "name: value" lines.
    std::vector<std::string> outputs;
};

// Calls the export with one text per argument (TemplateSlot arguments take none, so their
// entries are ignored; missing texts take the initial ones). Runs on the calling thread, which
// must be the host's user-interface thread.
CallOutcome CallExport(HMODULE module, const ExportInfo& info,
                       const std::vector<std::string>& texts);

// A whole decimal int with an optional sign; false for anything else or an overflow.
bool ParseInteger(std::string_view text, int* value);
// The value of a Text argument: "\n" becomes a line break and "\\" a backslash.
std::string DecodeText(std::string_view text);
// A call as people read it: gxAskReconcile("B1", 2).
std::string DescribeCall(const ExportInfo& info, const std::vector<std::string>& texts);

} // namespace tirel
