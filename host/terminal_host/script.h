// The script language of the host: a session written as steps, one a line, that the simulated
// user carries out (host/README.md describes every step). This part only reads the text; the
// runner (script_runner.h) carries the steps out.
//
//     call gxAskReconcile B1      # start an export; its dialog opens
//     window Reconcile            # act in the window titled "Reconcile"
//     click "Yes to All"
//     return 2                    # the export returns 2
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tirel
{

// A control named in a step: "#12575" by id, anything else by caption.
struct ControlRef
{
    int id = 0; // 0: by caption
    std::string caption;
};

struct Step
{
    int line = 0;                   // where it stands in the script, from 1
    std::string source;             // the line as written, for the session's printout
    std::string keyword;            // call, window, click ...
    std::vector<std::string> words; // what follows the keyword, quotes removed
};

struct ScriptError
{
    int line = 0;
    std::string message;
};

// Reads a script; on a mistake returns false with the line and what is wrong. Each step's
// keyword and number of words are checked here, so that a script never fails half-way through
// for a typing mistake.
bool ParseScript(std::string_view text, std::vector<Step>* steps, ScriptError* error);

// Splits a line into words: blanks separate, "double quotes" keep blanks (and \" is a quote
// inside them), '#' at the start of a word outside quotes starts a comment unless a digit
// follows (#12575 is a control id). Returns false for an unterminated quote.
bool SplitWords(std::string_view line, std::vector<std::string>* words);

ControlRef ParseControl(const std::string& word);

// A key as a step names it: "Enter", "Shift+Tab", "Alt+N", "F1", "a" ... Returns false for a
// name it does not know; modifiers are platform::automation::Modifiers bits.
bool ParseKey(std::string_view name, unsigned short* vk, unsigned* modifiers);

} // namespace tirel
