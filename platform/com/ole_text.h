// Conversions between the platform's narrow (Latin-1) strings and OLE strings, shared by the
// GUID, BSTR and _bstr_t code.
#pragma once
#include <objbase.h>

#include <cstddef>
#include <string>

namespace platform::com
{

// The number of OLECHARs before the terminating zero.
std::size_t OleLength(const OLECHAR* text);

// Narrow form of `length` OLECHARs: values above 255 become '?'.
std::string NarrowFromOle(const OLECHAR* text, std::size_t length);

// OLE form of a narrow string.
std::u16string OleFromNarrow(const char* text);

} // namespace platform::com
