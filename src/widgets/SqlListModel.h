#pragma once

#include "widgets/ListModel.h"
#include "widgets/ListStatement.h"

#include <QList>
#include <QMap>
#include <QVector>

// A list over a statement on the data module's connection that never holds
// the whole result: filter, order, count and sums run in SQL around the
// statement, and rows are read in windows as the view reaches them, a few
// windows kept in a cache.
class SqlListModel : public ListModel
{
    Q_OBJECT
public:
    explicit SqlListModel(QObject *parent = nullptr);

    // Opens a statement ("select * from t_client where ... order by F_code")
    // with its bound values. The filter stays, a sort ends (the statement's own
    // order returns). On failure: the message of a failed open, an empty list
    // and false.
    bool open(const QString &sql, const QVariantList &values = {});
    // Runs the statement again (after the rows changed); the current record and
    // the selection stay by key.
    bool refresh();
    void close();
    bool isOpen() const { return m_open; }
    QString statement() const { return m_sql; }
    QVariantList statementValues() const { return m_values; }

    void setWindowSize(int rows) { m_windowSize = qMax(1, rows); }
    void setCachedWindows(int windows) { m_maxWindows = qMax(2, windows); }
    int windowSize() const { return m_windowSize; }
    int windowsFetched() const { return m_fetches; }  // statements run for rows so far

    // Lists longer than listRows add up their footer sums in slices of rows
    // (in key order) between events, so that the first screen shows at once.
    void setSumSlices(int listRows, int rowsPerSlice);
    bool sumsPending() const override { return m_sumsPending; }
    void finishSums();  // adds up what is left now

    int rowCount(const QModelIndex &parent = {}) const override;
    using ListModel::value;
    QVariant value(int row, int field) const override;
    int rowOfKey(Key key) const override;
    int findPrefix(int field, const QString &text) const override;

protected:
    void applySort() override;
    void applyFilter() override;
    void applySumFields() override;
    QList<Key> listedKeys(const QSet<Key> &keys) const override;
    QList<Key> keysOfRows(int from, int to) const override;
    Key rowKey(int row) const override;

private:
    using Row = QVector<QVariant>;
    struct Window
    {
        QList<Row> rows;
        quint64 used = 0;
    };

    bool describe();
    void prepareStatement();  // filter and order into m_stmt
    bool count();             // row count and sums
    void cancelSums();
    void sumSlice(quint64 job);
    const Row *rowAt(int row) const;
    bool fetchWindow(int window) const;

    QString m_sql;
    QVariantList m_values;
    ListStatement m_stmt;
    bool m_open = false;
    int m_rows = 0;
    int m_windowSize = 200;
    int m_maxWindows = 8;
    mutable QMap<int, Window> m_cache;
    mutable quint64 m_tick = 0;
    mutable int m_fetches = 0;
    mutable bool m_fetchFailed = false;  // tell about a failed fetch once per open

    int m_syncSumRows = 100000;
    int m_sumSlice = 32768;
    bool m_sumsPending = false;
    quint64 m_sumJob = 0;
    QStringList m_summing;
    QList<double> m_partial;
    QVariant m_sumAfter;  // the last key added up; none before the first slice
};
