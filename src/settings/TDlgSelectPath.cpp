#include "settings/TDlgSelectPath.h"

#include "settings/FolderList.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

TDlgSelectPath::TDlgSelectPath(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgSelectPath"));
    setWindowTitle(QStringLiteral("选择文件路径"));
    setFont(formFont());

    auto *Label1 = new QLabel(QStringLiteral("驱动器:"), this);
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    for (const QString &d : drives())
        DriveComboBox1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QDir::toNativeSeparators(d).toUpper(), d);
    Label1->setBuddy(DriveComboBox1);
    DirectoryListBox1 = new FolderList(this);
    DirectoryListBox1->setMinimumSize(320, 240);
    auto *Label2 = new QLabel(QStringLiteral("路径名："), this);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确定"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton *b : {BitBtn1, BitBtn2})
        b->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TDlgSelectPath::DriveComboBox1Change);

    auto *drive = new QHBoxLayout;
    drive->addWidget(Label1);
    drive->addWidget(DriveComboBox1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *main = new QVBoxLayout(this);
    main->addLayout(drive);
    main->addWidget(DirectoryListBox1, 1);
    main->addWidget(Label2);
    main->addWidget(Label3);
    main->addWidget(Bevel1);
    main->addLayout(buttons);
    FormShow();
}

QStringList TDlgSelectPath::drives()
{
    QStringList out;
    for (const QFileInfo &d : QDir::drives())
        out << QDir::cleanPath(d.absoluteFilePath());
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::cleanPath(v.rootPath());
        if (v.isValid() && v.isReady() && QFileInfo(root).isReadable() && !out.contains(root))
            out << root;
    }
    return out;
}

QString TDlgSelectPath::driveOf(const QString &folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QString best;
    for (const QString &d : drives()) {
        const QString head = d.endsWith(QLatin1Char('/')) ? d : d + QLatin1Char('/');
        if ((path == d || path.startsWith(head, Qt::CaseInsensitive)) && d.size() > best.size())
            best = d;
    }
    return best;
}

void TDlgSelectPath::FormShow()
{
    DirectoryListBox1->setDirLabel(Label3);
}

void TDlgSelectPath::DriveComboBox1Change(int index)
{
    const QString root = DriveComboBox1->itemData(index).toString();
    if (!root.isEmpty() && driveOf(DirectoryListBox1->directory()) != root)
        DirectoryListBox1->setDirectory(root);
}

QString TDlgSelectPath::ChooseFolder(const QString &start)
{
    QString result = start;
    const QString drive = driveOf(start.isEmpty() ? QDir::currentPath() : start);
    {
        const QSignalBlocker block(DriveComboBox1);
        const int i = DriveComboBox1->findData(drive);
        if (i >= 0)
            DriveComboBox1->setCurrentIndex(i);
    }
    if (!start.isEmpty() && QFileInfo(start).isDir())
        DirectoryListBox1->setDirectory(start);
    else
        DirectoryListBox1->setDirectory(drive.isEmpty() ? QDir::rootPath() : drive);
    resize(sizeHint().expandedTo(QSize(380, 420)));
    DispFormPos(this, 0);
    DirectoryListBox1->setFocus();
    if (exec() == Accepted)
        result = QDir::fromNativeSeparators(Label3->text().trimmed());
    return result;
}

QString ChooseFolder(const QString &start, QWidget *parent)
{
    TDlgSelectPath dlg(parent);
    return dlg.ChooseFolder(start);
}
