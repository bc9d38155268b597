// CWnd::ExecuteDlgInit: the initial items of a dialog's list and combo boxes, from the dialog
// initialisation resource (type 240, RT_DLGINIT) that resource editors write next to a dialog
// template of the same name.
//
// The block is a run of records: WORD control id, WORD message, DWORD length, then that many
// bytes of a zero-terminated string; a zero control id ends it. The messages are written in
// the 16-bit numbering (0x0401 LB_ADDSTRING, 0x0403 CB_ADDSTRING) and become the Win32 ones;
// records already in the Win32 numbering are accepted too.
//
// Every record is checked against the resource's size before it is read: a record that runs
// past the end, has no length or lacks its terminating zero stops the loading there, and what
// came before it stays.
//
// Does NOT do: ComboBoxEx items (CBEM_INSERTITEM records) or OLE control data; such records are
// skipped.
#include <afxwin.h>

#include <cstddef>
#include <cstring>

namespace
{

// Sent to the children once the items are in, as MFC does for its views.
constexpr UINT kInitialUpdate = 0x0364;

constexpr WORD kWin16ListAddString = 0x0401;
constexpr WORD kWin16ComboAddString = 0x0403;
constexpr std::size_t kRecordHeader = 8;

UINT Win32Message(WORD message)
{
    switch (message)
    {
    case kWin16ListAddString:
    case LB_ADDSTRING:
        return LB_ADDSTRING;
    case kWin16ComboAddString:
    case CB_ADDSTRING:
        return CB_ADDSTRING;
    }
    return 0;
}

// Sends the records of a block of at most `size` bytes; FALSE when a control refused one.
BOOL SendRecords(HWND dialog, const unsigned char* data, std::size_t size)
{
    std::size_t offset = 0;
    while (size - offset >= sizeof(WORD))
    {
        WORD id;
        std::memcpy(&id, data + offset, sizeof id);
        if (id == 0 || size - offset < kRecordHeader)
            break;
        WORD message;
        DWORD length;
        std::memcpy(&message, data + offset + 2, sizeof message);
        std::memcpy(&length, data + offset + 4, sizeof length);
        const std::size_t text = offset + kRecordHeader;
        if (length == 0 || length > size - text || data[text + length - 1] != '\0')
        {
            TRACE("CWnd::ExecuteDlgInit: a damaged record for control %u ends the loading\n", id);
            break;
        }
        const UINT sent = Win32Message(message);
        if (sent != 0 &&
            ::SendDlgItemMessageA(dialog, id, sent, 0, reinterpret_cast<LPARAM>(data + text)) < 0)
            return FALSE;
        offset = text + length;
    }
    return TRUE;
}

} // namespace

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    BOOL success = TRUE;
    if (lpszResourceName != nullptr)
    {
        HINSTANCE instance = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
        HRSRC resource = ::FindResourceA(instance, lpszResourceName, RT_DLGINIT);
        if (resource != nullptr)
        {
            const auto* data = static_cast<const unsigned char*>(
                ::LockResource(::LoadResource(instance, resource)));
            if (data != nullptr)
                success = SendRecords(m_hWnd, data, ::SizeofResource(instance, resource));
        }
    }
    if (success)
        SendMessageToDescendants(kInitialUpdate, 0, 0, FALSE, FALSE);
    return success;
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    // A block in memory has no size to go by: its terminating record ends it.
    BOOL success = TRUE;
    if (lpResource != nullptr)
        success = SendRecords(m_hWnd, static_cast<const unsigned char*>(lpResource),
                              static_cast<std::size_t>(-1) / 2);
    if (success)
        SendMessageToDescendants(kInitialUpdate, 0, 0, FALSE, FALSE);
    return success;
}
