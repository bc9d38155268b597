// SnapshotText's markers, on hand-made canvases.

#include "platform/render.h"

#include <gtest/gtest.h>

using namespace platform;

namespace
{

Canvas Row(const char* text, std::uint16_t attributes, int from, int to)
{
    Canvas canvas(static_cast<int>(strlen(text)), 1);
    for (int i = 0; text[i]; ++i)
        canvas.Set(i, 0,
                   Cell{text[i], static_cast<std::uint16_t>(i >= from && i < to ? attributes : 0)});
    return canvas;
}

} // namespace

TEST(SnapshotText, DisabledAndSelectedRunsAreTrimmedThenMarkedOutside)
{
    EXPECT_EQ(SnapshotText(Row("[  Back  ]", CellDisabled, 1, 9)), "[ ~Back~ ]\n");
    EXPECT_EQ(SnapshotText(Row("|item 2    |", CellSelected, 1, 11)), "*item 2*   |\n");
    // Blank runs have nothing to show.
    EXPECT_EQ(SnapshotText(Row("[      ]", CellSelected, 1, 7)), "[      ]\n");
}

TEST(SnapshotText, FocusMarksTheWholeRectangle)
{
    EXPECT_EQ(SnapshotText(Row("[  OK  ]", CellFocus, 1, 7)), ">  OK  <\n");
    // At the canvas edge the marker has nowhere to go and is left out.
    EXPECT_EQ(SnapshotText(Row("OK", CellFocus, 0, 2)), "OK\n");
}

TEST(SnapshotText, FocusWinsWhereMarkersMeet)
{
    Canvas canvas = Row("|item  |", CellSelected, 1, 7);
    for (int i = 1; i < 7; ++i)
        canvas.Set(i, 0, Cell{canvas.At(i, 0).ch, CellSelected | CellFocus});
    EXPECT_EQ(SnapshotText(canvas), ">item* <\n");
}

TEST(SnapshotText, TrailingBlanksAreRemovedAfterMarking)
{
    Canvas canvas = Row("ab      ", CellDisabled, 0, 2);
    EXPECT_EQ(SnapshotText(canvas), "ab~\n");
}
