#include "records/CheckDateEdit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

CheckDateEdit::CheckDateEdit(QWidget *parent) : QWidget(parent)
{
    m_check = new QCheckBox(this);
    m_edit = new QDateEdit(QDate::currentDate(), this);
    m_edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_edit->setCalendarPopup(true);
    m_edit->setMinimumDate(QDate(1900, 1, 1));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(m_check);
    row->addWidget(m_edit, 1);
    setFocusProxy(m_edit);
    connect(m_check, &QCheckBox::toggled, this, &CheckDateEdit::toggled);
    connect(m_edit, &QDateEdit::dateChanged, this, [this] {
        if (!m_setting)
            m_check->setChecked(true);
    });
}

bool CheckDateEdit::isChecked() const { return m_check->isChecked(); }
void CheckDateEdit::setChecked(bool checked) { m_check->setChecked(checked); }
QDate CheckDateEdit::date() const { return m_edit->date(); }

void CheckDateEdit::setDate(const QDate &date)
{
    m_setting = true;
    m_edit->setDate(date);
    m_setting = false;
}
