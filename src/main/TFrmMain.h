#pragma once

#include <QMainWindow>

// The main window. Its frame, record list and commands are built up by the
// main-window, login and dispatch work; here it carries its title and size.
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget *parent = nullptr);
};

extern TFrmMain *FrmMain;
