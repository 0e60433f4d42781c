#pragma once

#include "core/DataModule.h"
#include "records/RecordListHost.h"

#include <QSqlQuery>
#include <QStringList>

// The main window's record list as the record forms see it: every record of
// t_client in code order.
class FakeRecordList : public RecordListHost
{
public:
    FakeRecordList() { load(); }

    QList<int> ids;
    int cur = -1;
    QStringList statuses;
    int reopened = 0;

    void load()
    {
        ids.clear();
        QSqlQuery q(dmData().db());
        dmData().OpenQuery(q, QStringLiteral("select F_ID from t_client order by F_code, F_ID"));
        while (q.next())
            ids << q.value(0).toInt();
        if (cur >= ids.size() || cur < 0)
            cur = ids.isEmpty() ? -1 : 0;
    }
    void setCurrent(int id) { cur = ids.indexOf(id); }

    int currentRecordId() const override { return cur >= 0 && cur < ids.size() ? ids.at(cur) : 0; }
    int recordCount() const override { return int(ids.size()); }
    bool moveCurrent(Move m) override
    {
        if (ids.isEmpty())
            return false;
        const int to = m == Move::First ? 0 : m == Move::Last ? int(ids.size()) - 1 : m == Move::Next ? cur + 1 : cur - 1;
        if (to < 0 || to >= ids.size() || to == cur)
            return false;
        cur = to;
        return true;
    }
    bool atFirst() const override { return cur <= 0; }
    bool atLast() const override { return cur >= int(ids.size()) - 1; }
    void reopenOn(int recordId) override
    {
        ++reopened;
        load();
        cur = ids.indexOf(recordId);
        if (cur < 0 && !ids.isEmpty())
            cur = 0;
    }
    void showStatus(const QString &text) override { statuses << text; }
};
