// What the pieces of vxstruct share inside the library.
#pragma once

namespace vxhost::detail
{

// Withdraws every published item (named_items.cpp).
void ClearItems();
// Appends one answered prompt to the host's log (host_settings.cpp).
void LogSuppressedPrompt(const char* message, const char* answer, int result);

} // namespace vxhost::detail
