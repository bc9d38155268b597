// The layout arithmetic of the component Find: collapsing to the criteria part, and where the
// lower controls go when the user resizes the dialog. Plain functions on rectangles, so that
// the dialog only measures and moves.
#pragma once

#include <afxwin.h>

// The collapsed dialog: the part of the template's window height it keeps (51 %, truncated),
// and how far it moves right (30 % of its width, truncated).
int CollapsedHeight(int nFullHeight);
int CollapsedShift(int nWidth);

// What the dialog records once, as the template laid it out (client coordinates).
struct FindLayout
{
    CRect rcClient;
    CRect rcGroup;
    CRect rcList;
    CRect rcAdd;
};

// Where the lower controls go for a new client size.
struct LowerPlacement
{
    // The status bar moves to the bottom: the client area is at least as high as recorded.
    bool bStatusBar = false;
    // The group box, the list and "Add" move: the client area is at least as wide or as high as
    // recorded. When it is smaller both ways nothing moves.
    bool bMove = false;
    CRect rcGroup;
    CRect rcList;
    CRect rcAdd;
};

// The group box and the list keep their current left and top and grow by how much the client
// area exceeds the recorded one; "Add" keeps its recorded place, moved right by half the
// growth in width and down by the growth in height.
LowerPlacement PlaceLowerControls(const FindLayout& recorded, CSize client, const CRect& rcGroupNow,
                                  const CRect& rcListNow);
