#pragma once

// The template model of the report engine: one FastReport-4-style `.fr3` file.
//
//   ReportTemplate            root TfrxReport: datasets, variables, pages, print offset
//     ReportPage              TfrxReportPage: paper, margins, background picture
//       ReportBand            TfrxReportTitle ... TfrxMasterData ... TfrxReportSummary
//         ReportObject        ReportMemo, ReportPicture, ReportLine, ReportShape,
//                             ReportBarcode, ReportUnknownObject
//
// Read with Fr3Reader, written with Fr3Writer. The model is plain data with public
// members so that the designer edits it directly; every element keeps what the
// engine does not interpret (`extra`, `extraChildren`) and writes it back as read.
// Geometry of bands and objects is in pixels at 96 per inch (ReportUnits converts to
// millimetres); paper, margins and the print offset are millimetres.

#include "report/ReportPage.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// An entry of the variable list. A name starting with a blank is a category
// (" 自定义变量"); the variables after it, up to the next category, belong to it.
struct ReportVariable
{
    QString name;
    QString value;  // the stored expression: '' quoted text, a number, or empty
    bool isCategory() const { return name.startsWith(QLatin1Char(' ')); }
    bool operator==(const ReportVariable &o) const = default;
};

// An entry of the datasets list: the dataset component and its name in templates.
struct ReportDatasetRef
{
    QString dataSet;      // e.g. "frxMain"
    QString dataSetName;  // e.g. "收件信息"
    bool operator==(const ReportDatasetRef &o) const = default;
};

class ReportTemplate
{
public:
    ReportTemplate() = default;
    ReportTemplate(const ReportTemplate &o);
    ReportTemplate &operator=(const ReportTemplate &o);

    // An empty report without file name (no pages).
    void clear();
    bool isEmpty() const { return pages.empty(); }

    QString fileName;  // the file it was read from; empty for a new report
    // Calibration of one printer against the paper form: everything printed moves
    // right / down by this many millimetres (negative: left / up). Stored on the
    // root as PrintOffset.X and PrintOffset.Y.
    QPointF printOffsetMm;
    QList<ReportDatasetRef> datasets;
    QList<ReportVariable> variables;
    ExtraAttributes extra;        // root attributes (version, options, script text, ...)
    QStringList extraChildren;    // root children the model does not know (TfrxDataPage, Style, ...)
    std::vector<std::unique_ptr<ReportPage>> pages;

    // Objects and bands by name over all pages (case-insensitive, as the engine's
    // own lookup is).
    ReportBand *findBand(const QString &name) const;
    ReportObject *findObject(const QString &name, ReportBand **owner = nullptr) const;
    // A name not used by any band or object: prefix + the first free number ("Memo3").
    QString uniqueName(const QString &prefix) const;
    ReportPage *addPage(std::unique_ptr<ReportPage> page = nullptr);

    // Variables. Lookups compare names with exact case.
    void clearVariables() { variables.clear(); }
    // Adds the category (with or without its leading blank) when missing.
    void addCategory(const QString &category);
    // Adds or replaces a variable at the end of its category (created when missing).
    void addVariable(const QString &category, const QString &name, const QString &value);
    int variableIndex(const QString &name) const;  // -1 when absent; categories never match
    QString variableValue(const QString &name) const;
    void setVariable(const QString &name, const QString &value);  // adds it when absent
    QStringList categories() const;                 // without the leading blank
    QStringList variablesOf(const QString &category) const;

    // Adds a dataset to the list unless one of that name is there.
    void addDataset(const QString &dataSet, const QString &dataSetName);

    // All object names in use, for the designer.
    QStringList objectNames() const;
};
