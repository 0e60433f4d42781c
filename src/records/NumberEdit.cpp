#include "records/NumberEdit.h"

#include <QRegularExpressionValidator>

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(R"(-?\d{0,15}(\.\d{0,8})?)")), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(25);
}

double NumberEdit::value() const
{
    return text().toDouble();  // "", "-" and "." read as 0
}

void NumberEdit::setValue(double v)
{
    setText(QString::number(v, 'g', 15));
}
