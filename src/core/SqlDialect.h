#pragma once

#include <QString>

// The few places where SQLite and PostgreSQL spell things differently. Every
// statement of the program is written in the common subset and asks here for the
// rest; values always travel as bound parameters.
enum class Backend { SQLite, PostgreSQL };

enum class ColumnType { AutoNumber, Long, Text, Memo, Double, DateTime, Bool, Blob };

class SqlDialect
{
public:
    explicit SqlDialect(Backend backend = Backend::SQLite) : m_backend(backend) {}

    Backend backend() const { return m_backend; }
    bool isPostgres() const { return m_backend == Backend::PostgreSQL; }

    QString columnType(ColumnType type, int width) const;

    // "expr like ?": a pattern match without regard to letter case, as the Access
    // database did, in which only % and _ are wildcards (a backslash is an
    // ordinary character on both backends).
    QString like(const QString &expr) const;
    // "lower(expr) = lower(?)": names that compare without regard to case.
    QString equalsIgnoreCase(const QString &expr) const;
    // Index that makes a column unique without regard to case.
    QString uniqueIgnoreCaseIndex(const QString &index, const QString &table, const QString &column) const;
    QString concat(const QString &a, const QString &b) const { return a + QStringLiteral(" || ") + b; }
    // expr padded on the left with zeros to width characters.
    QString padZeros(const QString &expr, int width) const;
    // The date part of a date column as "yyyy-MM-dd" text, and its "yyyy-MM" month.
    QString dateText(const QString &expr) const;
    QString monthText(const QString &expr) const;
    // A column value as text (numbers and dates included).
    QString asText(const QString &expr) const;
    QString boolLiteral(bool v) const { return v ? QStringLiteral("true") : QStringLiteral("false"); }

private:
    Backend m_backend;
};
