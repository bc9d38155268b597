// The arithmetic and text rules of the module's message boxes, kept apart from the dialogs so
// that they can be checked without a window: how many lines a message counts, how far the box
// grows for them, how wide the gaps of the button row are, which captions make help buttons and
// what a help reference names.
//
// It does NOT:
// - measure text: a line is taken to hold 68 characters whatever they are, and the control's
//   own word wrapping is not consulted;
// - check that the file a help reference names exists (the help viewer is given it anyway).
#pragma once

#include <afxwin.h>

namespace quarnel
{

// How many characters of a message are taken to fill one line of the message area.
inline constexpr int kMessageLineChars = 68;

// The number of lines a message counts: one, plus one per newline (character 10), plus, for
// every newline-separated segment longer than a line, its length divided by 68.
int CountMessageLines(const char* message);

// How many pixels the message area grows for a message of nLines lines, when the area shows
// three lines in nAreaHeight pixels: one line height per line beyond the second.
int MessageGrowth(int nLines, int nAreaHeight);

// The gap between buttons, and before the first, when nButtons buttons of nButtonWidth pixels
// share a row of nRowWidth pixels with nButtons + 1 equal gaps (integer division).
int ButtonGap(int nRowWidth, int nButtons, int nButtonWidth);

// Whether a caption names a help button: with every '&' and blank removed it is "Help",
// whatever the case.
bool IsHelpCaption(const char* caption);

// A help reference "file#topic" taken apart.
struct HelpReference
{
    CString file;
    int topic = 0;
};

// Splits a reference at its first '#': the file is the text before it, the topic the decimal
// number after it (leading white space and a sign allowed, reading stops at the first
// non-digit, 0 without digits, the int range's end for a number beyond it). False, and
// nothing stored, when the reference holds no '#'.
bool ParseHelpReference(const char* reference, HelpReference* parsed);

} // namespace quarnel
