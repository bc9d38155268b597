// GlobalAlloc, GlobalFree, GlobalLock and GlobalUnlock.
//
// Fixed memory is its own handle, as on Windows. Movable memory gets a separate handle with a lock
// count; the block never actually moves, but code that forgets to lock it gets a handle that is
// not the data pointer, just as it would on Windows. Any handle this file did not hand out as
// movable (for example a loaded resource) is treated as fixed memory by GlobalLock.
//
// Does not do: GMEM_DISCARDABLE, GlobalReAlloc, GlobalSize, GlobalFlags, GlobalHandle.

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace
{

struct MovableBlock
{
    void* data = nullptr;
    int locks = 0;
};

struct MovableTable
{
    std::mutex mutex;
    std::unordered_map<HGLOBAL, MovableBlock*> blocks;
};

MovableTable& Table()
{
    static auto* table = new MovableTable;
    return *table;
}

} // namespace

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes)
{
    // A zero-byte request still yields a distinct block.
    void* data = std::malloc(bytes ? bytes : 1);
    if (!data)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (flags & GMEM_ZEROINIT)
        std::memset(data, 0, bytes);
    if (!(flags & GMEM_MOVEABLE))
        return data;
    auto* block = new MovableBlock{data, 0};
    MovableTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.blocks.emplace(block, block);
    return block;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL mem)
{
    if (!mem)
        return nullptr;
    MovableBlock* block = nullptr;
    {
        MovableTable& table = Table();
        std::lock_guard lock(table.mutex);
        auto it = table.blocks.find(mem);
        if (it != table.blocks.end())
        {
            block = it->second;
            table.blocks.erase(it);
        }
    }
    if (block)
    {
        std::free(block->data);
        delete block;
    }
    else
    {
        std::free(mem);
    }
    return nullptr;
}

LPVOID WINAPI GlobalLock(HGLOBAL mem)
{
    if (!mem)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    MovableTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto it = table.blocks.find(mem);
    if (it == table.blocks.end())
        return mem;
    ++it->second->locks;
    return it->second->data;
}

BOOL WINAPI GlobalUnlock(HGLOBAL mem)
{
    MovableTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto it = table.blocks.find(mem);
    // Fixed memory has no lock count; Windows reports it as still locked.
    if (it == table.blocks.end())
        return TRUE;
    MovableBlock* block = it->second;
    if (block->locks == 0)
    {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--block->locks > 0)
        return TRUE;
    SetLastError(NO_ERROR);
    return FALSE;
}
