#pragma once

#include "widgets/RowArrangeList.h"

#include <QDialog>

class DataGrid;
class QLabel;
class QPushButton;
class QTreeWidget;

// The sort dialog: the grid's column titles, each with an order value, in
// priority order; it returns a sort text such as "f_sheng ASC,f_code DESC,".
class TfrmRowArrangeGl : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmRowArrangeGl(QWidget *parent = nullptr);

    void fillFromGrid(const DataGrid *grid);
    void fill(const QList<QPair<QString, QString>> &columns);  // title, field name
    QString sortText() const { return m_text; }  // empty unless confirmed
    const RowArrangeList &list() const { return m_list; }

    QLabel *lblHint;
    QTreeWidget *vle1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;

    void vle1DblClick(int row);
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    void showRows(int current);
    void readRows();  // after a drag or an edit in the list
    int currentRow() const;

    RowArrangeList m_list;
    QString m_text;
    bool m_showing = false;
};

// Opens the sort dialog over a grid; the sort text, empty when cancelled.
QString ChooseSortText(DataGrid *grid);
