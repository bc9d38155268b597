// The registry's key tree and handle table.
//
// HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_USERS are separate roots; HKEY_CLASSES_ROOT is
// HKEY_LOCAL_MACHINE\Software\Classes, so that a class registered under either name is found
// under the other, as registration tools expect.
//
// Does not do:
// - The per-user half of HKEY_CLASSES_ROOT (HKEY_CURRENT_USER\Software\Classes is an ordinary
//   key here, not merged into HKEY_CLASSES_ROOT).
// - Persistence: the registry lives and dies with the process and starts empty apart from the
//   roots and HKEY_LOCAL_MACHINE\Software\Classes.
// - Symbolic links, volatile keys (REG_OPTION_VOLATILE is accepted and ignored), security.
// - Limits on name lengths (255 characters for keys, 16383 for values on Windows).

#include "com/registry_store.h"

#include "kernel/narrow_text.h"

#include <chrono>

namespace platform::registry
{
namespace
{

FILETIME Now()
{
    // 100-nanosecond intervals since 1 January 1601, the FILETIME epoch.
    constexpr std::uint64_t kEpochDifference = 11644473600ULL * 10000000ULL;
    auto since = std::chrono::system_clock::now().time_since_epoch();
    std::uint64_t ticks =
        static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(since).count() / 100) +
        kEpochDifference;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

std::shared_ptr<Key> MakeRoot(const char* name)
{
    auto key = std::make_shared<Key>();
    key->name = name;
    key->root = true;
    key->Touch();
    return key;
}

} // namespace

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
    {
        auto ca = static_cast<unsigned char>(UpperLatin1(a[i]));
        auto cb = static_cast<unsigned char>(UpperLatin1(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        if (UpperLatin1(a[i]) != UpperLatin1(b[i]))
            return false;
    }
    return true;
}

Value* Key::FindValue(const char* valueName)
{
    std::string wanted = valueName ? valueName : "";
    for (Value& value : values)
    {
        if (EqualNoCase(value.name, wanted))
            return &value;
    }
    return nullptr;
}

void Key::Touch()
{
    lastWrite = Now();
}

RegistryStore& RegistryStore::Instance()
{
    // Never destroyed: libraries unloading during exit may still close their keys.
    static auto* store = new RegistryStore;
    return *store;
}

RegistryStore::RegistryStore()
{
    m_localMachine = MakeRoot("HKEY_LOCAL_MACHINE");
    m_currentUser = MakeRoot("HKEY_CURRENT_USER");
    m_users = MakeRoot("HKEY_USERS");
    std::shared_ptr<Key> classes;
    Walk(m_localMachine, "Software\\Classes", true, classes);
    classes->root = true;
    m_classesRoot = classes;
}

bool IsPredefined(HKEY handle)
{
    auto value = reinterpret_cast<ULONG_PTR>(handle);
    return value >= reinterpret_cast<ULONG_PTR>(HKEY_CLASSES_ROOT) &&
           value <= reinterpret_cast<ULONG_PTR>(HKEY_USERS);
}

LONG RegistryStore::Resolve(HKEY handle, OpenKey& out)
{
    if (handle == HKEY_CLASSES_ROOT)
        out = {m_classesRoot, KEY_ALL_ACCESS};
    else if (handle == HKEY_CURRENT_USER)
        out = {m_currentUser, KEY_ALL_ACCESS};
    else if (handle == HKEY_LOCAL_MACHINE)
        out = {m_localMachine, KEY_ALL_ACCESS};
    else if (handle == HKEY_USERS)
        out = {m_users, KEY_ALL_ACCESS};
    else
    {
        auto it = m_handles.find(reinterpret_cast<ULONG_PTR>(handle));
        if (it == m_handles.end())
            return ERROR_INVALID_HANDLE;
        out = it->second;
    }
    return out.key->deleted ? ERROR_KEY_DELETED : ERROR_SUCCESS;
}

LONG RegistryStore::Resolve(HKEY handle, REGSAM needed, OpenKey& out)
{
    if (LONG error = Resolve(handle, out))
        return error;
    return (out.access & needed) == needed ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegistryStore::Walk(const std::shared_ptr<Key>& from, const char* path, bool create,
                         std::shared_ptr<Key>& out, bool* created)
{
    if (created)
        *created = false;
    std::shared_ptr<Key> key = from;
    if (path && path[0] == '\\')
        return ERROR_BAD_PATHNAME;
    const char* p = path ? path : "";
    while (*p)
    {
        const char* end = p;
        while (*end && *end != '\\')
            ++end;
        // Empty components (a trailing backslash, or two in a row) name no key and are passed.
        if (end != p)
        {
            std::string name(p, end);
            auto it = key->subkeys.find(name);
            bool made = false;
            if (it != key->subkeys.end())
                key = it->second;
            else if (!create)
                return ERROR_FILE_NOT_FOUND;
            else
            {
                auto child = std::make_shared<Key>();
                child->name = name;
                child->parent = key.get();
                child->Touch();
                key->subkeys.emplace(name, child);
                key->Touch();
                key = child;
                made = true;
            }
            if (created)
                *created = made;
        }
        p = *end ? end + 1 : end;
    }
    out = key;
    return ERROR_SUCCESS;
}

HKEY RegistryStore::AddHandle(std::shared_ptr<Key> key, REGSAM access)
{
    ULONG_PTR value = m_nextHandle;
    // Handles are multiples of four, as kernel handles are, and never reused.
    m_nextHandle += 4;
    m_handles.emplace(value, OpenKey{std::move(key), access});
    return reinterpret_cast<HKEY>(value);
}

LONG RegistryStore::CloseHandle(HKEY handle)
{
    if (IsPredefined(handle))
        return ERROR_SUCCESS;
    if (m_handles.erase(reinterpret_cast<ULONG_PTR>(handle)) == 0)
        return ERROR_INVALID_HANDLE;
    return ERROR_SUCCESS;
}

LONG RegistryStore::Remove(const std::shared_ptr<Key>& key)
{
    if (key->root || !key->parent)
        return ERROR_ACCESS_DENIED;
    if (!key->subkeys.empty())
        return ERROR_ACCESS_DENIED;
    Key* parent = key->parent;
    key->deleted = true;
    key->parent = nullptr;
    parent->subkeys.erase(key->name);
    parent->Touch();
    return ERROR_SUCCESS;
}

} // namespace platform::registry
