// Holding databank records against the criteria of a search (see search_criteria.h).
#include "compsearch/search_criteria.h"

#include <cstdlib>
#include <strings.h>

namespace
{

bool BeginsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool BeginsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           strncasecmp(text.data(), prefix.data(), prefix.size()) == 0;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string_view View(const CString& text)
{
    return std::string_view(text, static_cast<size_t>(text.GetLength()));
}

// Whether value lies within the range that two typed bounds give, bounds included. A range
// with a missing bound applies no filter.
bool WithinBounds(double value, const CString& strFrom, const CString& strTo)
{
    if (strFrom.IsEmpty() || strTo.IsEmpty())
        return true;
    return value >= std::atof(strFrom) && value <= std::atof(strTo);
}

} // namespace

bool MatchesNameOrFormula(std::string_view name, std::string_view formula, std::string_view text,
                          int nMode)
{
    if (BeginsWith(formula, text))
        return true;
    if (nMode == 1)
        return BeginsWith(name, text);
    return name.find(text) != std::string_view::npos;
}

bool PassesAdvancedCriteria(const SearchCriteria& criteria, const DatabankRecord& record)
{
    if (!criteria.bAdvanced)
        return true;
    // A value of 0 is unknown and passes any range.
    const double weight = record.MolecularWeight();
    if (weight != 0 && !WithinBounds(weight, criteria.strMwFrom, criteria.strMwTo))
        return false;
    // The comparison is in the unit the user reads, so the bounds need no conversion; the test
    // for an unknown value is on the kelvin figure, since 0 degrees Celsius is a real value.
    const double kelvin = record.BoilingPoint();
    if (kelvin != 0 && !WithinBounds(ConvertBoilingPoint(kelvin, criteria.nUnit),
                                     criteria.strBpFrom, criteria.strBpTo))
        return false;
    if (!EqualsNoCase(View(criteria.strClass), "All") &&
        !EqualsNoCase(View(criteria.strClass), record.Class()))
        return false;
    return BeginsWithNoCase(record.CasNumber(), View(criteria.strCasNo));
}

double ConvertBoilingPoint(double kelvin, int nUnit)
{
    switch (nUnit)
    {
    case kUnitFahrenheit:
        return (kelvin - 255.37222) * 1.8;
    case kUnitCelsius:
        return kelvin - 273.15;
    case kUnitRankine:
        return kelvin * 1.8;
    default:
        return kelvin;
    }
}

CString BoilingPointTitle(int nUnit)
{
    switch (nUnit)
    {
    case kUnitFahrenheit:
        return "BP <F>";
    case kUnitCelsius:
        return "BP <C>";
    case kUnitRankine:
        return "BP <R>";
    default:
        return "BP <K>";
    }
}

CString BoilingPointText(double kelvin, int nUnit)
{
    if (kelvin > DatabankRecord::kUnknownBoilingPoint)
        return " ";
    CString text;
    text.Format("%g", ConvertBoilingPoint(kelvin, nUnit));
    return text;
}

CString SearchEndText(int nMatches, bool bAborted)
{
    CString text;
    if (nMatches != 0)
        text.Format("Matches found : %-6d", nMatches);
    else
        text = "No Match                  ";
    if (bAborted)
    {
        CString aborted;
        aborted.Format("%30s", "Search aborted");
        text += aborted;
    }
    return text;
}

int UnitIndexOfGlobalUnit(int nUnitCode)
{
    switch (nUnitCode)
    {
    case 2:
        return kUnitFahrenheit;
    case 4:
        return kUnitCelsius;
    case 5:
        return kUnitRankine;
    default:
        return kUnitKelvin;
    }
}
