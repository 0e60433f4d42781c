#pragma once

#include <QLineEdit>

// An edit for a floating-point number: only a number can be typed (digits, one
// point, a leading minus); an empty edit is 0.
class NumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberEdit(QWidget *parent = nullptr);

    double value() const;
    void setValue(double v);
};
