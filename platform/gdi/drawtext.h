// DrawTextA's layout: lines, prefixes, tabs, word breaks and ellipses, in characters.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace platform::gdi
{

struct TextLine
{
    std::string text;
    // The character that a '&' prefix marks, or -1.
    int underline = -1;
};

// Splits text into the lines that DrawTextA shows for format in a rectangle widthChars
// characters wide (only word breaks and ellipses look at the width).
std::vector<TextLine> LayoutText(std::string_view text, int widthChars, UINT format);

} // namespace platform::gdi
