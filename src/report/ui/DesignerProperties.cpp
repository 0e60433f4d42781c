#include "report/ui/DesignerProperties.h"

#include "report/ReportBarcode.h"
#include "report/ReportLine.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"
#include "report/ReportShape.h"

#include <QColor>

namespace {

using P = DesignerProperty;
using K = ReportObject::Kind;

ReportFont *fontOf(ReportObject &o)
{
    if (o.kind() == K::Memo)
        return &static_cast<ReportMemo &>(o).font;
    if (o.kind() == K::Barcode)
        return &static_cast<ReportBarcode &>(o).font;
    return nullptr;
}

ReportFrame *frameOf(ReportObject &o)
{
    switch (o.kind()) {
    case K::Memo: return &static_cast<ReportMemo &>(o).frame;
    case K::Picture: return &static_cast<ReportPicture &>(o).frame;
    case K::Line: return &static_cast<ReportLine &>(o).frame;
    case K::Shape: return &static_cast<ReportShape &>(o).frame;
    default: return nullptr;
    }
}

qint64 *fillOf(ReportObject &o)
{
    switch (o.kind()) {
    case K::Memo: return &static_cast<ReportMemo &>(o).fillColor;
    case K::Picture: return &static_cast<ReportPicture &>(o).fillColor;
    case K::Shape: return &static_cast<ReportShape &>(o).fillColor;
    case K::Barcode: return &static_cast<ReportBarcode &>(o).color;
    default: return nullptr;
    }
}

int fontStyleBit(P p)
{
    return p == P::Bold ? ReportFont::Bold : p == P::Italic ? ReportFont::Italic : ReportFont::Underline;
}

} // namespace

namespace DesignerProperties {

bool applies(const ReportObject &o, DesignerProperty p)
{
    const K k = o.kind();
    switch (p) {
    case P::Name:
    case P::Printable:
        return true;
    case P::Text:
        return k == K::Memo || k == K::Barcode;
    case P::FontName:
    case P::FontSize:
    case P::Bold:
    case P::Italic:
    case P::Underline:
    case P::FontColor:
        return k == K::Memo || k == K::Barcode;
    case P::HAlign:
    case P::VAlign:
    case P::WordWrap:
    case P::FormatKind:
    case P::FormatString:
        return k == K::Memo;
    case P::FrameSides:
        return k == K::Memo || k == K::Picture;
    case P::FrameWidth:
    case P::FrameColor:
        return k == K::Memo || k == K::Picture || k == K::Line || k == K::Shape;
    case P::FillColor:
        return k == K::Memo || k == K::Picture || k == K::Shape || k == K::Barcode;
    case P::Picture:
    case P::KeepAspect:
        return k == K::Picture;
    case P::BarType:
        return k == K::Barcode;
    case P::ShapeKind:
        return k == K::Shape;
    }
    return false;
}

QVariant value(const ReportObject &object, DesignerProperty p)
{
    if (!applies(object, p))
        return {};
    auto &o = const_cast<ReportObject &>(object);  // the accessors below only read
    switch (p) {
    case P::Name: return o.name;
    case P::Printable: return o.printable;
    case P::Text:
        if (o.kind() == K::Barcode)
            return static_cast<ReportBarcode &>(o).effectiveText();
        return static_cast<ReportMemo &>(o).text;
    case P::FontName: return fontOf(o)->name;
    case P::FontSize: return fontOf(o)->pointSize();
    case P::Bold:
    case P::Italic:
    case P::Underline: return (fontOf(o)->style & fontStyleBit(p)) != 0;
    case P::FontColor: return ReportUnits::toColor(fontOf(o)->color);
    case P::HAlign: return int(static_cast<ReportMemo &>(o).hAlign);
    case P::VAlign: return int(static_cast<ReportMemo &>(o).vAlign);
    case P::WordWrap: return static_cast<ReportMemo &>(o).wordWrap;
    case P::FormatKind: return static_cast<ReportMemo &>(o).displayFormat.kind;
    case P::FormatString: return static_cast<ReportMemo &>(o).displayFormat.formatStr;
    case P::FrameSides: return frameOf(o)->typ;
    case P::FrameWidth: return frameOf(o)->width;
    case P::FrameColor: return ReportUnits::toColor(frameOf(o)->color);
    case P::FillColor: return ReportUnits::toColor(*fillOf(o));
    case P::Picture: return static_cast<ReportPicture &>(o).picture.fileBytes();
    case P::KeepAspect: return static_cast<ReportPicture &>(o).keepAspectRatio;
    case P::BarType: return static_cast<ReportBarcode &>(o).barType;
    case P::ShapeKind: return static_cast<ReportShape &>(o).shape;
    }
    return {};
}

void setValue(ReportObject &o, DesignerProperty p, const QVariant &v)
{
    if (!applies(o, p))
        return;
    switch (p) {
    case P::Name: o.name = v.toString(); break;
    case P::Printable: o.printable = v.toBool(); break;
    case P::Text:
        if (o.kind() == K::Barcode) {
            auto &b = static_cast<ReportBarcode &>(o);
            b.text = v.toString();
            b.expression.clear();
            b.dataField.clear();
        } else {
            auto &m = static_cast<ReportMemo &>(o);
            m.text = v.toString();
            // A typed text replaces a bare field binding, which would otherwise win when the text is empty.
            m.dataField.clear();
        }
        break;
    case P::FontName: fontOf(o)->name = v.toString(); break;
    case P::FontSize: fontOf(o)->setPointSize(v.toDouble()); break;
    case P::Bold:
    case P::Italic:
    case P::Underline: {
        ReportFont *f = fontOf(o);
        f->style = v.toBool() ? (f->style | fontStyleBit(p)) : (f->style & ~fontStyleBit(p));
        if (o.kind() == K::Memo)
            static_cast<ReportMemo &>(o).parentFont = false;
        break;
    }
    case P::FontColor: fontOf(o)->color = ReportUnits::fromColor(v.value<QColor>()); break;
    case P::HAlign: static_cast<ReportMemo &>(o).hAlign = ::HAlign(v.toInt()); break;
    case P::VAlign: static_cast<ReportMemo &>(o).vAlign = ::VAlign(v.toInt()); break;
    case P::WordWrap: static_cast<ReportMemo &>(o).wordWrap = v.toBool(); break;
    case P::FormatKind: static_cast<ReportMemo &>(o).displayFormat.kind = v.toString(); break;
    case P::FormatString: static_cast<ReportMemo &>(o).displayFormat.formatStr = v.toString(); break;
    case P::FrameSides: frameOf(o)->typ = v.toInt() & ReportFrame::All; break;
    case P::FrameWidth: frameOf(o)->width = v.toDouble(); break;
    case P::FrameColor: frameOf(o)->color = ReportUnits::fromColor(v.value<QColor>()); break;
    case P::FillColor: *fillOf(o) = ReportUnits::fromColor(v.value<QColor>()); break;
    case P::Picture: {
        auto &pic = static_cast<ReportPicture &>(o);
        const QByteArray bytes = v.toByteArray();
        if (bytes.isEmpty())
            pic.picture.clear();
        else
            pic.picture.setFileBytes(bytes);
        pic.fileLink.clear();
        break;
    }
    case P::KeepAspect: static_cast<ReportPicture &>(o).keepAspectRatio = v.toBool(); break;
    case P::BarType: static_cast<ReportBarcode &>(o).barType = v.toString(); break;
    case P::ShapeKind: static_cast<ReportShape &>(o).shape = v.toString(); break;
    }
}

QString label(DesignerProperty p)
{
    switch (p) {
    case P::Name: return QStringLiteral("名称");
    case P::Text: return QStringLiteral("文本");
    case P::FontName: return QStringLiteral("字体");
    case P::FontSize: return QStringLiteral("字号");
    case P::Bold: return QStringLiteral("粗体");
    case P::Italic: return QStringLiteral("斜体");
    case P::Underline: return QStringLiteral("下划线");
    case P::FontColor: return QStringLiteral("文字颜色");
    case P::HAlign: return QStringLiteral("水平对齐");
    case P::VAlign: return QStringLiteral("垂直对齐");
    case P::WordWrap: return QStringLiteral("自动换行");
    case P::FrameSides: return QStringLiteral("边框");
    case P::FrameWidth: return QStringLiteral("边框宽度");
    case P::FrameColor: return QStringLiteral("边框颜色");
    case P::FillColor: return QStringLiteral("填充颜色");
    case P::FormatKind: return QStringLiteral("显示格式");
    case P::FormatString: return QStringLiteral("格式串");
    case P::Printable: return QStringLiteral("打印");
    case P::Picture: return QStringLiteral("图片");
    case P::KeepAspect: return QStringLiteral("保持比例");
    case P::BarType: return QStringLiteral("条码类型");
    case P::ShapeKind: return QStringLiteral("形状");
    }
    return {};
}

} // namespace DesignerProperties
