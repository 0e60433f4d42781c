#pragma once

#include "core/DataModule.h"
#include "core/Dates.h"

#include <QDate>
#include <QStringList>
#include <QVariantMap>

namespace RecordFixture {

// Inserts a record with the given columns and returns its F_ID.
inline int insert(const QVariantMap &columns)
{
    QStringList names;
    QVariantList values;
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        names << it.key();
        values << it.value();
    }
    dmData().ExecSql(QStringLiteral("insert into t_client (%1) values (%2)")
                         .arg(names.join(QLatin1Char(',')), QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                     values);
    return dmData().QueryInt(QStringLiteral("select max(F_ID) from t_client"));
}

inline QString text(int id, const QString &column)
{
    return dmData().QueryText(QStringLiteral("select %1 from t_client where F_ID = ?").arg(column), {id});
}

inline int count() { return dmData().QueryInt(QStringLiteral("select count(*) from t_client")); }

inline QString month(int monthsBack = 0)
{
    return QStringLiteral("Y") + QDate::currentDate().addMonths(-monthsBack).toString(QStringLiteral("yyyyMM"));
}

} // namespace RecordFixture
