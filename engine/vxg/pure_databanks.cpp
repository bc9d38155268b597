// vxg's entry points over the pure databanks, which the enterprise Find bridge hands on to the
// integration library: C linkage, default visibility, cdecl.
//
//     int GetTotalNumberOfPureDatabanks()
//     int GetPureDatabanksList(char** names)   // count buffers of 20 bytes each
//     int EnumDbaseDbankName(const char* databank, void* record, int start)
//
// EnumDbaseDbankName walks one databank record by record (the 244-byte layout of SMfetchdbk):
// start 1 opens the databank and delivers its first record, 0 delivers the next; 1 means a
// record was delivered. Its position belongs to the calling thread and is separate from
// SMfetchdbk's, so an integration library may walk a databank while the engine's own search
// walks another.
//
// Does not do:
// - Deliver a databank name longer than 19 characters whole: it is cut to fit its buffer.
#include "engine/databanks.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#define VXG_ENTRY extern "C" __attribute__((visibility("default")))

namespace
{

constexpr std::size_t kPureDatabankNameSize = 20;

struct Walk
{
    std::shared_ptr<const engine::Databank> databank;
    std::size_t next = 0;
};

thread_local Walk t_walk;

} // namespace

VXG_ENTRY int CDECL GetTotalNumberOfPureDatabanks()
{
    return static_cast<int>(engine::PureDatabankNames().size());
}

VXG_ENTRY int CDECL GetPureDatabanksList(char** ppszNames)
{
    if (ppszNames == nullptr)
        return 0;
    std::vector<std::string> names = engine::PureDatabankNames();
    for (std::size_t i = 0; i < names.size(); ++i)
    {
        if (ppszNames[i] == nullptr)
            return 0;
        std::size_t length = std::min(names[i].size(), kPureDatabankNameSize - 1);
        std::memcpy(ppszNames[i], names[i].data(), length);
        ppszNames[i][length] = '\0';
    }
    return 1;
}

VXG_ENTRY int CDECL EnumDbaseDbankName(const char* pszDatabank, void* pRecord, int nStart)
{
    if (nStart == 1)
        t_walk = {pszDatabank != nullptr ? engine::FindDatabank(pszDatabank) : nullptr, 0};
    if (pRecord == nullptr || t_walk.databank == nullptr ||
        t_walk.next >= t_walk.databank->Components().size())
        return 0;
    engine::FillRecord(t_walk.databank->Components()[t_walk.next++], pRecord);
    return 1;
}
