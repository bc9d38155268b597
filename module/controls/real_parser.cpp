// The recogniser is a small state machine: every character gets a class (one bit), the state
// holds a mask of the classes allowed next, and a table gives, for each class, the mask and the
// classes that digits and signs take from then on. Digits and signs are context dependent (a
// digit after the point is a fraction digit, a sign after the first character an exponent
// sign), which is why their class comes from the state rather than from the character alone.
//
// It does NOT:
// - report where a text went wrong: the callers only need a verdict.
#include "controls/real_parser.h"

namespace
{

enum CharClass : int
{
    kEnd = 0,
    kBlank = 1,
    kLeadingSign = 2,
    kMantissaDigit = 4,
    kPoint = 8,
    kExponentLetter = 16,
    kExponentSign = 32,
    kFractionDigit = 64,
    kExponentDigit = 128,
    kInvalid = 256,
};

// Marks a column of the table that leaves its value as it was.
constexpr int kUnchanged = -1;

struct Transition
{
    int charClass;
    int allowed; // the mask of classes allowed next (kUnchanged keeps it)
    int digitClass;
    int signClass;
};

// One row per class that can be valid. A mantissa digit's mask depends on whether it is a
// leading zero, so its row gives the usual mask and Transition() narrows it for the zero.
constexpr Transition kTable[] = {
    {kBlank, kUnchanged, kMantissaDigit, kLeadingSign},
    {kLeadingSign, kMantissaDigit | kPoint | kFractionDigit, kMantissaDigit, kExponentSign},
    {kMantissaDigit, kPoint | kExponentLetter | kMantissaDigit, kMantissaDigit, kExponentSign},
    {kPoint, kFractionDigit, kFractionDigit, kExponentSign},
    {kExponentLetter, kExponentSign | kExponentDigit, kExponentDigit, kExponentSign},
    {kExponentSign, kExponentDigit, kExponentDigit, kUnchanged},
    {kFractionDigit, kExponentLetter | kFractionDigit, kFractionDigit, kExponentSign},
    {kExponentDigit, kExponentDigit, kExponentDigit, kUnchanged},
};

// The mask before the first character: blanks, a sign, a digit or a point may start a number.
constexpr int kInitialAllowed = kBlank | kLeadingSign | kMantissaDigit | kPoint | kFractionDigit;

// The classes a number may end with.
constexpr int kFinalClasses = kBlank | kMantissaDigit | kPoint | kFractionDigit | kExponentDigit;

} // namespace

int RealParser::Classify(int c) const
{
    if (c == 0)
        return kEnd;
    if (c == ' ')
        return kBlank;
    if (c >= '0' && c <= '9')
        return m_nDigitClass;
    if (c == '+' || c == '-')
        return m_nSignClass;
    if (c == '.')
        return kPoint;
    if (c == 'd' || c == 'e' || c == 'D' || c == 'E')
        return kExponentLetter;
    return kInvalid;
}

bool RealParser::Transition(int charClass, int& allowed)
{
    if (charClass == kInvalid || (allowed & charClass) == 0)
        return false;
    for (const auto& row : kTable)
    {
        if (row.charClass != charClass)
            continue;
        if (row.allowed != kUnchanged)
            allowed = row.allowed;
        // A leading zero may be followed by a point or an exponent but not by more digits,
        // so that 05 and 00 are refused while 0.5 and 10 are numbers.
        if (charClass == kMantissaDigit)
        {
            if (m_nLastChar == '0' && m_bNoDigitYet)
                allowed = kPoint | kExponentLetter;
            m_bNoDigitYet = false;
        }
        m_nDigitClass = row.digitClass;
        if (row.signClass != kUnchanged)
            m_nSignClass = row.signClass;
        return true;
    }
    return false;
}

bool RealParser::IsReal(const char* text)
{
    m_nPos = 0;
    m_nDigitClass = kMantissaDigit;
    m_nSignClass = kLeadingSign;
    m_nLastChar = ' ';
    m_bNoDigitYet = true;
    // The classes that may come next: a bit mask of the class values.
    int allowed = kInitialAllowed;

    // The text is read as if it began with a blank, so the empty text ends on a blank.
    int current = kBlank;
    int previous = kBlank;
    for (;;)
    {
        if (!Transition(current, allowed))
            return false;
        previous = current;
        // Characters are sign-extended from a byte: one with the high bit set is negative and
        // so never a digit, sign or letter.
        m_nLastChar = static_cast<signed char>(text[m_nPos++]);
        current = Classify(m_nLastChar);
        if (current == kEnd)
            break;
    }
    return (previous & kFinalClasses) != 0;
}
