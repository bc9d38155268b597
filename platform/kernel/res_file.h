// Reading the records of a compiled resource (.res) file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform
{

// A resource type or name: an ordinal, or a string that resource compilers store in upper case.
struct ResourceId
{
    int ordinal = -1; // -1 when the id is a string
    std::string name;

    bool operator==(const ResourceId&) const = default;
};

struct ResourceRecord
{
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;
    const unsigned char* data = nullptr; // points into the .res image
    std::uint32_t size = 0;
};

// Splits a .res image into its records, skipping the empty record that opens every .res file.
// Returns false when a record is malformed or runs past `size`; the records before it are kept.
bool ReadResFile(const unsigned char* image, std::size_t size, std::vector<ResourceRecord>& out);

} // namespace platform
