// ComponentRow: what one row of the Find's result list stands for, kept as the row's item data
// so that sorting compares the values themselves (numbers as numbers), not the texts shown.
#pragma once

#include "compsearch/databank_record.h"

#include <afxwin.h>

// The result list's columns.
enum FindColumn
{
    kColumnName = 0,
    kColumnFormula,
    kColumnAltName,
    kColumnDatabank,
    kColumnMolecularWeight,
    kColumnBoilingPoint,
    kColumnCasNumber,
    kColumnClass,
    kColumnCount
};

struct ComponentRow
{
    ComponentRow() = default;
    ComponentRow(const DatabankRecord& record, const char* pszDatabank);

    CString strName;
    CString strFormula;
    CString strDatabank;
    double dMolecularWeight = 0;
    // Kelvin, whatever unit the list shows.
    double dBoilingPoint = 0;
    CString strCasNumber;
    CString strClass;
    CString strAltName;
};

// Orders two rows by one column: texts without regard to case, the molecular weight and the
// boiling point as numbers. Negative, 0 or positive, as strcmp; a column outside the list
// compares equal.
int CompareComponentRows(const ComponentRow& a, const ComponentRow& b, int nColumn);
