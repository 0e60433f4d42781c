#pragma once

#include <QDialog>

class FolderList;
class QComboBox;
class QLabel;
class QPushButton;

// Asks for a folder: a drive (root) box, the folder list and the chosen path.
class TDlgSelectPath : public QDialog
{
    Q_OBJECT
public:
    explicit TDlgSelectPath(QWidget *parent = nullptr);

    // The folder chosen after "确定" (the path label, trimmed); the start folder otherwise.
    QString ChooseFolder(const QString &start);

    QComboBox *DriveComboBox1;
    FolderList *DirectoryListBox1;
    QLabel *Label3;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    // The roots offered in the drive box.
    static QStringList drives();
    // The root of the drive that holds a folder.
    static QString driveOf(const QString &folder);

public Q_SLOTS:
    void FormShow();

private:
    void DriveComboBox1Change(int index);
};

// The folder dialog for one question.
QString ChooseFolder(const QString &start, QWidget *parent = nullptr);
