#pragma once

#include <QString>
#include <QVariant>

// A table as a list grid shows it, for printing (GridPrinter) and spreadsheet
// export (XlsxExport) without depending on the grid widget: the grid's adapter
// gives its columns in column order (hidden ones too) and reads rows in order.
struct TableColumn
{
    QString title;
    QString field;
    QString displayFormat;  // Delphi-style; empty: shown as text
    Qt::Alignment alignment = Qt::AlignLeft;
    int width = 80;  // pixels on screen
    bool visible = true;
    QString footer;  // the grid's footer cell, as shown (sum, count or fixed text)
};

class TableSource
{
public:
    virtual ~TableSource() = default;

    virtual int columnCount() = 0;
    virtual TableColumn column(int c) = 0;
    virtual int rowCount() = 0;
    // The value of a cell; rows are read in increasing order. An invalid QVariant
    // when the column names a field the rows do not have.
    virtual QVariant value(int row, int c) = 0;
    // Whether the grid shows its footer row.
    virtual bool hasFooter() { return false; }
    // A cell as the grid shows it: its display format applied, dates before
    // 1901-08-14 blank.
    virtual QString displayText(int row, int c);
};
