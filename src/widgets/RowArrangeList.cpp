#include "widgets/RowArrangeList.h"

const QString RowArrangeList::Ascending = QStringLiteral("升序");
const QString RowArrangeList::Descending = QStringLiteral("降序");

QStringList RowArrangeList::pickList() { return {QString(), Ascending, Descending}; }

QString RowArrangeList::nextValue(const QString &value)
{
    if (value == Ascending)
        return Descending;
    if (value == Descending)
        return {};
    return Ascending;
}

void RowArrangeList::fill(const QList<QPair<QString, QString>> &columns)
{
    m_rows.clear();
    m_fields.clear();
    for (const auto &c : columns) {
        m_rows << Row{c.first, QString()};
        m_fields << qMakePair(c.first, c.second.toLower());
    }
}

void RowArrangeList::setValue(int row, const QString &value)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].value = value;
}

void RowArrangeList::cycle(int row)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].value = nextValue(m_rows.at(row).value);
}

int RowArrangeList::moveUp(int row)
{
    if (row <= 0 || row >= m_rows.size())
        return row;
    m_rows.swapItemsAt(row, row - 1);
    return row - 1;
}

int RowArrangeList::moveDown(int row)
{
    if (row < 0 || row >= m_rows.size() - 1)
        return row;
    m_rows.swapItemsAt(row, row + 1);
    return row + 1;
}

QString RowArrangeList::sortText() const
{
    QString out;
    for (const Row &r : m_rows) {
        QString suffix;
        if (r.value == Ascending)
            suffix = QStringLiteral(" ASC,");
        else if (r.value == Descending)
            suffix = QStringLiteral(" DESC,");
        else
            continue;
        for (const auto &f : m_fields)
            if (f.first == r.title) {
                out += f.second + suffix;
                break;
            }
    }
    return out;
}
