// DrawTextA: layout (prefixes, tabs, word breaks, ellipses) and placement in the rectangle.

#include "gdi/drawtext.h"
#include "gdi_test_util.h"

#include <gtest/gtest.h>

#include <vector>

using platform::gdi::LayoutText;

namespace
{

std::vector<std::string> Lines(const char* text, int width, UINT format)
{
    std::vector<std::string> out;
    for (const auto& line : LayoutText(text, width, format))
        out.push_back(line.text);
    return out;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(DrawTextLayout, PrefixesAreRemovedAndMarkTheirCharacter)
{
    auto lines = LayoutText("&File && E&xit&", 80, 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "File & Exit");
    // The last '&' wins, like the mnemonic Windows underlines.
    EXPECT_EQ(lines[0].underline, 8);
    auto raw = LayoutText("&File", 80, DT_NOPREFIX);
    EXPECT_EQ(raw[0].text, "&File");
    EXPECT_EQ(raw[0].underline, -1);
}

TEST(DrawTextLayout, LineBreaksSplitUnlessSingleLine)
{
    EXPECT_EQ(Lines("one\r\ntwo\nthree\rfour", 80, 0), (Strings{"one", "two", "three", "four"}));
    EXPECT_EQ(Lines("a\r\n\r\nb", 80, 0), (Strings{"a", "", "b"}));
    EXPECT_EQ(Lines("one\ntwo", 80, DT_SINGLELINE), (Strings{"one two"}));
}

TEST(DrawTextLayout, WordBreakWrapsAtBlanks)
{
    EXPECT_EQ(Lines("The quick brown fox", 10, DT_WORDBREAK), (Strings{"The quick", "brown fox"}));
    // Exactly fitting words stay on the line; blanks at the break vanish.
    EXPECT_EQ(Lines("abcde   fghij", 5, DT_WORDBREAK), (Strings{"abcde", "fghij"}));
    // A word wider than the line is not broken, unless the edit control asks for it.
    EXPECT_EQ(Lines("a verylongword b", 5, DT_WORDBREAK), (Strings{"a", "verylongword", "b"}));
    EXPECT_EQ(Lines("verylongword", 5, DT_WORDBREAK | DT_EDITCONTROL),
              (Strings{"veryl", "ongwo", "rd"}));
    // Single line wins over word breaks.
    EXPECT_EQ(Lines("The quick brown fox", 10, DT_WORDBREAK | DT_SINGLELINE),
              (Strings{"The quick brown fox"}));
}

TEST(DrawTextLayout, TabsExpandToEveryEighthColumn)
{
    EXPECT_EQ(Lines("a\tb\t\tc", 80, DT_EXPANDTABS), (Strings{"a       b               c"}));
    // DT_TABSTOP takes the tab size from the format's second byte.
    EXPECT_EQ(Lines("a\tb", 80, DT_EXPANDTABS | DT_TABSTOP | (4 << 8)), (Strings{"a   b"}));
}

TEST(DrawTextLayout, Ellipses)
{
    EXPECT_EQ(Lines("Temperature", 8, DT_END_ELLIPSIS), (Strings{"Tempe..."}));
    EXPECT_EQ(Lines("Short", 8, DT_END_ELLIPSIS), (Strings{"Short"}));
    EXPECT_EQ(Lines("C:\\data\\banks\\water.dat", 18, DT_PATH_ELLIPSIS),
              (Strings{"C:\\da...\\water.dat"}));
    // When even the file name does not fit, the end is cut instead.
    EXPECT_EQ(Lines("C:\\x\\averyverylongname.dat", 10, DT_PATH_ELLIPSIS),
              (Strings{"C:\\x\\av..."}));
    EXPECT_EQ(Lines("one two three", 11, DT_WORD_ELLIPSIS), (Strings{"one two..."}));
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing)
{
    CanvasDC dc;
    RECT rect{6, 13, 66, 13};
    int height = DrawTextA(dc.hdc, "The quick brown fox", -1, &rect, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(height, 26);
    EXPECT_EQ(rect.right, 6 + 9 * 6);
    EXPECT_EQ(rect.bottom, 13 + 26);
    EXPECT_EQ(dc.Text(), "\n\n\n\n");
    RECT empty{0, 0, 50, 50};
    EXPECT_EQ(DrawTextA(dc.hdc, "", -1, &empty, DT_CALCRECT), 0);
    EXPECT_EQ(empty.right, 0);
    EXPECT_EQ(empty.bottom, 0);
}

TEST(DrawText, AlignsHorizontallyAndVertically)
{
    CanvasDC dc(12, 5);
    RECT rect{0, 0, 72, 65};
    DrawTextA(dc.hdc, "left", -1, &rect, DT_SINGLELINE);
    DrawTextA(dc.hdc, "mid", -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    int bottom = DrawTextA(dc.hdc, "&right", -1, &rect, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    EXPECT_EQ(dc.Text(), "left\n\n    mid\n\n       right\n");
    // With vertical placement the result is where the text ends, from the top.
    EXPECT_EQ(bottom, 65);
    EXPECT_EQ(dc.Attributes(7, 4), platform::CellUnderline);
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip)
{
    CanvasDC dc(12, 2);
    RECT rect{0, 0, 24, 13};
    DrawTextA(dc.hdc, "clipped", -1, &rect, DT_SINGLELINE);
    rect.top = rect.bottom = 13;
    DrawTextA(dc.hdc, "overflow", -1, &rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(dc.Text(), "clip\noverflow\n");
}

TEST(DrawText, ReturnsTheHeightOfAllLines)
{
    CanvasDC dc(12, 5);
    RECT rect{0, 0, 72, 65};
    EXPECT_EQ(DrawTextA(dc.hdc, "a\nb\nc", -1, &rect, 0), 39);
    EXPECT_EQ(dc.Text(), "a\nb\nc\n\n\n");
}
