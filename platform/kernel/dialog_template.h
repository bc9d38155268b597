// Dialog templates (DLGTEMPLATE and DLGTEMPLATEEX) decoded into plain values for the window
// manager, which creates the dialog and its controls from them.
#pragma once
#include <windef.h>

#include <cstddef>
#include <string>
#include <vector>

namespace platform
{

struct DialogItemTemplate
{
    DWORD style = 0, exStyle = 0, helpId = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    // "Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox" for the predefined class
    // atoms 0x80..0x85, else the class name as the template spells it.
    std::string className;
    std::string title;     // empty when titleOrdinal is set
    int titleOrdinal = -1; // resource id when the title is an ordinal (SS_BITMAP/SS_ICON statics)
    // The bytes that follow the creation-data size word, without the size word itself.
    std::vector<unsigned char> creationData;
};

struct DialogTemplate
{
    bool extended = false;
    DWORD style = 0, exStyle = 0, helpId = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    // A menu or class given as an ordinal reads "#<number>", the string form of an integer
    // resource id. An empty className means the dialog class.
    std::string menu, className, title;
    // Only with DS_SETFONT; weight, italic and charset only in extended templates.
    int pointSize = 0, weight = 0;
    bool italic = false;
    int charset = 0;
    std::string typeface;
    std::vector<DialogItemTemplate> items;
};

// Parses DLGTEMPLATE or DLGTEMPLATEEX (signature 0xFFFF, version 1) with all alignment rules.
// Never reads beyond size bytes; returns false on malformed data.
bool ParseDialogTemplate(const void* data, std::size_t size, DialogTemplate& out);

} // namespace platform
