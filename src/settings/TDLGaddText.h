#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

// Asks for a new name (not blank) for a dictionary list.
class TDLGaddText : public QDialog
{
    Q_OBJECT
public:
    explicit TDLGaddText(QWidget *parent = nullptr);

    // Shows the dialog; true with the text as typed (blanks kept) after "确定".
    bool AskText(QString &text);

    QLineEdit *edtName;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

public Q_SLOTS:
    void BitBtn1Click();
};

// The add-text dialog for one question: the name as typed, or nothing when cancelled.
std::optional<QString> AskText(QWidget *parent = nullptr);
