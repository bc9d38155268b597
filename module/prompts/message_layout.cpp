// The message boxes' layout arithmetic and caption rules (see message_layout.h).
#include "prompts/message_layout.h"

#include <cctype>
#include <climits>
#include <cstring>

namespace quarnel
{

int CountMessageLines(const char* message)
{
    if (message == NULL)
        return 1;
    int lines = 1;
    const char* segment = message;
    for (;;)
    {
        const char* end = std::strchr(segment, '\n');
        const size_t length =
            end != NULL ? static_cast<size_t>(end - segment) : std::strlen(segment);
        // A segment of exactly one line's length still fits on its line; only longer ones wrap.
        if (length > static_cast<size_t>(kMessageLineChars))
            lines += static_cast<int>(length / kMessageLineChars);
        if (end == NULL)
            return lines;
        ++lines;
        segment = end + 1;
    }
}

int MessageGrowth(int nLines, int nAreaHeight)
{
    // The area holds two lines comfortably; the third third is its margin.
    if (nLines < 2)
        return 0;
    const int lineHeight = nAreaHeight / 3;
    return lineHeight * (nLines - 2);
}

int ButtonGap(int nRowWidth, int nButtons, int nButtonWidth)
{
    return (nRowWidth - nButtons * nButtonWidth) / (nButtons + 1);
}

bool IsHelpCaption(const char* caption)
{
    if (caption == NULL)
        return false;
    CString bare(caption);
    bare.Remove('&');
    bare.Remove(' ');
    return bare.CompareNoCase("Help") == 0;
}

bool ParseHelpReference(const char* reference, HelpReference* parsed)
{
    const char* hash = reference != NULL ? std::strchr(reference, '#') : NULL;
    if (hash == NULL)
        return false;
    parsed->file = CString(reference, static_cast<int>(hash - reference));

    // Read as atoi reads, but a topic too large for an int stops at the range's end instead of
    // being undefined.
    const char* p = hash + 1;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    long long topic = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
    {
        topic = topic * 10 + (*p - '0');
        if (topic > static_cast<long long>(INT_MAX) + 1)
            topic = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        topic = -topic;
    if (topic > INT_MAX)
        topic = INT_MAX;
    parsed->topic = static_cast<int>(topic);
    return true;
}

} // namespace quarnel
