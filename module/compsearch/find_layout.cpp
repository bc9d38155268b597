// The layout arithmetic of the component Find (see find_layout.h).
#include "compsearch/find_layout.h"

#include <algorithm>

int CollapsedHeight(int nFullHeight)
{
    return static_cast<int>(nFullHeight * 0.51);
}

int CollapsedShift(int nWidth)
{
    return static_cast<int>(nWidth * 0.3);
}

LowerPlacement PlaceLowerControls(const FindLayout& recorded, CSize client, const CRect& rcGroupNow,
                                  const CRect& rcListNow)
{
    LowerPlacement placement;
    const int recordedWidth = recorded.rcClient.Width();
    const int recordedHeight = recorded.rcClient.Height();
    const int dx = std::max(0, client.cx - recordedWidth);
    const int dy = std::max(0, client.cy - recordedHeight);
    placement.bStatusBar = client.cy >= recordedHeight;
    placement.bMove = client.cx >= recordedWidth || client.cy >= recordedHeight;
    if (!placement.bMove)
        return placement;
    placement.rcGroup = CRect(rcGroupNow.left, rcGroupNow.top, recorded.rcGroup.right + dx,
                              recorded.rcGroup.bottom + dy);
    placement.rcList = CRect(rcListNow.left, rcListNow.top, recorded.rcList.right + dx,
                             recorded.rcList.bottom + dy);
    placement.rcAdd = recorded.rcAdd;
    placement.rcAdd.OffsetRect(dx / 2, dy);
    return placement;
}
