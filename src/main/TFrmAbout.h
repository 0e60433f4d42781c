#pragma once

#include <QDialog>

// The about box: product name, version and publisher.
class TFrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget *parent = nullptr);
};
