#include "core/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

IniFile::IniFile(const QString &fileName) : m_fileName(fileName) {}

void IniFile::reloadIfChanged() const
{
    const QFileInfo info(m_fileName);
    if (!info.exists()) {
        m_lines.clear();
        m_loaded = true;
        m_size = -1;
        m_stamp = {};
        return;
    }
    if (m_loaded && info.lastModified() == m_stamp && info.size() == m_size)
        return;
    QFile file(m_fileName);
    m_lines.clear();
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        // Files written by other programs may be in GBK; ours are UTF-8.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (utf8.hasError()) {
            QStringDecoder gbk("GB18030");
            if (gbk.isValid())
                text = gbk.decode(bytes);
        }
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        m_lines = text.split(QLatin1Char('\n'));
        if (!m_lines.isEmpty() && m_lines.last().isEmpty())
            m_lines.removeLast();
    }
    m_loaded = true;
    m_stamp = info.lastModified();
    m_size = info.size();
}

QString IniFile::sectionOf(const QString &line, bool *ok)
{
    const QString t = line.trimmed();
    *ok = t.startsWith(QLatin1Char('[')) && t.contains(QLatin1Char(']'));
    if (!*ok)
        return {};
    return t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
}

QString IniFile::keyOf(const QString &line, QString *value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
        return {};
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return {};
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return t.left(eq).trimmed();
}

IniFile::Located IniFile::locate(const QString &section, const QString &key) const
{
    reloadIfChanged();
    Located at;
    bool inSection = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        bool isSection = false;
        const QString name = sectionOf(m_lines.at(i), &isSection);
        if (isSection) {
            if (inSection)
                break;  // the first section of that name is the one that counts
            if (name.compare(section, Qt::CaseInsensitive) == 0) {
                inSection = true;
                at.sectionLine = i;
                at.insertAt = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!m_lines.at(i).trimmed().isEmpty())
            at.insertAt = i + 1;
        if (!key.isEmpty() && keyOf(m_lines.at(i), nullptr).compare(key, Qt::CaseInsensitive) == 0) {
            at.keyLine = i;
            break;
        }
    }
    return at;
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const Located at = locate(section, key);
    if (at.keyLine < 0)
        return def;
    QString value;
    keyOf(m_lines.at(at.keyLine), &value);
    return value;
}

int IniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    bool ok = false;
    const int v = ReadString(section, key).toInt(&ok);
    return ok ? v : def;
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const Located at = locate(section, key);
    const QString line = key + QLatin1Char('=') + value;
    if (at.keyLine >= 0) {
        m_lines[at.keyLine] = line;
    } else if (at.sectionLine >= 0) {
        m_lines.insert(at.insertAt, line);
    } else {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(line);
    }
    return save();
}

bool IniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool IniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::SectionExists(const QString &section) const
{
    return locate(section, {}).sectionLine >= 0;
}

bool IniFile::ValueExists(const QString &section, const QString &key) const
{
    return locate(section, key).keyLine >= 0;
}

QStringList IniFile::ReadSection(const QString &section) const
{
    const Located at = locate(section, {});
    QStringList keys;
    if (at.sectionLine < 0)
        return keys;
    for (int i = at.sectionLine + 1; i < m_lines.size(); ++i) {
        bool isSection = false;
        sectionOf(m_lines.at(i), &isSection);
        if (isSection)
            break;
        const QString k = keyOf(m_lines.at(i), nullptr);
        if (!k.isEmpty())
            keys << k;
    }
    return keys;
}

bool IniFile::EraseSection(const QString &section)
{
    const Located at = locate(section, {});
    if (at.sectionLine < 0)
        return true;
    int end = at.sectionLine + 1;
    while (end < m_lines.size()) {
        bool isSection = false;
        sectionOf(m_lines.at(end), &isSection);
        if (isSection)
            break;
        ++end;
    }
    m_lines.erase(m_lines.begin() + at.sectionLine, m_lines.begin() + end);
    return save();
}

bool IniFile::DeleteKey(const QString &section, const QString &key)
{
    const Located at = locate(section, key);
    if (at.keyLine < 0)
        return true;
    m_lines.removeAt(at.keyLine);
    return save();
}

void IniFile::restrictToOwner()
{
    m_ownerOnly = true;
    if (QFile::exists(m_fileName))
        QFile::setPermissions(m_fileName, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool IniFile::save()
{
    const bool existed = QFile::exists(m_fileName);
    const QFileDevice::Permissions before = existed ? QFile::permissions(m_fileName) : QFileDevice::Permissions();
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray out;
    for (const QString &l : std::as_const(m_lines))
        out += l.toUtf8() + '\n';
    file.write(out);
    if (!file.commit())
        return false;
    if (m_ownerOnly)
        QFile::setPermissions(m_fileName, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    else if (existed)
        QFile::setPermissions(m_fileName, before);  // a restricted file stays restricted
    const QFileInfo info(m_fileName);
    m_stamp = info.lastModified();
    m_size = info.size();
    m_loaded = true;
    return true;
}
