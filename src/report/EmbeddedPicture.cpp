#include "report/EmbeddedPicture.h"

#include <QtEndian>

namespace {

constexpr char kBinaryValue = 0x0A;  // Delphi vaBinary

bool startsWithPicture(const QByteArray &b, qsizetype at)
{
    const QByteArray s = b.mid(at, 8);
    return s.startsWith("BM") || s.startsWith("\xFF\xD8") || s.startsWith("\x89PNG") || s.startsWith("GIF8") ||
           s.startsWith("\xD7\xCD\xC6\x9A") /* placeable metafile */;
}

// Short string at pos: one length byte, then the text.
bool readShortString(const QByteArray &b, qsizetype &pos, QByteArray &out)
{
    if (pos >= b.size())
        return false;
    const int n = quint8(b.at(pos));
    if (pos + 1 + n > b.size())
        return false;
    out = b.mid(pos + 1, n);
    pos += 1 + n;
    return true;
}

QByteArray shortString(const QByteArray &s)
{
    return char(quint8(s.size())) + s;
}

QByteArray le32(quint32 v)
{
    QByteArray out(4, '\0');
    qToLittleEndian(v, out.data());
    return out;
}

} // namespace

QString EmbeddedPicture::classForBytes(const QByteArray &b)
{
    if (b.startsWith("\xFF\xD8"))
        return QStringLiteral("TJPEGImage");
    if (b.startsWith("\x89PNG"))
        return QStringLiteral("TPngImage");
    if (b.startsWith("GIF8"))
        return QStringLiteral("TGIFImage");
    return QStringLiteral("TBitmap");
}

bool EmbeddedPicture::setPropData(const QString &hex)
{
    clear();
    const QByteArray raw = QByteArray::fromHex(hex.trimmed().toLatin1());
    qsizetype pos = 0;
    QByteArray propName, cls;
    if (!readShortString(raw, pos, propName))
        return false;
    if (pos < raw.size() && raw.at(pos) == kBinaryValue)
        ++pos;
    if (pos + 4 > raw.size())
        return false;
    const quint32 len = qFromLittleEndian<quint32>(raw.constData() + pos);
    pos += 4;
    const QByteArray value = raw.mid(pos, len);
    qsizetype vpos = 0;
    if (!readShortString(value, vpos, cls))
        return false;
    // Some graphic classes put the picture's size before its bytes, others do not.
    qsizetype start = vpos;
    if (!startsWithPicture(value, start) && startsWithPicture(value, start + 4))
        start += 4;
    m_class = QString::fromLatin1(cls);
    m_bytes = value.mid(start);
    if (m_bytes.isEmpty())
        return false;
    m_propData = hex.trimmed();
    return true;
}

QString EmbeddedPicture::propData() const
{
    if (m_bytes.isEmpty())
        return {};
    if (!m_propData.isEmpty())
        return m_propData;
    QByteArray value = shortString(m_class.toLatin1());
    if (m_class != QLatin1String("TPngImage"))
        value += le32(quint32(m_bytes.size()));
    value += m_bytes;
    const QByteArray raw = shortString("Data") + kBinaryValue + le32(quint32(value.size())) + value;
    return QString::fromLatin1(raw.toHex().toUpper());
}

void EmbeddedPicture::setFileBytes(const QByteArray &bytes)
{
    clear();
    m_bytes = bytes;
    m_class = bytes.isEmpty() ? QString() : classForBytes(bytes);
}

const QImage &EmbeddedPicture::image() const
{
    if (!m_decoded) {
        m_decoded = true;
        m_image.loadFromData(m_bytes);
    }
    return m_image;
}
