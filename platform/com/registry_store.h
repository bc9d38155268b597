// The in-memory registry behind the Reg* functions: a tree of keys, each with its values, and the
// table of open key handles.
//
// Everything here runs under one lock (`RegistryStore::Lock`), taken by each Reg* call for its
// whole duration, so a call sees and leaves the tree in a consistent state.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform::registry
{

struct Value
{
    std::string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// Orders key names as the registry does: without regard to case.
struct NoCaseLess
{
    bool operator()(const std::string& a, const std::string& b) const;
};

bool EqualNoCase(const std::string& a, const std::string& b);

struct Key
{
    std::string name;
    Key* parent = nullptr;
    // Values keep the order in which they were first set, which is the order RegEnumValueA
    // reports; subkeys are enumerated in name order, as the hives store them.
    std::vector<Value> values;
    std::map<std::string, std::shared_ptr<Key>, NoCaseLess> subkeys;
    FILETIME lastWrite{};
    // Set when the key is deleted while handles to it are still open; those handles then fail
    // with ERROR_KEY_DELETED.
    bool deleted = false;
    // The roots behind the predefined handles cannot be deleted.
    bool root = false;

    Value* FindValue(const char* valueName);
    void Touch();
};

// An open handle: the key and the access it was opened with.
struct OpenKey
{
    std::shared_ptr<Key> key;
    REGSAM access = 0;
};

class RegistryStore
{
public:
    static RegistryStore& Instance();

    std::mutex& Lock() { return m_lock; }

    // Resolves a handle (predefined or opened). Returns ERROR_INVALID_HANDLE for unknown handles
    // and ERROR_KEY_DELETED for handles whose key is gone.
    LONG Resolve(HKEY handle, OpenKey& out);
    // The same, and ERROR_ACCESS_DENIED when the handle was opened without the access a call
    // needs (KEY_QUERY_VALUE, KEY_SET_VALUE ...).
    LONG Resolve(HKEY handle, REGSAM needed, OpenKey& out);

    // Walks `path` ("A\\B\\C", case-insensitive; NULL or "" is `from` itself) below `from`.
    // With `create`, missing keys are made on the way and `created` tells whether the last one
    // was new.
    LONG Walk(const std::shared_ptr<Key>& from, const char* path, bool create,
              std::shared_ptr<Key>& out, bool* created = nullptr);

    HKEY AddHandle(std::shared_ptr<Key> key, REGSAM access);
    LONG CloseHandle(HKEY handle);

    // Detaches a key without subkeys from its parent; open handles to it go stale.
    LONG Remove(const std::shared_ptr<Key>& key);

private:
    RegistryStore();

    std::mutex m_lock;
    std::shared_ptr<Key> m_classesRoot;
    std::shared_ptr<Key> m_currentUser;
    std::shared_ptr<Key> m_localMachine;
    std::shared_ptr<Key> m_users;
    std::map<ULONG_PTR, OpenKey> m_handles;
    ULONG_PTR m_nextHandle = 0x100;
};

bool IsPredefined(HKEY handle);

} // namespace platform::registry
