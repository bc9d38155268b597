// rava's entry points of the component Find, found by name with GetProcAddress: C linkage,
// default visibility, cdecl, narrow strings, int results.
//
//     int SMgetdbanks(char name[16], int start)
//     int SMfetchdbk(const char* databank, void* record, int open)
//     int SMfindsynonym(void* record, const char* text, int mode, const char** altName, int* done)
//     int SMgetglobalunit(int quantity, int* unit)
//     int SMinsertcomp(const char* databank, const char* name, int position)
//     int SMinsertcompext(const char* databank, const char* name, const char* id, int position)
//     int SMsetseldbanks(const char* const* names, int count)
//
// The enumeration of SMgetdbanks and the open databank of SMfetchdbk belong to the calling
// thread, so a search on a worker thread and a dialog on the user-interface thread do not
// disturb each other.
//
// Does not do:
// - Deliver a databank name that does not fit 16 bytes: such a name is cut to 15 characters.
// - Any quantity but temperature (22) in SMgetglobalunit.
#include "engine/databanks.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#define RAVA_ENTRY extern "C" __attribute__((visibility("default")))

namespace
{

constexpr int kDatabankNameSize = 16;
constexpr int kTemperatureQuantity = 22;

struct DatabankEnumeration
{
    std::vector<std::string> names;
    std::size_t next = 0;
};

struct OpenDatabank
{
    std::shared_ptr<const engine::Databank> databank;
    std::size_t next = 0;
};

thread_local DatabankEnumeration t_enumeration;
thread_local OpenDatabank t_open;
// The databank whose synonym SMfindsynonym named last, so that the name stays valid.
thread_local std::shared_ptr<const engine::Databank> t_synonymSource;

bool Matches(const std::string& candidate, std::string_view text, int mode)
{
    auto same = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    };
    if (mode == 1)
    {
        return candidate.size() >= text.size() &&
               std::equal(text.begin(), text.end(), candidate.begin(), same);
    }
    return std::search(candidate.begin(), candidate.end(), text.begin(), text.end(), same) !=
           candidate.end();
}

// The component a record names, from the databank open on this thread, else from any pure
// databank.
const engine::PureComponent* ComponentOfRecord(const void* record)
{
    std::string name = engine::RecordText(record, engine::record::kName, engine::record::kNameSize);
    if (t_open.databank != nullptr)
    {
        if (const engine::PureComponent* component = t_open.databank->Find(name))
        {
            t_synonymSource = t_open.databank;
            return component;
        }
    }
    for (const std::string& bank : engine::PureDatabankNames())
    {
        auto databank = engine::FindDatabank(bank);
        if (const engine::PureComponent* component =
                databank != nullptr ? databank->Find(name) : nullptr)
        {
            t_synonymSource = databank;
            return component;
        }
    }
    return nullptr;
}

} // namespace

RAVA_ENTRY int CDECL SMgetdbanks(char* pszName, int nStart)
{
    if (pszName == nullptr)
        return 0;
    if (nStart == 1)
    {
        t_enumeration = {engine::SelectedDatabanks(), 0};
        pszName[0] = '\0';
        return t_enumeration.names.empty() ? 0 : 1;
    }
    if (t_enumeration.next >= t_enumeration.names.size())
        return 0;
    const std::string& name = t_enumeration.names[t_enumeration.next++];
    std::size_t length = std::min<std::size_t>(name.size(), kDatabankNameSize - 1);
    std::memcpy(pszName, name.data(), length);
    pszName[length] = '\0';
    return 1;
}

RAVA_ENTRY int CDECL SMfetchdbk(const char* pszDatabank, void* pRecord, int nOpen)
{
    if (nOpen == 1)
    {
        t_open = {pszDatabank != nullptr ? engine::FindDatabank(pszDatabank) : nullptr, 0};
        return t_open.databank != nullptr ? 1 : 0;
    }
    if (pRecord == nullptr || t_open.databank == nullptr ||
        t_open.next >= t_open.databank->Components().size())
        return 0;
    engine::FillRecord(t_open.databank->Components()[t_open.next++], pRecord);
    return 1;
}

RAVA_ENTRY int CDECL SMfindsynonym(void* pRecord, const char* pszText, int nMode,
                                   const char** ppszAltName, int* pnDone)
{
    if (pRecord == nullptr)
        return 0;
    const engine::PureComponent* component = ComponentOfRecord(pRecord);
    if (component == nullptr)
        return 0;
    std::string_view text = pszText != nullptr ? pszText : "";
    const std::string* shown = component->synonyms.empty() ? nullptr : &component->synonyms[0];
    int matched = 0;
    for (const std::string& synonym : component->synonyms)
    {
        if (Matches(synonym, text, nMode))
        {
            shown = &synonym;
            matched = 1;
            break;
        }
    }
    if (ppszAltName != nullptr)
        *ppszAltName = shown != nullptr ? shown->c_str() : nullptr;
    if (pnDone != nullptr)
        *pnDone = 1;
    return matched;
}

RAVA_ENTRY int CDECL SMgetglobalunit(int nQuantity, int* pnUnit)
{
    if (pnUnit == nullptr || nQuantity != kTemperatureQuantity)
        return 0;
    *pnUnit = engine::GlobalTemperatureUnit();
    return 1;
}

RAVA_ENTRY int CDECL SMinsertcomp(const char* pszDatabank, const char* pszName, int nPosition)
{
    if (pszDatabank == nullptr || pszName == nullptr)
        return 0;
    return engine::InsertComponent(pszDatabank, pszName, nullptr, nPosition) ? 1 : 0;
}

RAVA_ENTRY int CDECL SMinsertcompext(const char* pszDatabank, const char* pszName,
                                     const char* pszId, int nPosition)
{
    if (pszDatabank == nullptr || pszName == nullptr)
        return 0;
    return engine::InsertComponent(pszDatabank, pszName, pszId, nPosition) ? 1 : 0;
}

RAVA_ENTRY int CDECL SMsetseldbanks(const char* const* ppszNames, int nCount)
{
    if (nCount < 0 || (nCount > 0 && ppszNames == nullptr))
        return 0;
    std::vector<std::string> names;
    for (int i = 0; i < nCount; ++i)
    {
        if (ppszNames[i] != nullptr)
            names.emplace_back(ppszNames[i]);
    }
    engine::SelectDatabanks(names);
    return static_cast<int>(engine::SelectedDatabanks().size());
}
