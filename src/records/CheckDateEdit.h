#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date picker with its own check box: unticked means "no date". Changing the
// date ticks the box, as typing a date into such a picker does.
class CheckDateEdit : public QWidget
{
    Q_OBJECT
public:
    explicit CheckDateEdit(QWidget *parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    QDate date() const;
    void setDate(const QDate &date);
    // The date when ticked, an invalid date otherwise.
    QDate checkedDate() const { return isChecked() ? date() : QDate(); }

    QCheckBox *checkBox() const { return m_check; }
    QDateEdit *dateEdit() const { return m_edit; }

signals:
    void toggled(bool checked);

private:
    QCheckBox *m_check;
    QDateEdit *m_edit;
    bool m_setting = false;
};
