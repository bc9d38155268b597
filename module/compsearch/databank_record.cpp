// Reading the fields of a databank record (see databank_record.h).
#include "compsearch/databank_record.h"

#include <cstring>

std::string_view DatabankRecord::Text(size_t offset, size_t size) const
{
    const char* field = reinterpret_cast<const char*>(bytes + offset);
    return std::string_view(field, strnlen(field, size));
}

double DatabankRecord::Number(size_t offset) const
{
    // The field has no alignment guarantee of its own in the engine's layout, so it is copied.
    double value = 0;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

void DatabankRecord::SetAltName(const char* text)
{
    const size_t length = strnlen(text, kAltNameSize - 1);
    std::memcpy(bytes + kAltName, text, length);
    bytes[kAltName + length] = '\0';
}
