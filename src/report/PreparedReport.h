#pragma once

#include "report/ReportTemplate.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>

#include <memory>
#include <vector>

// The result of preparing a report: pages of placed objects with their final
// texts, positioned in millimetres from the paper's top-left corner. Every output
// (preview, printer, PDF, pictures, text exports) draws from this.
struct PreparedItem
{
    const ReportObject *object = nullptr;  // style; owned by PreparedReport::source
    QRectF rectMm;   // on the paper, before any print offset
    QString text;    // memo and barcode text
    QImage image;    // a picture read from data; null: the object's own picture
};

struct PreparedPage
{
    const ReportPage *page = nullptr;  // paper and background picture
    QSizeF paperMm;
    bool landscape = false;
    std::vector<PreparedItem> items;
};

class PreparedReport
{
public:
    std::shared_ptr<const ReportTemplate> source;  // keeps the objects the items point at
    std::vector<PreparedPage> pages;
    QPointF printOffsetMm;  // applied by printing and PDF output
    QString title;          // proposed base name of exported files

    int pageCount() const { return int(pages.size()); }
};
