// The "Button" control: push buttons, check boxes, radio buttons, group boxes and owner-drawn
// buttons, with the mouse, keyboard and dialog behaviour of the Windows control.
//
// A press (left button or Space) takes the capture and pushes the button; the release over the
// button clicks it: automatic check boxes and radio buttons change their check first, then the
// parent gets BN_CLICKED. Clicking an automatic radio button unchecks the other automatic radio
// buttons of its group, the group being what GetNextDlgGroupItem walks in the parent.
//
// In the text renderer a push button is "[ Caption ]" across its width and the default push
// button "[[ Caption ]]", its outer brackets bold; a button three or more rows high is a box
// instead. A check box is "[x] Caption" ("[ ]" unchecked, "[-]" indeterminate), a radio button
// "(*) Caption" or "( ) Caption", a group box a frame with its caption in the top line. The focus
// rectangle covers a push button's whole row, or the caption of the other kinds.
//
// Does not do:
// - BS_ICON (this platform has no icons), BS_PUSHLIKE and BS_FLAT; BS_USERBUTTON and
//   BS_PUSHBOX draw as push buttons;
// - a pushed look: a pushed button draws as a released one (BM_GETSTATE still reports
//   BST_PUSHED, and owner-drawn buttons get ODS_SELECTED);
// - BN_HILITE, BN_UNHILITE, BN_PAINT and BN_DISABLE, which only BS_USERBUTTON sent;
// - keyboard cues (WM_UPDATEUISTATE): mnemonics are always underlined, the focus always drawn;
// - the later common-controls additions (BCM_* messages, split buttons, command links);
// - unchecking the group on BM_SETCHECK: only a click on an automatic radio button does that.

#include "controls/control_util.h"
#include "platform/canvas.h"
#include "user/window.h"

#include <algorithm>
#include <string>

using platform::Notify;
using platform::PointOf;
using platform::StyleOf;
using platform::TextOf;

namespace
{

using platform::Canvas;

struct ButtonData
{
    // BST_CHECKED or BST_INDETERMINATE, BST_PUSHED, BST_FOCUS.
    UINT state = 0;
    // A press by the mouse or the Space key is under way; its release clicks.
    bool tracking = false;
    HFONT font = nullptr;
    HANDLE image = nullptr;
};

constexpr int DataSlot = 0;
constexpr UINT CheckBits = BST_CHECKED | BST_INDETERMINATE;

ButtonData* DataOf(HWND hwnd)
{
    return reinterpret_cast<ButtonData*>(GetWindowLongPtrA(hwnd, DataSlot));
}

UINT TypeOf(HWND hwnd)
{
    return StyleOf(hwnd) & BS_TYPEMASK;
}

bool IsRadio(UINT type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsCheckBox(UINT type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}

// The highest check state each type can hold: push buttons and group boxes have none.
UINT MaxCheck(UINT type)
{
    if (type == BS_3STATE || type == BS_AUTO3STATE)
        return BST_INDETERMINATE;
    return IsCheckBox(type) || IsRadio(type) ? BST_CHECKED : BST_UNCHECKED;
}

// ---- Geometry in cells ----
//
// The renderer gives a control whole cells: as many as fit its pixels, at least one. Drawing is
// laid out in those cells so that brackets, boxes and captions land exactly on them.

struct Grid
{
    int columns = 0;
    int rows = 0;
};

Grid GridOf(HWND hwnd)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    auto count = [](LONG pixels, int cell) {
        return pixels <= 0 ? 0 : std::max(1, static_cast<int>(pixels) / cell);
    };
    return Grid{count(client.right, Canvas::CellWidth), count(client.bottom, Canvas::CellHeight)};
}

RECT Cells(int left, int top, int right, int bottom)
{
    return RECT{left * Canvas::CellWidth, top * Canvas::CellHeight, right * Canvas::CellWidth,
                bottom * Canvas::CellHeight};
}

UINT HorizontalFormat(DWORD style, UINT fallback)
{
    switch (style & BS_CENTER)
    {
    case BS_LEFT:
        return DT_LEFT;
    case BS_RIGHT:
        return DT_RIGHT;
    case BS_CENTER:
        return DT_CENTER;
    default:
        return fallback;
    }
}

// The row where a block of `lines` rows starts among `rows`, following BS_TOP, BS_BOTTOM or
// (by default) centred.
int VerticalStart(DWORD style, int rows, int lines)
{
    switch (style & BS_VCENTER)
    {
    case BS_TOP:
        return 0;
    case BS_BOTTOM:
        return std::max(0, rows - lines);
    default:
        return std::max(0, (rows - lines) / 2);
    }
}

// How many rows a caption takes in a width of `columns` cells.
int LineCount(HDC hdc, const std::string& text, int columns, UINT format)
{
    if (text.empty())
        return 1;
    RECT measure = Cells(0, 0, columns, 1);
    DrawTextA(hdc, text.c_str(), -1, &measure, format | DT_CALCRECT);
    return std::max(1, static_cast<int>(measure.bottom - measure.top) / Canvas::CellHeight);
}

// How many cells wide a caption is, clipped to `columns`.
int TextColumns(HDC hdc, const std::string& text, int columns, UINT format)
{
    RECT measure = Cells(0, 0, columns, 1);
    DrawTextA(hdc, text.c_str(), -1, &measure, format | DT_CALCRECT);
    return std::min(columns, static_cast<int>(measure.right - measure.left) / Canvas::CellWidth);
}

// ---- Painting ----

// Prepares the DC the way Windows does before a button draws: its font, and the colours the
// parent chooses through WM_CTLCOLORBTN (push buttons) or WM_CTLCOLORSTATIC (the others).
HBRUSH PrepareDC(HWND hwnd, HDC hdc, UINT colorMessage)
{
    if (ButtonData* data = DataOf(hwnd); data && data->font)
        SelectObject(hdc, data->font);
    HWND parent = GetParent(hwnd);
    auto brush = reinterpret_cast<HBRUSH>(parent ? SendMessageA(parent, colorMessage,
                                                                reinterpret_cast<WPARAM>(hdc),
                                                                reinterpret_cast<LPARAM>(hwnd))
                                                 : 0);
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(DefWindowProcA(
            hwnd, colorMessage, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
    if (!IsWindowEnabled(hwnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    return brush;
}

// A frame drawn with a two-pixel pen, which the character grid shows in bold: the dark outline
// that marks the default push button.
void DrawBoldFrame(HDC hdc, const RECT& rect)
{
    HPEN pen = CreatePen(PS_SOLID, 2, GetSysColor(COLOR_WINDOWFRAME));
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    Rectangle(hdc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

// Draws the button's bitmap centred in `face`, clipped to it. False when there is none to draw.
bool DrawImage(HWND hwnd, HDC hdc, const RECT& face)
{
    ButtonData* data = DataOf(hwnd);
    BITMAP bm{};
    if (!(StyleOf(hwnd) & BS_BITMAP) || !data || !data->image ||
        GetObjectA(data->image, sizeof bm, &bm) != static_cast<int>(sizeof bm))
        return false;
    HDC memory = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(memory, data->image);
    int saved = SaveDC(hdc);
    IntersectClipRect(hdc, face.left, face.top, face.right, face.bottom);
    int x = face.left + (face.right - face.left - bm.bmWidth) / 2;
    int y = face.top + (face.bottom - face.top - bm.bmHeight) / 2;
    BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, memory, 0, 0, SRCCOPY);
    RestoreDC(hdc, saved);
    SelectObject(memory, old);
    DeleteDC(memory);
    return true;
}

void PaintPushButton(HWND hwnd, HDC hdc, const ButtonData& data)
{
    Grid grid = GridOf(hwnd);
    if (grid.columns == 0 || grid.rows == 0)
        return;
    HBRUSH brush = PrepareDC(hwnd, hdc, WM_CTLCOLORBTN);
    RECT client = Cells(0, 0, grid.columns, grid.rows);
    FillRect(hdc, &client, brush);

    const DWORD style = StyleOf(hwnd);
    const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    RECT face;
    RECT focus;
    if (grid.rows >= 3)
    {
        // Tall buttons are boxes; the default one has a bold box and brackets on its middle row.
        int middle = (grid.rows - 1) / 2;
        if (isDefault)
        {
            DrawBoldFrame(hdc, client);
            RECT brackets = Cells(1, middle, grid.columns - 1, middle + 1);
            DrawEdge(hdc, &brackets, EDGE_RAISED, BF_RECT);
            face = Cells(2, 1, grid.columns - 2, grid.rows - 1);
        }
        else
        {
            DrawEdge(hdc, &client, EDGE_RAISED, BF_RECT);
            face = Cells(1, 1, grid.columns - 1, grid.rows - 1);
        }
        focus = Cells(1, 1, grid.columns - 1, grid.rows - 1);
    }
    else
    {
        // A button one or two rows high is a bracketed line on its middle row.
        int row = (grid.rows - 1) / 2;
        RECT line = Cells(0, row, grid.columns, row + 1);
        if (isDefault)
        {
            DrawBoldFrame(hdc, line);
            RECT inner = Cells(1, row, grid.columns - 1, row + 1);
            DrawEdge(hdc, &inner, EDGE_RAISED, BF_RECT);
            face = Cells(2, row, grid.columns - 2, row + 1);
        }
        else
        {
            DrawEdge(hdc, &line, EDGE_RAISED, BF_RECT);
            face = Cells(1, row, grid.columns - 1, row + 1);
        }
        focus = line;
    }

    if (!DrawImage(hwnd, hdc, face))
    {
        std::string text = TextOf(hwnd);
        UINT format = HorizontalFormat(style, DT_CENTER);
        int faceColumns = static_cast<int>(face.right - face.left) / Canvas::CellWidth;
        int faceRows = static_cast<int>(face.bottom - face.top) / Canvas::CellHeight;
        format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
        int lines = std::min(faceRows, LineCount(hdc, text, faceColumns, format));
        int top =
            static_cast<int>(face.top) / Canvas::CellHeight + VerticalStart(style, faceRows, lines);
        RECT textRect{face.left, top * Canvas::CellHeight, face.right,
                      (top + lines) * Canvas::CellHeight};
        DrawTextA(hdc, text.c_str(), -1, &textRect, format);
    }
    if (data.state & BST_FOCUS)
        DrawFocusRect(hdc, &focus);
}

void PaintCheckOrRadio(HWND hwnd, HDC hdc, const ButtonData& data)
{
    Grid grid = GridOf(hwnd);
    if (grid.columns == 0 || grid.rows == 0)
        return;
    HBRUSH brush = PrepareDC(hwnd, hdc, WM_CTLCOLORSTATIC);
    RECT client = Cells(0, 0, grid.columns, grid.rows);
    FillRect(hdc, &client, brush);

    const DWORD style = StyleOf(hwnd);
    const UINT check = data.state & CheckBits;
    const char* mark = IsRadio(style & BS_TYPEMASK) ? (check ? "(*)" : "( )")
                                                    : (check == BST_INDETERMINATE ? "[-]"
                                                       : check                    ? "[x]"
                                                                                  : "[ ]");
    constexpr int MarkColumns = 3;
    const bool leftText = (style & BS_LEFTTEXT) != 0;
    const int textLeft = leftText ? 0 : MarkColumns + 1;
    const int textRight = leftText ? grid.columns - MarkColumns - 1 : grid.columns;
    const int textColumns = std::max(0, textRight - textLeft);

    std::string text = TextOf(hwnd);
    const UINT align = HorizontalFormat(style, DT_LEFT);
    const UINT format = align | ((style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
    const int lines = std::min(grid.rows, LineCount(hdc, text, textColumns, format));
    const int top = VerticalStart(style, grid.rows, lines);

    const int markColumn = leftText ? grid.columns - MarkColumns : 0;
    const int markRow = top + (lines - 1) / 2;
    // The mark and the blank beside the caption are drawn opaque, so that a grey (disabled) mark
    // and caption read as one run of grey text.
    SetBkMode(hdc, OPAQUE);
    if (leftText)
        TextOutA(hdc, (markColumn - 1) * Canvas::CellWidth, markRow * Canvas::CellHeight, " ", 1);
    TextOutA(hdc, markColumn * Canvas::CellWidth, markRow * Canvas::CellHeight, mark, MarkColumns);
    if (!leftText)
        TextOutA(hdc, MarkColumns * Canvas::CellWidth, markRow * Canvas::CellHeight, " ", 1);
    SetBkMode(hdc, TRANSPARENT);

    bool image = DrawImage(hwnd, hdc, Cells(textLeft, 0, textRight, grid.rows));
    if (!image && textColumns > 0)
    {
        RECT textRect = Cells(textLeft, top, textRight, top + lines);
        DrawTextA(hdc, text.c_str(), -1, &textRect, format);
    }
    if (!(data.state & BST_FOCUS))
        return;
    RECT focus = Cells(markColumn, markRow, markColumn + MarkColumns, markRow + 1);
    if (!image && !text.empty() && textColumns > 0)
    {
        int width = TextColumns(hdc, text, textColumns, format);
        int left = textLeft;
        if (align == DT_CENTER)
            left += (textColumns - width) / 2;
        else if (align == DT_RIGHT)
            left = textRight - width;
        focus = Cells(left, top, left + width, top + lines);
    }
    DrawFocusRect(hdc, &focus);
}

void PaintGroupBox(HWND hwnd, HDC hdc)
{
    Grid grid = GridOf(hwnd);
    if (grid.columns == 0 || grid.rows == 0)
        return;
    // The inside is left alone: the controls in the group lie beneath the group box in the
    // z-order and are drawn before it.
    PrepareDC(hwnd, hdc, WM_CTLCOLORSTATIC);
    RECT frame = Cells(0, 0, grid.columns, grid.rows);
    DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
    std::string text = TextOf(hwnd);
    if (text.empty() || grid.columns < 4)
        return;
    // The caption interrupts the top line with a blank on either side: "+- Caption ---+".
    const DWORD style = StyleOf(hwnd);
    const UINT align = HorizontalFormat(style, DT_LEFT);
    RECT caption =
        align == DT_LEFT ? Cells(2, 0, grid.columns - 1, 1) : Cells(1, 0, grid.columns - 1, 1);
    if (align == DT_RIGHT)
        caption.right -= Canvas::CellWidth;
    std::string padded = " " + text + " ";
    SetBkMode(hdc, OPAQUE);
    DrawTextA(hdc, padded.c_str(), -1, &caption, align | DT_SINGLELINE);
}

void PaintOwnerDrawn(HWND hwnd, HDC hdc, UINT action)
{
    ButtonData* data = DataOf(hwnd);
    HWND parent = GetParent(hwnd);
    if (!data || !parent)
        return;
    int saved = SaveDC(hdc);
    if (data->font)
        SelectObject(hdc, data->font);
    // The parent may choose colours for the DC, as it may for the other kinds.
    SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc),
                 reinterpret_cast<LPARAM>(hwnd));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = action;
    item.itemState = ((data->state & BST_PUSHED) ? ODS_SELECTED : 0) |
                     ((data->state & BST_FOCUS) ? ODS_FOCUS : 0) |
                     (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
    item.hwndItem = hwnd;
    item.hDC = hdc;
    GetClientRect(hwnd, &item.rcItem);
    SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    RestoreDC(hdc, saved);
}

void Paint(HWND hwnd, HDC hdc, UINT action)
{
    ButtonData* data = DataOf(hwnd);
    if (!data || !hdc)
        return;
    const UINT type = TypeOf(hwnd);
    if (type == BS_OWNERDRAW)
    {
        PaintOwnerDrawn(hwnd, hdc, action);
        return;
    }
    int saved = SaveDC(hdc);
    if (type == BS_GROUPBOX)
        PaintGroupBox(hwnd, hdc);
    else if (IsCheckBox(type) || IsRadio(type))
        PaintCheckOrRadio(hwnd, hdc, *data);
    else
        PaintPushButton(hwnd, hdc, *data);
    RestoreDC(hdc, saved);
}

// Shows a change of state. Owner-drawn buttons draw at once, so that the parent hears of the
// change (ODA_SELECT, ODA_FOCUS) as it does on Windows; the others are drawn on demand.
void Redraw(HWND hwnd, UINT action)
{
    if (TypeOf(hwnd) == BS_OWNERDRAW && IsWindowVisible(hwnd))
    {
        HDC hdc = GetDC(hwnd);
        PaintOwnerDrawn(hwnd, hdc, action);
        ReleaseDC(hwnd, hdc);
        return;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

// ---- Clicks ----

// Checks this automatic radio button and unchecks the other automatic radio buttons of its group.
void CheckInGroup(HWND hwnd)
{
    SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    HWND parent = GetParent(hwnd);
    if (!parent || !(StyleOf(hwnd) & WS_CHILD))
        return;
    HWND item = hwnd;
    // The walk ends when it comes back round; the bound guards against a group that changes
    // under it.
    for (int steps = 0; steps < 10000; ++steps)
    {
        item = GetNextDlgGroupItem(parent, item, FALSE);
        if (!item || item == hwnd)
            break;
        if (SendMessageA(item, WM_GETDLGCODE, 0, 0) == (DLGC_BUTTON | DLGC_RADIOBUTTON) &&
            TypeOf(item) == BS_AUTORADIOBUTTON)
            SendMessageA(item, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

// What a click does to an automatic button before the parent hears of it.
void ToggleAutomatic(HWND hwnd)
{
    ButtonData* data = DataOf(hwnd);
    if (!data)
        return;
    const UINT check = data->state & CheckBits;
    switch (TypeOf(hwnd))
    {
    case BS_AUTOCHECKBOX:
        SendMessageA(hwnd, BM_SETCHECK, (check & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        // Unchecked, checked, indeterminate, and round again.
        SendMessageA(hwnd, BM_SETCHECK, check == BST_INDETERMINATE ? BST_UNCHECKED : check + 1, 0);
        break;
    case BS_AUTORADIOBUTTON:
        CheckInGroup(hwnd);
        break;
    }
}

void BeginPress(HWND hwnd)
{
    SetCapture(hwnd);
    SetFocus(hwnd);
    if (ButtonData* data = DataOf(hwnd))
        data->tracking = true;
    SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
}

// Ends a press: a release over the button (or of the Space key) clicks it.
void EndPress(HWND hwnd, bool byKey, POINT point)
{
    ButtonData* data = DataOf(hwnd);
    if (!data || !data->tracking)
        return;
    data->tracking = false;
    if (!(data->state & BST_PUSHED))
    {
        // The pointer left the button before the release: no click.
        ReleaseCapture();
        return;
    }
    SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
    RECT client{};
    GetClientRect(hwnd, &client);
    if (!byKey && !PtInRect(&client, point))
    {
        ReleaseCapture();
        return;
    }
    ToggleAutomatic(hwnd);
    ReleaseCapture();
    Notify(hwnd, BN_CLICKED);
}

// ---- Message handlers ----

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    SetWindowLongPtrA(hwnd, DataSlot, reinterpret_cast<LONG_PTR>(new ButtonData));
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

void OnNcDestroy(HWND hwnd)
{
    delete DataOf(hwnd);
    SetWindowLongPtrA(hwnd, DataSlot, 0);
}

LRESULT OnGetDlgCode(HWND hwnd)
{
    const UINT type = TypeOf(hwnd);
    if (type == BS_DEFPUSHBUTTON)
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (type == BS_PUSHBUTTON || type == BS_USERBUTTON || type == BS_PUSHBOX)
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (IsRadio(type))
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    if (type == BS_GROUPBOX)
        return DLGC_STATIC;
    return DLGC_BUTTON;
}

void OnButtonDown(HWND hwnd)
{
    if (TypeOf(hwnd) == BS_GROUPBOX || !IsWindowEnabled(hwnd))
        return;
    BeginPress(hwnd);
}

void OnDoubleClick(HWND hwnd)
{
    const UINT type = TypeOf(hwnd);
    // These notify the double click; the others take it as a second press.
    if ((StyleOf(hwnd) & BS_NOTIFY) || type == BS_RADIOBUTTON || type == BS_OWNERDRAW ||
        type == BS_USERBUTTON)
    {
        if (type != BS_GROUPBOX && IsWindowEnabled(hwnd))
            Notify(hwnd, BN_DOUBLECLICKED);
        return;
    }
    OnButtonDown(hwnd);
}

void OnMouseMove(HWND hwnd, WPARAM keys, POINT point)
{
    ButtonData* data = DataOf(hwnd);
    if (!data || !data->tracking || !(keys & MK_LBUTTON) || GetCapture() != hwnd)
        return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const bool inside = PtInRect(&client, point) != FALSE;
    if (inside != ((data->state & BST_PUSHED) != 0))
        SendMessageA(hwnd, BM_SETSTATE, inside, 0);
}

void OnKeyDown(HWND hwnd, WPARAM key)
{
    if (key != VK_SPACE || TypeOf(hwnd) == BS_GROUPBOX || !IsWindowEnabled(hwnd))
        return;
    SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
    if (ButtonData* data = DataOf(hwnd))
        data->tracking = true;
    SetCapture(hwnd);
}

void OnCaptureChanged(HWND hwnd)
{
    ButtonData* data = DataOf(hwnd);
    if (!data || !data->tracking)
        return;
    // Someone else took the capture in the middle of a press: it ends without a click.
    data->tracking = false;
    if (data->state & BST_PUSHED)
        SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
}

void OnSetFocus(HWND hwnd)
{
    ButtonData* data = DataOf(hwnd);
    if (!data)
        return;
    data->state |= BST_FOCUS;
    Redraw(hwnd, ODA_FOCUS);
    if (StyleOf(hwnd) & BS_NOTIFY)
        Notify(hwnd, BN_SETFOCUS);
}

void OnKillFocus(HWND hwnd)
{
    ButtonData* data = DataOf(hwnd);
    if (!data)
        return;
    data->state &= ~static_cast<UINT>(BST_FOCUS);
    Redraw(hwnd, ODA_FOCUS);
    if (DataOf(hwnd) && DataOf(hwnd)->tracking && GetCapture() == hwnd)
        ReleaseCapture();
    if (StyleOf(hwnd) & BS_NOTIFY)
        Notify(hwnd, BN_KILLFOCUS);
}

void OnEnable(HWND hwnd, bool enabled)
{
    ButtonData* data = DataOf(hwnd);
    if (!enabled && data && data->tracking && GetCapture() == hwnd)
        ReleaseCapture();
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT OnSetCheck(HWND hwnd, WPARAM check)
{
    const UINT type = TypeOf(hwnd);
    check = std::min<WPARAM>(check, MaxCheck(type));
    if (IsRadio(type))
    {
        // The checked radio button is the one Tab stops at in its group.
        const DWORD style = StyleOf(hwnd);
        const DWORD wanted =
            check ? (style | WS_TABSTOP) : (style & ~static_cast<DWORD>(WS_TABSTOP));
        if (wanted != style)
            SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(wanted));
    }
    ButtonData* data = DataOf(hwnd);
    if (data && (data->state & CheckBits) != check)
    {
        data->state = (data->state & ~CheckBits) | static_cast<UINT>(check);
        Redraw(hwnd, ODA_SELECT);
    }
    return 0;
}

LRESULT OnSetState(HWND hwnd, bool pushed)
{
    ButtonData* data = DataOf(hwnd);
    if (!data)
        return 0;
    const UINT before = data->state;
    data->state =
        pushed ? (data->state | BST_PUSHED) : (data->state & ~static_cast<UINT>(BST_PUSHED));
    if (data->state != before)
        Redraw(hwnd, ODA_SELECT);
    return 0;
}

LRESULT OnSetStyle(HWND hwnd, WPARAM style, bool redraw)
{
    const DWORD current = StyleOf(hwnd);
    const DWORD wanted = (current & ~static_cast<DWORD>(BS_TYPEMASK)) | (style & BS_TYPEMASK);
    if (wanted != current)
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(wanted));
    if (redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT OnClick(HWND hwnd)
{
    // A disabled button cannot be clicked, not even by a program.
    if (!IsWindowEnabled(hwnd))
        return 0;
    SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    return 0;
}

LRESULT OnSetImage(HWND hwnd, WPARAM type, LPARAM image)
{
    ButtonData* data = DataOf(hwnd);
    if (!data || (type != IMAGE_BITMAP && type != IMAGE_ICON))
        return 0;
    HANDLE old = data->image;
    data->image = reinterpret_cast<HANDLE>(image);
    InvalidateRect(hwnd, nullptr, FALSE);
    return reinterpret_cast<LRESULT>(old);
}

LRESULT OnGetImage(HWND hwnd, WPARAM type)
{
    ButtonData* data = DataOf(hwnd);
    if (!data || (type != IMAGE_BITMAP && type != IMAGE_ICON))
        return 0;
    return reinterpret_cast<LRESULT>(data->image);
}

LRESULT OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    Paint(hwnd, hdc, ODA_DRAWENTIRE);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT CALLBACK ButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_NCCREATE:
        return OnNcCreate(hwnd, wParam, lParam);
    case WM_NCDESTROY:
        OnNcDestroy(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        // Painting fills what needs filling; a group box must not cover its contents.
        return 1;
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_PRINTCLIENT:
        Paint(hwnd, reinterpret_cast<HDC>(wParam), ODA_DRAWENTIRE);
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode(hwnd);
    case WM_NCHITTEST:
        if (TypeOf(hwnd) == BS_GROUPBOX)
            return HTTRANSPARENT;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
        OnButtonDown(hwnd);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(hwnd);
        return 0;
    case WM_LBUTTONUP:
        EndPress(hwnd, false, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, wParam, PointOf(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(hwnd, wParam);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE)
            EndPress(hwnd, true, POINT{});
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(hwnd);
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(hwnd);
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(hwnd);
        return 0;
    case WM_ENABLE:
        OnEnable(hwnd, wParam != 0);
        return 0;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_SETFONT:
        if (ButtonData* data = DataOf(hwnd))
            data->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: {
        ButtonData* data = DataOf(hwnd);
        return data ? reinterpret_cast<LRESULT>(data->font) : 0;
    }
    case WM_STYLECHANGED:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case BM_GETCHECK: {
        ButtonData* data = DataOf(hwnd);
        return data ? static_cast<LRESULT>(data->state & CheckBits) : 0;
    }
    case BM_SETCHECK:
        return OnSetCheck(hwnd, wParam);
    case BM_GETSTATE: {
        ButtonData* data = DataOf(hwnd);
        return data ? static_cast<LRESULT>(data->state) : 0;
    }
    case BM_SETSTATE:
        return OnSetState(hwnd, wParam != 0);
    case BM_SETSTYLE:
        return OnSetStyle(hwnd, wParam, LOWORD(lParam) != 0);
    case BM_CLICK:
        return OnClick(hwnd);
    case BM_SETIMAGE:
        return OnSetImage(hwnd, wParam, lParam);
    case BM_GETIMAGE:
        return OnGetImage(hwnd, wParam);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

platform::SystemClass buttonClass({"Button", CS_DBLCLKS | CS_PARENTDC, ButtonWndProc,
                                   static_cast<int>(sizeof(ButtonData*)), IDC_ARROW, -1});

} // namespace
