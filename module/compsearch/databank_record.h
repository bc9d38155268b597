// DatabankRecord: the 244-byte record in which the engine's SMfetchdbk delivers one component
// of a databank, and the reading of its fields.
//
// The engine writes narrow zero-terminated strings into fixed-size fields, but a field that it
// fills to the brim carries no terminating zero. Every text is therefore read within its
// field's size, never up to a zero that may lie in the next field or past the record.
//
// Does not do:
// - read the two fields the module has no use for (at offsets 96 and 238);
// - check that a number is sensible: the search decides what 0 or a huge value means.
#pragma once

#include <afxwin.h>

#include <cstddef>
#include <string_view>

struct DatabankRecord
{
    static constexpr size_t kSize = 244;

    // Offset and size of each field.
    static constexpr size_t kFormula = 0, kFormulaSize = 16;
    static constexpr size_t kName = 16, kNameSize = 64;
    static constexpr size_t kBoilingPoint = 80;
    static constexpr size_t kMolecularWeight = 88;
    static constexpr size_t kCasNumber = 104, kCasNumberSize = 20;
    static constexpr size_t kClass = 124, kClassSize = 50;
    static constexpr size_t kAltName = 174, kAltNameSize = 64;

    // A boiling point above this is the engine's "none known".
    static constexpr double kUnknownBoilingPoint = 1e34;

    // The engine fills this; it is not cleared between records.
    unsigned char bytes[kSize];

    std::string_view Formula() const { return Text(kFormula, kFormulaSize); }
    std::string_view Name() const { return Text(kName, kNameSize); }
    std::string_view CasNumber() const { return Text(kCasNumber, kCasNumberSize); }
    std::string_view Class() const { return Text(kClass, kClassSize); }
    std::string_view AltName() const { return Text(kAltName, kAltNameSize); }
    // Normal boiling point in kelvin.
    double BoilingPoint() const { return Number(kBoilingPoint); }
    double MolecularWeight() const { return Number(kMolecularWeight); }

    // Overwrites the alternate name with at most 63 characters of text and a terminating zero.
    void SetAltName(const char* text);

    // The text of a field: up to its first zero, or the whole field when it has none.
    std::string_view Text(size_t offset, size_t size) const;
    double Number(size_t offset) const;
};

static_assert(sizeof(DatabankRecord) == DatabankRecord::kSize);
