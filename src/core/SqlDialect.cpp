#include "core/SqlDialect.h"

QString SqlDialect::columnType(ColumnType type, int width) const
{
    const bool pg = isPostgres();
    switch (type) {
    case ColumnType::AutoNumber:
        return pg ? QStringLiteral("serial primary key") : QStringLiteral("integer primary key autoincrement");
    case ColumnType::Long:
        return QStringLiteral("integer default 0");
    case ColumnType::Text:
        return QStringLiteral("varchar(%1)").arg(width > 0 ? width : 255);
    case ColumnType::Memo:
        return QStringLiteral("text");
    case ColumnType::Double:
        return pg ? QStringLiteral("double precision default 0") : QStringLiteral("real default 0");
    case ColumnType::DateTime:
        // SQLite keeps dates as "yyyy-MM-dd[ hh:mm:ss]" text, which sorts and compares as dates.
        return pg ? QStringLiteral("timestamp(0)") : QStringLiteral("text");
    case ColumnType::Bool:
        return pg ? QStringLiteral("boolean default false") : QStringLiteral("boolean default 0");
    case ColumnType::Blob:
        return pg ? QStringLiteral("bytea") : QStringLiteral("blob");
    }
    return QStringLiteral("text");
}

QString SqlDialect::like(const QString &expr) const
{
    if (isPostgres())
        return expr + QStringLiteral(" ilike ? escape ''");
    return expr + QStringLiteral(" like ?");
}

QString SqlDialect::equalsIgnoreCase(const QString &expr) const
{
    return QStringLiteral("lower(%1) = lower(?)").arg(expr);
}

QString SqlDialect::uniqueIgnoreCaseIndex(const QString &index, const QString &table, const QString &column) const
{
    return QStringLiteral("create unique index %1 on %2 (lower(%3))").arg(index, table, column);
}

QString SqlDialect::padZeros(const QString &expr, int width) const
{
    if (isPostgres())
        return QStringLiteral("lpad(cast(%1 as text), %2, '0')").arg(expr).arg(width);
    return QStringLiteral("substr('%1' || %2, -%3)").arg(QString(width, QLatin1Char('0')), expr).arg(width);
}

QString SqlDialect::dateText(const QString &expr) const
{
    if (isPostgres())
        return QStringLiteral("to_char(%1, 'YYYY-MM-DD')").arg(expr);
    return QStringLiteral("substr(%1, 1, 10)").arg(expr);
}

QString SqlDialect::monthText(const QString &expr) const
{
    if (isPostgres())
        return QStringLiteral("to_char(%1, 'YYYY-MM')").arg(expr);
    return QStringLiteral("substr(%1, 1, 7)").arg(expr);
}

QString SqlDialect::asText(const QString &expr) const
{
    return QStringLiteral("cast(%1 as text)").arg(expr);
}
