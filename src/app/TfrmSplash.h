#pragma once

#include <QWidget>

class QLabel;

// The start-up splash: a borderless picture with a status line.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);
    void setStatus(const QString &text);  // sets the label and repaints at once

private:
    QLabel *Label1;
};
