// Builds a DLGTEMPLATEEX in memory, as a resource compiler lays it out.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace platform
{

class TemplateBuilder
{
public:
    TemplateBuilder(DWORD style, DWORD exStyle, short x, short y, short cx, short cy,
                    const std::string& title);
    // className: "Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox" become the
    // predefined atoms; any other name is written as a string.
    void Add(const std::string& className, const std::string& title, DWORD id, DWORD style, short x,
             short y, short cx, short cy, DWORD exStyle = 0);
    const DLGTEMPLATE* Get();

private:
    void Word(WORD w);
    void DWord(DWORD d);
    void String(const std::string& s);
    void Align();

    std::vector<WORD> words;
    std::size_t countIndex = 0;
    WORD count = 0;
};

} // namespace platform
