// The Reg* functions over the in-memory registry (registry_store.cpp).
//
// Results follow Windows NT: ERROR_FILE_NOT_FOUND for a missing key or value, ERROR_MORE_DATA
// with the needed size for a short buffer (the buffer is then left alone), ERROR_BAD_PATHNAME
// for a path that starts with a backslash, ERROR_ACCESS_DENIED for deleting a key that still has
// subkeys and for reading or writing values through a handle opened without KEY_QUERY_VALUE or
// KEY_SET_VALUE, ERROR_KEY_DELETED for a handle whose key was deleted.
//
// Strings are stored exactly as given, so the stored size of a REG_SZ value counts its
// terminating zero when the caller passed it (as the documentation asks). Reading a string value
// whose stored data lacks the zero appends one when the buffer has room, without counting it.
//
// Does not do:
// - Add the terminating zero to a string value set without it. Windows NT does so when the byte
//   just past the given data happens to be zero; that means reading past the caller's buffer,
//   which this registry never does.
// - Key classes (RegCreateKeyExA's lpClass is ignored; RegEnumKeyExA reports an empty class),
//   security attributes, RegQueryInfoKeyA, notifications, RegSaveKeyA/RegLoadKeyA, the
//   pre-Win32 RegOpenKeyA/RegCreateKeyA/RegQueryValueA/RegSetValueA, the W functions.
// - Expansion of REG_EXPAND_SZ values (RegQueryValueExA never expands on Windows either).
// - Access checks for creating, enumerating or deleting keys: Windows ignores the parent
//   handle's rights for RegCreateKeyExA, and the rest are not checked here.

#include "com/registry_store.h"

#include <cstring>

using platform::registry::Key;
using platform::registry::OpenKey;
using platform::registry::RegistryStore;
using platform::registry::Value;

namespace
{

bool IsStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Copies a value's data into a caller's buffer of `capacity` bytes that is known to be large
// enough, adding the terminating zero that a string value may lack when there is room for it.
void CopyData(const Value& value, LPBYTE data, DWORD capacity)
{
    if (!value.data.empty())
        std::memcpy(data, value.data.data(), value.data.size());
    if (IsStringType(value.type) && capacity > value.data.size() &&
        (value.data.empty() || value.data.back() != 0))
        data[value.data.size()] = 0;
}

// Returns the value's data the way RegQueryValueExA and RegEnumValueA both do: the size always,
// the data when a buffer is given and large enough.
LONG ReturnData(const Value& value, LPDWORD type, LPBYTE data, LPDWORD size)
{
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    auto needed = static_cast<DWORD>(value.data.size());
    if (type)
        *type = value.type;
    if (data)
    {
        if (*size < needed)
        {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        CopyData(value, data, *size);
    }
    if (size)
        *size = needed;
    return ERROR_SUCCESS;
}

} // namespace

LSTATUS APIENTRY RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                               PHKEY phkResult)
{
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    OpenKey from;
    if (LONG error = store.Resolve(hKey, from))
        return error;
    *phkResult = nullptr;
    std::shared_ptr<Key> key;
    if (LONG error = store.Walk(from.key, lpSubKey, false, key))
        return error;
    *phkResult = store.AddHandle(std::move(key), samDesired);
    return ERROR_SUCCESS;
}

LSTATUS APIENTRY RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass,
                                 DWORD dwOptions, REGSAM samDesired,
                                 const LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                                 LPDWORD lpdwDisposition)
{
    if (!phkResult || !lpSubKey)
        return ERROR_INVALID_PARAMETER;
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    OpenKey from;
    if (LONG error = store.Resolve(hKey, from))
        return error;
    std::shared_ptr<Key> key;
    bool created = false;
    if (LONG error = store.Walk(from.key, lpSubKey, true, key, &created))
        return error;
    *phkResult = store.AddHandle(std::move(key), samDesired);
    if (lpdwDisposition)
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LSTATUS APIENTRY RegCloseKey(HKEY hKey)
{
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    return store.CloseHandle(hKey);
}

LSTATUS APIENTRY RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey)
{
    if (!lpSubKey)
        return ERROR_INVALID_PARAMETER;
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    OpenKey from;
    if (LONG error = store.Resolve(hKey, from))
        return error;
    std::shared_ptr<Key> key;
    if (LONG error = store.Walk(from.key, lpSubKey, false, key))
        return error;
    return store.Remove(key);
}

LSTATUS APIENTRY RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                                  LPBYTE lpData, LPDWORD lpcbData)
{
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    OpenKey open;
    if (LONG error = store.Resolve(hKey, KEY_QUERY_VALUE, open))
        return error;
    const Value* value = open.key->FindValue(lpValueName);
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    return ReturnData(*value, lpType, lpData, lpcbData);
}

LSTATUS APIENTRY RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType,
                                const BYTE* lpData, DWORD cbData)
{
    if (!lpData && cbData)
        return ERROR_NOACCESS;
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    OpenKey open;
    if (LONG error = store.Resolve(hKey, KEY_SET_VALUE, open))
        return error;
    Value* value = open.key->FindValue(lpValueName);
    if (!value)
    {
        open.key->values.push_back(Value{lpValueName ? lpValueName : "", dwType, {}});
        value = &open.key->values.back();
    }
    value->type = dwType;
    value->data.assign(lpData, lpData + cbData);
    open.key->Touch();
    return ERROR_SUCCESS;
}

LSTATUS APIENTRY RegDeleteValueA(HKEY hKey, LPCSTR lpValueName)
{
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    OpenKey open;
    if (LONG error = store.Resolve(hKey, KEY_SET_VALUE, open))
        return error;
    Value* value = open.key->FindValue(lpValueName);
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    open.key->values.erase(open.key->values.begin() + (value - open.key->values.data()));
    open.key->Touch();
    return ERROR_SUCCESS;
}

LSTATUS APIENTRY RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName,
                               LPDWORD lpReserved, LPSTR lpClass, LPDWORD lpcchClass,
                               PFILETIME lpftLastWriteTime)
{
    if (!lpName || !lpcchName || lpReserved)
        return ERROR_INVALID_PARAMETER;
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    OpenKey open;
    if (LONG error = store.Resolve(hKey, KEY_ENUMERATE_SUB_KEYS, open))
        return error;
    if (dwIndex >= open.key->subkeys.size())
        return ERROR_NO_MORE_ITEMS;
    auto it = open.key->subkeys.begin();
    std::advance(it, dwIndex);
    const Key& sub = *it->second;
    if (sub.name.size() + 1 > *lpcchName)
        return ERROR_MORE_DATA;
    std::memcpy(lpName, sub.name.c_str(), sub.name.size() + 1);
    *lpcchName = static_cast<DWORD>(sub.name.size());
    if (lpClass && lpcchClass && *lpcchClass > 0)
        lpClass[0] = '\0';
    if (lpcchClass)
        *lpcchClass = 0;
    if (lpftLastWriteTime)
        *lpftLastWriteTime = sub.lastWrite;
    return ERROR_SUCCESS;
}

LSTATUS APIENTRY RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                               LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    if (!lpValueName || !lpcchValueName || lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    auto& store = RegistryStore::Instance();
    std::lock_guard lock(store.Lock());
    OpenKey open;
    if (LONG error = store.Resolve(hKey, KEY_QUERY_VALUE, open))
        return error;
    if (dwIndex >= open.key->values.size())
        return ERROR_NO_MORE_ITEMS;
    const Value& value = open.key->values[dwIndex];
    auto needed = static_cast<DWORD>(value.data.size());
    // A short name buffer or a short data buffer fails the whole call before anything is
    // written; the data size is reported either way, the name length is not.
    bool nameFits = value.name.size() + 1 <= *lpcchValueName;
    bool dataFits = !lpData || *lpcbData >= needed;
    if (!nameFits || !dataFits)
    {
        if (lpType)
            *lpType = value.type;
        if (lpcbData)
            *lpcbData = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(lpValueName, value.name.c_str(), value.name.size() + 1);
    *lpcchValueName = static_cast<DWORD>(value.name.size());
    return ReturnData(value, lpType, lpData, lpcbData);
}
