#pragma once

#include <QLineEdit>

// An edit for numbers: typing accepts digits, one decimal point and a leading
// minus only. Shown with a display format (e.g. "￥,0.00######") while it does
// not have the focus, as plain digits while it is edited.
class NumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberEdit(QWidget *parent = nullptr);

    // The display format of fees and other amounts of money.
    static inline const QString MoneyFormat = QStringLiteral("￥,0.00######;-￥,0.00######");

    double value() const { return m_value; }
    void setValue(double v);
    void setDecimals(int decimals);  // at most this many digits after the point
    void setDisplayFormat(const QString &format);

signals:
    void valueChanged(double value);

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    void showFormatted();
    void takeTyped(const QString &text);

    double m_value = 0;
    int m_decimals = 8;
    QString m_format;
    bool m_showing = false;
};
