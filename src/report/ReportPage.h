#pragma once

#include "report/EmbeddedPicture.h"
#include "report/ReportBand.h"

#include <QSizeF>

#include <memory>
#include <vector>

// A page of a template: paper and margins in millimetres (the width and height
// are already those of the chosen orientation, as the file holds them), an
// optional background picture (a scanned paper form), and its bands.
class ReportPage
{
public:
    ReportPage() = default;
    ReportPage(const ReportPage &o);
    ReportPage &operator=(const ReportPage &o);

    QString name = QStringLiteral("Page1");
    double paperWidth = 210, paperHeight = 297;  // mm
    int paperSize = 9;  // Windows paper number: 9 A4, 256 custom
    double leftMargin = 10, rightMargin = 10, topMargin = 10, bottomMargin = 10;  // mm
    bool landscape = false;
    EmbeddedPicture backPicture;
    bool backPictureVisible = true;     // shown in designer and preview
    bool backPicturePrintable = false;  // printed only when the template asks
    ExtraAttributes extra;
    QStringList extraChildren;

    std::vector<std::unique_ptr<ReportBand>> bands;  // in designer order

    QSizeF paperSizeMm() const { return {paperWidth, paperHeight}; }
    // Turns the page, swapping width and height; the margins stay as they are.
    void setLandscape(bool on);

    ReportBand *findBand(const QString &bandName) const;  // case-insensitive
    ReportObject *findObject(const QString &objectName, ReportBand **owner = nullptr) const;
    int indexOf(const ReportBand *b) const;
    ReportBand *addBand(std::unique_ptr<ReportBand> b, int index = -1);
    std::unique_ptr<ReportBand> takeBand(int index);
    void moveBand(int from, int to);
    // Bands in designer order, i.e. by their `top`.
    std::vector<ReportBand *> bandsByTop() const;
};
