#pragma once

#include <QWidget>

class QToolButton;

// The four-button record navigator of the editors (first, prior, next, last),
// named "DBNavigator1" with buttons nbFirst, nbPrior, nbNext and nbLast. The
// buttons take no focus, so the editor's tab order stays on its fields.
class RecordNavigator : public QWidget
{
    Q_OBJECT
public:
    enum Move { First = 0, Prior = 1, Next = 2, Last = 3 };

    explicit RecordNavigator(QWidget *parent = nullptr);
    QToolButton *button(Move move) const { return m_buttons[move]; }

Q_SIGNALS:
    void moveClicked(int move);  // a Move

private:
    QToolButton *m_buttons[4] = {};
};
