#pragma once

#include "report/ReportObject.h"

#include <memory>
#include <vector>

// A band of a page. `top` is only the band's place in the designer (bands print
// in their kind's order); objects are positioned relative to the band.
class ReportBand
{
public:
    enum class Kind { ReportTitle, PageHeader, Header, MasterData, Footer, PageFooter, ReportSummary, Other };

    explicit ReportBand(Kind k = Kind::MasterData) : kind(k) {}
    ReportBand(const ReportBand &o);
    ReportBand &operator=(const ReportBand &o);
    std::unique_ptr<ReportBand> clone() const { return std::make_unique<ReportBand>(*this); }

    // Element names: TfrxReportTitle, TfrxPageHeader, TfrxHeader, TfrxMasterData,
    // TfrxFooter, TfrxPageFooter, TfrxReportSummary; Other keeps its own.
    QString typeName() const;
    static Kind kindOf(const QString &element);
    static QString elementOf(Kind k);

    Kind kind;
    QString element;  // the element name of an Other band
    QString name;
    double left = 0, top = 0, width = 0, height = 0;  // pixels at 96 dpi
    // Master data: with a dataset the band prints once per row (row count
    // ignored); without one it prints rowCount times.
    QString dataSet;      // DataSet: the dataset component
    QString dataSetName;  // DataSetName: the dataset's name in templates
    int rowCount = 0;
    // Master data printed in columns (labels): rows fill across, then down.
    int columns = 0;            // 0 or 1: one column
    double columnWidth = 0;     // pixels
    double columnGap = 0;       // pixels
    bool stretched = false;      // grows with its text
    bool startNewPage = false;   // every print after the first starts a page
    bool reprintOnNewPage = false;  // headers: repeat on every page
    bool printOnFirstPage = true;   // page header / footer
    bool printOnLastPage = true;
    ExtraAttributes extra;
    QStringList extraChildren;

    std::vector<std::unique_ptr<ReportObject>> objects;

    double heightMm() const { return ReportUnits::mmFromPx(height); }
    void setHeightMm(double mm) { height = ReportUnits::pxFromMm(mm); }

    // The band's dataset name as templates use it.
    QString boundDataset() const { return dataSetName.isEmpty() ? dataSet : dataSetName; }

    ReportObject *findObject(const QString &objectName) const;  // case-insensitive
    int indexOf(const ReportObject *o) const;
    // Inserts at index (-1: at the end, drawn last); returns the object.
    ReportObject *addObject(std::unique_ptr<ReportObject> o, int index = -1);
    std::unique_ptr<ReportObject> takeObject(int index);
    void moveObject(int from, int to);  // z-order: later objects draw over earlier ones
};
