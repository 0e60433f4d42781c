#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for one value to write into a whole column.
class TDLGeditCurList : public QDialog
{
    Q_OBJECT
public:
    explicit TDLGeditCurList(QWidget *parent = nullptr);

    // The typed value after "确定", empty otherwise; the field name is only the caller's.
    QString AskValue(const QString &fieldName);

    QLineEdit *edtCurValue;
    QPushButton *Button1;
    QPushButton *Button2;
};

// The edit-current-column dialog for one question; empty means no change.
QString AskValue(const QString &fieldName, QWidget *parent = nullptr);
