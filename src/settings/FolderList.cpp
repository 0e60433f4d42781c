#include "settings/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>

namespace {
constexpr int PathRole = Qt::UserRole;
}

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("DirectoryListBox1"));
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::openItem);
}

void FolderList::setDirLabel(QLabel *label)
{
    m_label = label;
    if (m_label)
        m_label->setText(QDir::toNativeSeparators(m_dir));
}

void FolderList::setDirectory(const QString &folder)
{
    const QFileInfo fi(folder);
    if (!fi.isDir())
        return;
    m_dir = QDir::cleanPath(fi.absoluteFilePath());
    rebuild();
    if (m_label)
        m_label->setText(QDir::toNativeSeparators(m_dir));
    emit directoryChanged(m_dir);
}

void FolderList::rebuild()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList chain;  // root first
    for (QDir d(m_dir);; ) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int depth = 0;
    QListWidgetItem *current = nullptr;
    for (const QString &path : chain) {
        const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
        auto *item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, path);
        current = item;
        ++depth;
    }
    const QFileInfoList subs =
        QDir(m_dir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &sub : subs) {
        auto *item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + sub.fileName(), this);
        item->setData(PathRole, sub.absoluteFilePath());
    }
    if (current)
        setCurrentItem(current);
}

void FolderList::openItem(QListWidgetItem *item)
{
    if (item)
        setDirectory(item->data(PathRole).toString());
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}
