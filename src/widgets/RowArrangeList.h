#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What the sort dialog decides: rows of column titles with an order value
// (empty, "升序", "降序"), their priority by position, and the sort text they
// make.
class RowArrangeList
{
public:
    struct Row
    {
        QString title;
        QString value;
    };

    static const QString Ascending;   // "升序"
    static const QString Descending;  // "降序"
    static QStringList pickList();    // empty, "升序", "降序"
    static QString nextValue(const QString &value);  // empty -> 升序 -> 降序 -> empty

    // One row per column (title, field name), values empty.
    void fill(const QList<QPair<QString, QString>> &columns);
    const QList<Row> &rows() const { return m_rows; }
    void setRows(const QList<Row> &rows) { m_rows = rows; }
    void setValue(int row, const QString &value);
    void cycle(int row);
    // Swap with the row above or below; the row the current row moved to.
    int moveUp(int row);
    int moveDown(int row);
    // "f_sheng ASC,f_code DESC,": field of each row's title (the first column
    // with that title), rows without a value left out.
    QString sortText() const;

private:
    QList<Row> m_rows;
    QList<QPair<QString, QString>> m_fields;  // title, lower-case field name, by column
};
