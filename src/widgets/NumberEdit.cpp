#include "widgets/NumberEdit.h"

#include "core/DisplayFormat.h"

#include <QRegularExpressionValidator>

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setDecimals(8);
    connect(this, &QLineEdit::textEdited, this, &NumberEdit::takeTyped);
    showFormatted();
}

void NumberEdit::setDecimals(int decimals)
{
    m_decimals = qBound(0, decimals, 12);
    const QString pattern = m_decimals > 0 ? QStringLiteral("-?\\d{0,15}(\\.\\d{0,%1})?").arg(m_decimals)
                                           : QStringLiteral("-?\\d{0,15}");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

void NumberEdit::setDisplayFormat(const QString &format)
{
    m_format = format;
    if (!hasFocus())
        showFormatted();
}

void NumberEdit::setValue(double v)
{
    const bool changed = v != m_value;
    m_value = v;
    if (hasFocus())
        setText(DisplayFormat::formatNumber(v, QString()));
    else
        showFormatted();
    if (changed)
        Q_EMIT valueChanged(v);
}

void NumberEdit::takeTyped(const QString &text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    const double next = ok ? v : 0.0;
    if (next != m_value) {
        m_value = next;
        Q_EMIT valueChanged(next);
    }
}

void NumberEdit::showFormatted()
{
    // The validator would refuse formatted text; it applies to typing only.
    const QValidator *v = validator();
    setValidator(nullptr);
    setText(m_format.isEmpty() ? DisplayFormat::formatNumber(m_value, QString())
                               : DisplayFormat::formatNumber(m_value, m_format));
    setValidator(v);
}

void NumberEdit::focusInEvent(QFocusEvent *e)
{
    setText(DisplayFormat::formatNumber(m_value, QString()));
    QLineEdit::focusInEvent(e);
    selectAll();
}

void NumberEdit::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    showFormatted();
}
