#pragma once

#include <QDate>
#include <optional>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date picker with a check box: the date counts only while the box is ticked.
// Dates show as yyyy-MM-dd.
class CheckDateEdit : public QWidget
{
    Q_OBJECT
public:
    explicit CheckDateEdit(QWidget *parent = nullptr);

    QDate date() const;
    void setDate(const QDate &d);
    bool isChecked() const;
    void setChecked(bool on);
    // The date when ticked, otherwise none.
    std::optional<QDate> checkedDate() const;
    // Hides the check box: a plain date picker that always counts.
    void setCheckable(bool checkable);

    QCheckBox *checkBox() const { return m_check; }
    QDateEdit *dateEdit() const { return m_edit; }

signals:
    // The date or the tick changed.
    void changed();

private:
    QCheckBox *m_check;
    QDateEdit *m_edit;
};
