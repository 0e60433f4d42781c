#pragma once

#include "core/SqlStatement.h"

#include <QDate>
#include <QString>

// What the advanced search dialog describes: field values (an empty value adds no
// condition), the sent state and two optional date ranges with open bounds.
struct SearchCriteria
{
    enum Sent { All = 0, NotSent = 1, SentOnly = 2 };

    QString name, KDcode, sheng, city, area, address, LXRemp, postCode, GDphone, SJphone, MDaddress, empName, HPname,
        FJemp, KDtype;
    int sent = All;
    bool dateRange = false;  // on the record date F_date
    QDate dateFrom, dateTo;  // an invalid date is an open bound
    bool dispatchRange = false;  // on the dispatch date F_FHdate
    QDate dispatchFrom, dispatchTo;
};

// The complete selection over t_client: "select * from T_client where (scope) "
// and one "and …" clause per condition, ending in a blank so that an ordering can
// follow. Every value is bound; a courier type matches the start of the name, any
// other value anywhere, and % and _ typed by the user stay wildcards. The scope is
// the operator's record scope (RecordScopeCondition()).
SqlStatement BuildSearchStatement(const SearchCriteria &c, const SqlStatement &scope);
SqlStatement BuildSearchStatement(const SearchCriteria &c);

// The open bounds of a date range.
inline const QString OpenLowerBound = QStringLiteral("1900-08-14");
inline const QString OpenUpperBound = QStringLiteral("3000-08-14");
