#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture held inside a template the way Delphi streams it (`Picture.PropData`,
// `BackPicture.PropData`): hex of a property stream, i.e. the property name as a
// length-prefixed string, a binary value with a 4-byte little-endian length, and
// in it the graphic class name (TBitmap, TJPEGImage, TPngImage, ...) as a
// length-prefixed string followed by the picture file's bytes. The hex text read
// is kept, so a picture nobody replaced is written back byte for byte.
class EmbeddedPicture
{
public:
    EmbeddedPicture() = default;

    // Decodes a PropData hex text; false (and an empty picture) when it holds none.
    bool setPropData(const QString &hex);
    // The hex text to write: the one read, or a fresh encoding after setFileBytes().
    QString propData() const;

    // Replaces the picture by the bytes of a BMP, JPEG or PNG file.
    void setFileBytes(const QByteArray &bytes);
    const QByteArray &fileBytes() const { return m_bytes; }
    QString graphicClass() const { return m_class; }

    bool isNull() const { return m_bytes.isEmpty(); }
    void clear() { *this = EmbeddedPicture(); }
    // Decoded on first use and kept.
    const QImage &image() const;

    bool operator==(const EmbeddedPicture &o) const { return m_bytes == o.m_bytes && m_class == o.m_class; }

    static QString classForBytes(const QByteArray &bytes);

private:
    QByteArray m_bytes;  // the picture file
    QString m_class;
    QString m_propData;  // as read; empty when it must be encoded afresh
    mutable QImage m_image;
    mutable bool m_decoded = false;
};
