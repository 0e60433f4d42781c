#pragma once

#include "report/ReportObject.h"

// A barcode whose text is an expression (e.g. the waybill number variable) or a
// data field.
class ReportBarcode : public ReportObjectOf<ReportBarcode>
{
public:
    ReportBarcode() : ReportObjectOf(Kind::Barcode) {}
    QString typeName() const override { return QStringLiteral("TfrxBarCodeView"); }

    QString barType = QStringLiteral("bcCode128");  // bcCode128, bcCode39, bcCodeEAN13, bcCode_2_5_interleaved, ...
    QString text;        // Text: fixed text or [expression]
    QString expression;  // Expression: an expression without brackets
    QString dataSetName;
    QString dataField;
    bool showText = true;
    int rotation = 0;
    double zoom = 1;
    ReportFont font;
    qint64 color = ReportUnits::ClWhite;

    // The text to evaluate, in the [ ] form of memos.
    QString effectiveText() const;
};
