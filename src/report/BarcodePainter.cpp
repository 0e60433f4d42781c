#include "report/BarcodePainter.h"

#include "report/ReportBarcode.h"
#include "report/ReportFonts.h"

#include <QPainter>

#include <zint.h>

namespace BarcodePainter {

int symbology(const QString &t)
{
    static const QList<QPair<QString, int>> map = {
        {QStringLiteral("bcCode128"), BARCODE_CODE128},       {QStringLiteral("bcCode128A"), BARCODE_CODE128},
        {QStringLiteral("bcCode128B"), BARCODE_CODE128B},     {QStringLiteral("bcCode128C"), BARCODE_CODE128},
        {QStringLiteral("bcCode39"), BARCODE_CODE39},         {QStringLiteral("bcCode39Extended"), BARCODE_EXCODE39},
        {QStringLiteral("bcCode93"), BARCODE_CODE93},         {QStringLiteral("bcCode93Extended"), BARCODE_CODE93},
        {QStringLiteral("bcCodeEAN13"), BARCODE_EANX},        {QStringLiteral("bcCodeEAN8"), BARCODE_EANX},
        {QStringLiteral("bcCodeUPC_A"), BARCODE_UPCA},        {QStringLiteral("bcCodeUPC_E0"), BARCODE_UPCE},
        {QStringLiteral("bcCode_2_5_interleaved"), BARCODE_C25INTER},
        {QStringLiteral("bcCode_2_5_industrial"), BARCODE_C25IND}, {QStringLiteral("bcCode_2_5_matrix"), BARCODE_C25STANDARD},
        {QStringLiteral("bcCodeCodabar"), BARCODE_CODABAR},   {QStringLiteral("bcCodeMSI"), BARCODE_MSI_PLESSEY},
        {QStringLiteral("bcCodePostNet"), BARCODE_POSTNET},   {QStringLiteral("bcCodeQR"), BARCODE_QRCODE},
    };
    for (const auto &m : map)
        if (m.first.compare(t, Qt::CaseInsensitive) == 0)
            return m.second;
    return BARCODE_CODE128;
}

bool draw(QPainter &p, const QRectF &r, const ReportBarcode &b, const QString &text)
{
    if (text.isEmpty() || r.width() <= 0 || r.height() <= 0)
        return false;
    zint_symbol *s = ZBarcode_Create();
    s->symbology = symbology(b.barType);
    s->show_hrt = 0;
    s->input_mode = UNICODE_MODE;
    const QByteArray data = text.toUtf8();
    const int rc = ZBarcode_Encode_and_Buffer_Vector(s, reinterpret_cast<const unsigned char *>(data.constData()),
                                                    int(data.size()), 0);
    if (rc >= ZINT_ERROR || !s->vector || s->vector->width <= 0 || s->vector->height <= 0) {
        ZBarcode_Delete(s);
        return false;
    }
    QRectF bars = r;
    QFont font;
    double textHeight = 0;
    if (b.showText) {
        font = ReportFonts::font(b.font);
        textHeight = QFontMetricsF(font, p.device()).height();
        if (textHeight < bars.height() / 2)
            bars.setHeight(bars.height() - textHeight);
        else
            textHeight = 0;
    }
    const double sx = bars.width() / s->vector->width;
    const double sy = bars.height() / s->vector->height;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (zint_vector_rect *rect = s->vector->rectangles; rect; rect = rect->next)
        p.drawRect(QRectF(bars.x() + rect->x * sx, bars.y() + rect->y * sy, rect->width * sx, rect->height * sy));
    if (textHeight > 0) {
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRectF(r.x(), bars.bottom(), r.width(), textHeight), Qt::AlignHCenter | Qt::AlignTop, text);
    }
    p.restore();
    ZBarcode_Delete(s);
    return true;
}

} // namespace BarcodePainter
