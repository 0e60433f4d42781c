#pragma once

#include <QFrame>

class QLabel;
class QListWidget;
class QPushButton;

// The courier column of the main window (pKDtype): the courier list and the
// waybill design and web commands.
class CourierPanel : public QFrame
{
    Q_OBJECT
public:
    explicit CourierPanel(QWidget *parent = nullptr);

    QLabel *header;
    QListWidget *lbKDlist;
    QPushButton *btnKDset;
    QPushButton *btnKDweb;
};
