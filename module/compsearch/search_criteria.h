// What a search of the component Find looks for, and how a databank record is held against it.
//
// "Find now" takes a copy of the dialog's criteria (SearchCriteria) for its worker thread, so
// that the user can edit the dialog, or press "New search", while the search runs without
// changing what the running search looks for.
//
// Does not do:
// - the alternate-name test, which the engine answers (SMfindsynonym);
// - the duplicate test, which the result list answers.
#pragma once

#include "compsearch/databank_record.h"

#include <afxwin.h>

#include <string_view>

// Indexes of the boiling point unit combo box: F, K, C, R.
enum BoilingPointUnit
{
    kUnitFahrenheit = 0,
    kUnitKelvin = 1,
    kUnitCelsius = 2,
    kUnitRankine = 3,
};

struct SearchCriteria
{
    // The name or formula, upper-cased; empty matches every record.
    CString strText;
    // 1: the name or formula must begin with the text; 0: the name contains it, or the formula
    // begins with it.
    int nMode = 0;
    BOOL bMatchAltNames = TRUE;
    // The further criteria below apply only when the search starts from the "Advanced" page.
    BOOL bAdvanced = FALSE;
    // Bounds as typed, trimmed of blanks; a range applies only when both bounds are given.
    CString strMwFrom, strMwTo;
    CString strBpFrom, strBpTo;
    // Boiling point bounds are in this unit (a BoilingPointUnit index).
    int nUnit = kUnitKelvin;
    // "All" (in any case) applies no class filter.
    CString strClass;
    // Trimmed; a prefix of the record's CAS number.
    CString strCasNo;
};

// The name test: case-sensitive, on the upper-cased text.
bool MatchesNameOrFormula(std::string_view name, std::string_view formula, std::string_view text,
                          int nMode);

// The criteria of the "Advanced" page, in order: molecular weight, boiling point, class, CAS
// number. True when the search did not start on that page.
bool PassesAdvancedCriteria(const SearchCriteria& criteria, const DatabankRecord& record);

// A boiling point in kelvin, in the unit of the combo box index nUnit.
double ConvertBoilingPoint(double kelvin, int nUnit);

// The title of the boiling point column for a unit index: "BP <K>" and the like.
CString BoilingPointTitle(int nUnit);

// The boiling point as the result list shows it: a single blank when none is known, else the
// converted value formatted "%g".
CString BoilingPointText(double kelvin, int nUnit);

// The status text at the end of a search.
CString SearchEndText(int nMatches, bool bAborted);

// The unit index the combo box starts on for the host's temperature unit code.
int UnitIndexOfGlobalUnit(int nUnitCode);
