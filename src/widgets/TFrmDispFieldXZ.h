#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The display-field chooser: one ticked entry per grid column.
class TFrmDispFieldXZ : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmDispFieldXZ(QWidget *parent = nullptr);

    void fill(const QStringList &titles, const QList<bool> &visible);
    QList<bool> ticked() const;

    QListWidget *CheckListBox1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};
