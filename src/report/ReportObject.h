#pragma once

#include "report/ReportStyle.h"
#include "report/ReportUnits.h"

#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>

// An object placed on a band of a template: memo, picture, line, shape, barcode,
// or an element kind this engine does not know (kept verbatim).
//
// Geometry is in pixels at 96 per inch as the file holds it: `left` from the
// band's left edge (the page's left margin), `top` from the band's top. The *Mm
// helpers convert. Everything the model does not interpret is kept in `extra`
// (attributes) and `extraChildren` (child elements as XML text) and written back
// unchanged, so editing one property of a template changes nothing else.
class ReportObject
{
public:
    enum class Kind { Memo, Picture, Line, Shape, Barcode, Unknown };

    virtual ~ReportObject() = default;

    Kind kind() const { return m_kind; }
    // The element name in the file, e.g. "TfrxMemoView".
    virtual QString typeName() const = 0;
    // A deep copy (same name; the caller renames it when both stay in one template).
    virtual std::unique_ptr<ReportObject> clone() const = 0;

    QString name;
    double left = 0, top = 0, width = 0, height = 0;  // pixels at 96 dpi
    bool printable = true;  // false: shown in designer and preview, never printed
    bool visible = true;
    ExtraAttributes extra;
    QStringList extraChildren;

    QRectF rectPx() const { return {left, top, width, height}; }
    void setRectPx(const QRectF &r);
    QRectF rectMm() const;
    void setRectMm(const QRectF &r);

protected:
    explicit ReportObject(Kind k) : m_kind(k) {}
    ReportObject(const ReportObject &) = default;
    ReportObject &operator=(const ReportObject &) = default;

private:
    Kind m_kind;
};

template <class Derived>
class ReportObjectOf : public ReportObject
{
public:
    std::unique_ptr<ReportObject> clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived &>(*this));
    }

protected:
    using ReportObject::ReportObject;
};
