// RealParser: decides whether a text is a real number in the notation the simulator accepts for
// numeric input (an optional sign, a mantissa with at most one decimal point, an optional
// exponent introduced by e, E, d or D). It only validates; it computes no value.
//
// It does NOT:
// - compute the number's value (the owner converts the text once it is known to be valid);
// - accept white space other than the space character, or blanks after the first non-blank;
// - know about locales: the decimal point is always ".".
#pragma once

class RealParser
{
public:
    RealParser() = default;
    virtual ~RealParser() = default;

    // True when the whole zero-terminated text is a real number. Each call starts afresh, so one
    // object may check many texts.
    bool IsReal(const char* text);

private:
    // Applies the transition of a character of class charClass to the state and to the mask of
    // classes allowed next; false when the class is not allowed.
    bool Transition(int charClass, int& allowed);
    // The class of the character c, taking digits and signs from the classes the state holds.
    int Classify(int c) const;

    int m_nPos = 0;
    int m_nDigitClass = 4;
    int m_nSignClass = 2;
    int m_nLastChar = ' ';
    bool m_bNoDigitYet = true;
};
