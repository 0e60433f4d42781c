#pragma once

#include "report/ReportObject.h"

// A text object. Its text mixes plain text and expressions in [ ], e.g.
// `收件人：[收件信息."收件人"]`. With a data field and no text it shows that field.
class ReportMemo : public ReportObjectOf<ReportMemo>
{
public:
    ReportMemo() : ReportObjectOf(Kind::Memo) {}
    QString typeName() const override { return QStringLiteral("TfrxMemoView"); }

    QString text;
    QString textAttribute = QStringLiteral("Text");  // how the file named it: Text, Memo.Text or Memo.UTF8W
    ReportFont font;
    bool parentFont = false;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = true;
    bool autoWidth = false;
    QString stretchMode = QStringLiteral("smDontStretch");  // smDontStretch, smActualHeight, smMaxHeight
    ReportFrame frame;
    qint64 fillColor = ReportUnits::ClNone;
    ReportDisplayFormat displayFormat;
    double gapX = 2, gapY = 1;  // pixels between frame and text
    double lineSpacing = 2;     // pixels between lines
    int rotation = 0;           // degrees, counter-clockwise
    bool hideZeros = false;
    QString dataSet;      // DataSet: the dataset component
    QString dataSetName;  // DataSetName: the dataset's name in templates
    QString dataField;

    // The text to evaluate: the text, or [DataSet."Field"] for a bare field binding.
    QString effectiveText() const;
};
