#include "widgets/CheckDateEdit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

CheckDateEdit::CheckDateEdit(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_check = new QCheckBox(this);
    m_check->setObjectName(QStringLiteral("check"));
    m_edit = new QDateEdit(QDate::currentDate(), this);
    m_edit->setObjectName(QStringLiteral("date"));
    m_edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_edit->setCalendarPopup(true);
    m_edit->setMinimumDate(QDate(1900, 1, 1));
    layout->addWidget(m_check);
    layout->addWidget(m_edit, 1);
    setFocusProxy(m_edit);
    connect(m_check, &QCheckBox::toggled, this, [this](bool on) {
        m_edit->setEnabled(on || m_check->isHidden());
        Q_EMIT changed();
    });
    connect(m_edit, &QDateEdit::dateChanged, this, &CheckDateEdit::changed);
    m_edit->setEnabled(false);
}

QDate CheckDateEdit::date() const { return m_edit->date(); }

void CheckDateEdit::setDate(const QDate &d)
{
    if (d.isValid())
        m_edit->setDate(d);
}

bool CheckDateEdit::isChecked() const { return m_check->isHidden() || m_check->isChecked(); }

void CheckDateEdit::setChecked(bool on) { m_check->setChecked(on); }

std::optional<QDate> CheckDateEdit::checkedDate() const
{
    return isChecked() ? std::optional<QDate>(date()) : std::nullopt;
}

void CheckDateEdit::setCheckable(bool checkable)
{
    m_check->setVisible(checkable);
    m_edit->setEnabled(!checkable || m_check->isChecked());
}
