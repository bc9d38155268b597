// The rows of the Find's result list (see component_row.h).
#include "compsearch/component_row.h"

#include <strings.h>

namespace
{

CString FieldText(std::string_view field)
{
    return CString(field.data(), static_cast<int>(field.size()));
}

int CompareNumbers(double a, double b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

ComponentRow::ComponentRow(const DatabankRecord& record, const char* pszDatabank)
    : strName(FieldText(record.Name())), strFormula(FieldText(record.Formula())),
      strDatabank(pszDatabank), dMolecularWeight(record.MolecularWeight()),
      dBoilingPoint(record.BoilingPoint()), strCasNumber(FieldText(record.CasNumber())),
      strClass(FieldText(record.Class())), strAltName(FieldText(record.AltName()))
{
}

int CompareComponentRows(const ComponentRow& a, const ComponentRow& b, int nColumn)
{
    switch (nColumn)
    {
    case kColumnName:
        return strcasecmp(a.strName, b.strName);
    case kColumnFormula:
        return strcasecmp(a.strFormula, b.strFormula);
    case kColumnAltName:
        return strcasecmp(a.strAltName, b.strAltName);
    case kColumnDatabank:
        return strcasecmp(a.strDatabank, b.strDatabank);
    case kColumnMolecularWeight:
        return CompareNumbers(a.dMolecularWeight, b.dMolecularWeight);
    case kColumnBoilingPoint:
        return CompareNumbers(a.dBoilingPoint, b.dBoilingPoint);
    case kColumnCasNumber:
        return strcasecmp(a.strCasNumber, b.strCasNumber);
    case kColumnClass:
        return strcasecmp(a.strClass, b.strClass);
    default:
        return 0;
    }
}
