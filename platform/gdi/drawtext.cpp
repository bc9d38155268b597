// DrawTextA.
//
// Does not do: DT_MODIFYSTRING (the caller's string is never changed), DT_RTLREADING,
// DT_HIDEPREFIX and DT_PREFIXONLY, or DT_EXTERNALLEADING (fonts here have no leading).
// A word wider than the rectangle stays whole on its own line, as Windows leaves it, unless
// DT_EDITCONTROL asks for it to be broken.

#include "gdi/drawtext.h"
#include "gdi/text.h"

#include <algorithm>
#include <cstring>

namespace platform::gdi
{
namespace
{

// DT_TABSTOP reuses the high byte of the low word for the tab size, so those bits are not
// flags then.
UINT FlagsOf(UINT format)
{
    return (format & DT_TABSTOP) ? (format & ~0xFF00u) : format;
}

std::vector<std::string> SplitParagraphs(std::string_view text, bool singleLine)
{
    std::vector<std::string> paragraphs(1);
    for (size_t i = 0; i < text.size(); ++i)
    {
        char ch = text[i];
        if (ch != '\r' && ch != '\n')
        {
            paragraphs.back().push_back(ch);
            continue;
        }
        if (singleLine)
        {
            paragraphs.back().push_back(' ');
            continue;
        }
        // CR LF, LF CR, CR and LF each end one line.
        if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') &&
            text[i + 1] != ch)
            ++i;
        paragraphs.emplace_back();
    }
    return paragraphs;
}

std::string ExpandTabs(const std::string& text, int tabSize)
{
    std::string out;
    for (char ch : text)
    {
        if (ch != '\t')
        {
            out.push_back(ch);
            continue;
        }
        do
            out.push_back(' ');
        while (out.size() % static_cast<size_t>(tabSize) != 0);
    }
    return out;
}

// Removes '&' prefixes: "&&" shows one '&', "&x" underlines x, a trailing '&' shows nothing.
TextLine StripPrefixes(const std::string& text)
{
    TextLine line;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '&')
        {
            line.text.push_back(text[i]);
            continue;
        }
        if (i + 1 >= text.size())
            break;
        ++i;
        if (text[i] != '&')
            line.underline = static_cast<int>(line.text.size());
        line.text.push_back(text[i]);
    }
    return line;
}

TextLine Slice(const TextLine& line, size_t begin, size_t end)
{
    TextLine part;
    part.text = line.text.substr(begin, end - begin);
    if (line.underline >= static_cast<int>(begin) && line.underline < static_cast<int>(end))
        part.underline = line.underline - static_cast<int>(begin);
    return part;
}

void WrapLine(const TextLine& line, int width, bool breakWords, std::vector<TextLine>& out)
{
    const std::string& s = line.text;
    size_t start = 0;
    size_t limit = static_cast<size_t>(std::max(width, 1));
    while (true)
    {
        if (s.size() - start <= limit)
        {
            out.push_back(Slice(line, start, s.size()));
            return;
        }
        // Break after the last blank that lets the line fit; blanks at the break vanish.
        size_t cut = std::string::npos;
        for (size_t i = start + limit; i > start; --i)
        {
            if (s[i] == ' ')
            {
                cut = i;
                break;
            }
        }
        size_t next;
        if (cut != std::string::npos)
        {
            next = cut;
        }
        else if (breakWords)
        {
            cut = start + limit;
            next = cut;
        }
        else
        {
            cut = s.find(' ', start + limit);
            if (cut == std::string::npos)
            {
                out.push_back(Slice(line, start, s.size()));
                return;
            }
            next = cut;
        }
        size_t end = cut;
        while (end > start && s[end - 1] == ' ')
            --end;
        out.push_back(Slice(line, start, end));
        while (next < s.size() && s[next] == ' ')
            ++next;
        if (next >= s.size())
            return;
        start = next;
    }
}

void EndEllipsis(TextLine& line, int width, bool atWord)
{
    if (static_cast<int>(line.text.size()) <= width)
        return;
    int keep = std::max(width - 3, 0);
    if (atWord)
    {
        size_t blank = line.text.rfind(' ', static_cast<size_t>(keep));
        if (blank != std::string::npos && blank > 0)
            keep = static_cast<int>(blank);
    }
    line.text = line.text.substr(0, static_cast<size_t>(keep)) + "...";
    if (line.underline >= keep)
        line.underline = -1;
}

// Keeps the last path component and as much of the start as fits: "C:\a\...\file.txt".
void PathEllipsis(TextLine& line, int width)
{
    if (static_cast<int>(line.text.size()) <= width)
        return;
    size_t slash = line.text.find_last_of("\\/");
    if (slash == std::string::npos)
    {
        EndEllipsis(line, width, false);
        return;
    }
    std::string tail = line.text.substr(slash);
    int head = width - 3 - static_cast<int>(tail.size());
    if (head < 0)
    {
        EndEllipsis(line, width, false);
        return;
    }
    line.text = line.text.substr(0, static_cast<size_t>(head)) + "..." + tail;
    line.underline = line.underline < head ? line.underline : -1;
}

} // namespace

std::vector<TextLine> LayoutText(std::string_view text, int widthChars, UINT format)
{
    int tabSize = (format & DT_TABSTOP) ? std::max<int>((format >> 8) & 0xFF, 1) : 8;
    format = FlagsOf(format);
    bool singleLine = format & DT_SINGLELINE;
    std::vector<TextLine> lines;
    for (const std::string& paragraph : SplitParagraphs(text, singleLine))
    {
        std::string expanded = paragraph;
        if (format & DT_EXPANDTABS)
            expanded = ExpandTabs(paragraph, tabSize);
        TextLine line = (format & DT_NOPREFIX) ? TextLine{expanded, -1} : StripPrefixes(expanded);
        if ((format & DT_WORDBREAK) && !singleLine)
            WrapLine(line, widthChars, format & DT_EDITCONTROL, lines);
        else
            lines.push_back(line);
    }
    for (TextLine& line : lines)
    {
        if (format & DT_PATH_ELLIPSIS)
            PathEllipsis(line, widthChars);
        else if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))
            EndEllipsis(line, widthChars, format & DT_WORD_ELLIPSIS);
    }
    return lines;
}

} // namespace platform::gdi

using namespace platform;
using namespace platform::gdi;

int WINAPI DrawTextA(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect)
        return 0;
    if (!text)
        count = 0;
    else if (count < 0)
        count = static_cast<int>(std::strlen(text));
    UINT flags = FlagsOf(format);
    if (count == 0)
    {
        if (flags & DT_CALCRECT)
        {
            rect->right = rect->left;
            rect->bottom = rect->top;
        }
        return 0;
    }
    int width = std::max<int>(rect->right - rect->left, 0);
    std::vector<TextLine> lines =
        LayoutText(std::string_view(text, static_cast<size_t>(count)), width / CharWidth, format);
    int widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, static_cast<int>(line.text.size()) * CharWidth);
    int height = static_cast<int>(lines.size()) * LineHeight;
    if (flags & DT_CALCRECT)
    {
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }

    int y = rect->top;
    bool singleLine = flags & DT_SINGLELINE;
    if (singleLine && (flags & DT_VCENTER))
        y = rect->top + (rect->bottom - rect->top - LineHeight) / 2;
    else if (singleLine && (flags & DT_BOTTOM))
        y = rect->bottom - LineHeight;

    std::optional<CellRect> savedClip = dc->state.clip;
    if (!(flags & DT_NOCLIP))
    {
        POINT a = ToDevice(*dc, rect->left, rect->top);
        POINT b = ToDevice(*dc, rect->right, rect->bottom);
        CellRect cells = CellsOf(RECT{a.x, a.y, b.x, b.y});
        dc->state.clip = dc->state.clip ? dc->state.clip->Intersect(cells) : cells;
    }
    int lineY = y;
    for (const TextLine& line : lines)
    {
        int lineWidth = static_cast<int>(line.text.size()) * CharWidth;
        int x = rect->left;
        if (flags & DT_CENTER)
            x = rect->left + (width - lineWidth) / 2;
        else if (flags & DT_RIGHT)
            x = rect->right - lineWidth;
        DrawGlyphs(*dc, ToDevice(*dc, x, lineY), line.text, line.underline);
        lineY += LineHeight;
    }
    dc->state.clip = savedClip;
    // With vertical placement Windows reports where the text ends, measured from the top.
    if (singleLine && (flags & (DT_VCENTER | DT_BOTTOM)))
        return y + LineHeight - rect->top;
    return height;
}
