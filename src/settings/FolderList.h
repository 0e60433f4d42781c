#pragma once

#include <QListWidget>

class QLabel;

// A folder list in the manner of a directory list box: the folders from the root
// down to the current one, then the current folder's sub-folders. A double-click
// (or Enter) on an entry opens it; the path label, when set, always shows the
// current folder.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString directory() const { return m_dir; }
    void setDirectory(const QString &folder);
    void setDirLabel(QLabel *label);

signals:
    void directoryChanged(const QString &folder);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void rebuild();
    void openItem(QListWidgetItem *item);

    QString m_dir;
    QLabel *m_label = nullptr;
};
