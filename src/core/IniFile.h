#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// INI file with the semantics of the Windows profile functions: section and key
// names compare without regard to case, every write reaches the disk at once and
// every read sees the file as it is now (a change made by another writer is picked
// up). Lines the program does not touch, comments included, are kept as they are.
class IniFile
{
public:
    explicit IniFile(const QString &fileName);

    QString fileName() const { return m_fileName; }

    QString ReadString(const QString &section, const QString &key, const QString &def = {}) const;
    int ReadInteger(const QString &section, const QString &key, int def = 0) const;
    bool ReadBool(const QString &section, const QString &key, bool def = false) const;

    // Each write returns false when the file could not be written.
    bool WriteString(const QString &section, const QString &key, const QString &value);
    bool WriteInteger(const QString &section, const QString &key, int value);
    bool WriteBool(const QString &section, const QString &key, bool value);

    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    QStringList ReadSection(const QString &section) const;  // key names in file order
    bool EraseSection(const QString &section);
    bool DeleteKey(const QString &section, const QString &key);

    // Restricts the file to its owner (used once a password is stored in it).
    void restrictToOwner();

private:
    struct Located { int sectionLine = -1; int keyLine = -1; int insertAt = -1; };

    void reloadIfChanged() const;
    Located locate(const QString &section, const QString &key) const;
    bool save();
    static QString sectionOf(const QString &line, bool *ok);
    static QString keyOf(const QString &line, QString *value);

    QString m_fileName;
    mutable QStringList m_lines;
    mutable QDateTime m_stamp;
    mutable qint64 m_size = -1;
    mutable bool m_loaded = false;
    bool m_ownerOnly = false;
};
