// VxVersion: the product information the host answers, and the host's way to set it.
//
// The answers live in fixed buffers that are never freed, so a pointer the module got stays
// readable even when the host program changes the answer afterwards.
//
// Does not do:
// - Read a version resource or the registry: the host program says what to answer.
#include "vxhost.h"

#include <array>
#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace
{

using Text = std::array<char, 260>;

struct ProductInfo
{
    std::mutex mutex;
    std::atomic<int> code{0};
    Text name{};
    Text registryKey{};
    // Map nodes never move, so the buffers handed out stay where they are.
    std::map<std::string, Text> userGuides;
};

void Store(Text& text, const char* value)
{
    std::strncpy(text.data(), value != nullptr ? value : "", text.size() - 1);
    text.back() = '\0';
}

ProductInfo& Info()
{
    static auto* info = [] {
        auto* fresh = new ProductInfo;
        fresh->code = 1;
        Store(fresh->name, "Tirel Plus");
        Store(fresh->registryKey, "V7.2");
        Store(fresh->userGuides["1"], "tirelplus.chm");
        return fresh;
    }();
    return *info;
}

const char kEmpty[] = "";

} // namespace

extern "C" int CDECL VwGetProductCode()
{
    return Info().code.load();
}

extern "C" const char* CDECL VwGetProductName()
{
    return Info().name.data();
}

extern "C" const char* CDECL VwGetUserGuideName(const char* guide)
{
    ProductInfo& info = Info();
    std::lock_guard lock(info.mutex);
    auto found = info.userGuides.find(guide != nullptr ? guide : "");
    return found == info.userGuides.end() ? kEmpty : found->second.data();
}

extern "C" const char* CDECL VwGetRegistryKey()
{
    return Info().registryKey.data();
}

namespace vxhost
{

void SetProductCode(int code)
{
    Info().code = code;
}

void SetProductName(const char* name)
{
    std::lock_guard lock(Info().mutex);
    Store(Info().name, name);
}

void SetUserGuideName(const char* guide, const char* fileName)
{
    if (guide == nullptr)
        return;
    std::lock_guard lock(Info().mutex);
    Store(Info().userGuides[guide], fileName);
}

void SetRegistryKey(const char* key)
{
    std::lock_guard lock(Info().mutex);
    Store(Info().registryKey, key);
}

void ResetProductInfo()
{
    SetProductCode(1);
    SetProductName("Tirel Plus");
    SetRegistryKey("V7.2");
    std::lock_guard lock(Info().mutex);
    // Guides set earlier keep their buffers (a module may hold the pointer) but read "".
    for (auto& [guide, text] : Info().userGuides)
        Store(text, guide == "1" ? "tirelplus.chm" : "");
}

} // namespace vxhost
