// The control panel of the host stand-in, for the program that plays the host (the
// interactive host, test fixtures): what the host publishes, whether it refuses the Find or
// suppresses dialogs, what it answers about the product, and what it logged.
//
// Every call here is thread-safe: tests set things up on their own thread while the module
// runs on the user-interface thread.
#pragma once

#include "VxVersion.h"
#include "vxstruct.h"

#include <string>
#include <vector>

namespace vxhost
{

// ---- vxstruct ----

// Publishes address under name for NamedHostItem, replacing an earlier item of that name.
// The host keeps only the address: what it points to must outlive the publication.
VXSTRUCT_API void PublishItem(const char* name, void* address);
VXSTRUCT_API void WithdrawItem(const char* name);
VXSTRUCT_API void WithdrawAllItems();

// What HostRefusesFind answers (0 at start).
VXSTRUCT_API void SetRefusesFind(int refuses);

// Suppressed mode: CVxDialog::DoModal answers from its record instead of showing the dialog.
VXSTRUCT_API void SetDialogsSuppressed(bool suppressed);
VXSTRUCT_API bool DialogsSuppressed();

// One prompt that was answered without being shown.
struct SuppressedPrompt
{
    std::string message;
    std::string answer;
    int result = 0;
};
VXSTRUCT_API std::vector<SuppressedPrompt> SuppressedPrompts();
VXSTRUCT_API void ClearSuppressedPrompts();

// Puts vxstruct back as it starts: no items, no refusal, dialogs shown, empty log, no model
// libraries. (ResetProductInfo does the same for VxVersion.)
VXSTRUCT_API void ResetHost();

// ---- VxVersion ----

#define VXVERSION_HOST_API __attribute__((visibility("default")))

// The answers of VwGetProductCode, VwGetProductName, VwGetUserGuideName(guide) and
// VwGetRegistryKey. Texts are cut at 259 characters, as they live in fixed buffers.
VXVERSION_HOST_API void SetProductCode(int code);
VXVERSION_HOST_API void SetProductName(const char* name);
VXVERSION_HOST_API void SetUserGuideName(const char* guide, const char* fileName);
VXVERSION_HOST_API void SetRegistryKey(const char* key);
// Product code 1, product name "Tirel Plus", user guide "1" named "tirelplus.chm", registry
// key "V7.2".
VXVERSION_HOST_API void ResetProductInfo();

} // namespace vxhost
