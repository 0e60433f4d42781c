#include "couriers/TfrmImageDisp.h"

#include "core/Messages.h"
#include "core/UiHooks.h"
#include "couriers/ImageZoom.h"
#include "settings/FormKeys.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

TfrmImageDisp::TfrmImageDisp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImageDisp"));
    setWindowTitle(QStringLiteral("图像显示"));
    setFont(formFont());
    setSizeGripEnabled(true);
    resize(820, 580);

    ActAdd = makeAction("ActAdd", QStringLiteral("载入"), QStyle::SP_DialogOpenButton);
    ActExport = makeAction("ActExport", QStringLiteral("输出"), QStyle::SP_DialogSaveButton);
    ActClear = makeAction("ActClear", QStringLiteral("清空"), QStyle::SP_DialogResetButton);
    ActMax = makeAction("ActMax", QStringLiteral("放大"), QStyle::SP_ArrowUp);
    ActMin = makeAction("ActMin", QStringLiteral("缩小"), QStyle::SP_ArrowDown);
    ActOld = makeAction("ActOld", QStringLiteral("原始尺寸"), QStyle::SP_BrowserReload);
    ActFull = makeAction("ActFull", QStringLiteral("全屏"), QStyle::SP_TitleBarMaxButton);
    ActSave = makeAction("ActSave", QStringLiteral("保存"), QStyle::SP_DialogApplyButton);
    ActCancel = makeAction("ActCancel", QStringLiteral("取消"), QStyle::SP_DialogCancelButton);
    connect(ActAdd, &QAction::triggered, this, &TfrmImageDisp::ActAddExecute);
    connect(ActExport, &QAction::triggered, this, &TfrmImageDisp::ActExportExecute);
    connect(ActClear, &QAction::triggered, this, &TfrmImageDisp::ActClearExecute);
    connect(ActMax, &QAction::triggered, this, &TfrmImageDisp::ActMaxExecute);
    connect(ActMin, &QAction::triggered, this, &TfrmImageDisp::ActMinExecute);
    connect(ActOld, &QAction::triggered, this, &TfrmImageDisp::ActOldExecute);
    connect(ActFull, &QAction::triggered, this, &TfrmImageDisp::ActFullExecute);
    connect(ActSave, &QAction::triggered, this, &QDialog::accept);
    connect(ActCancel, &QAction::triggered, this, &QDialog::reject);

    buildMenus();

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignCenter);  // centred where the picture fits, at the start where not
    QPalette black = ScrollBox1->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::Base, Qt::black);
    ScrollBox1->setPalette(black);
    ScrollBox1->viewport()->setPalette(black);
    ScrollBox1->viewport()->setAutoFillBackground(true);

    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setPalette(black);
    Panel1->setAutoFillBackground(true);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setContextMenuPolicy(Qt::ActionsContextMenu);
    Image1->addActions({ActAdd, ActExport, ActClear});
    auto sep = [this] {
        auto *s = new QAction(this);
        s->setSeparator(true);
        return s;
    };
    Image1->addAction(sep());
    Image1->addActions({ActMax, ActMin, ActOld, ActFull});
    Image1->addAction(sep());
    Image1->addActions({ActSave, ActCancel});
    ScrollBox1->setWidget(Panel1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 6; ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        if (i < 5)
            panel->setAlignment(Qt::AlignCenter);
        if (i == 0)
            panel->setFixedWidth(50);
        StatusBar1->addWidget(panel, i == 5 ? 1 : 0);
        m_panels << panel;
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(ToolBar1);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(StatusBar1);

    auto *keys = new FormKeys(this);
    keys->addKey(Qt::Key_Left, Qt::NoModifier, [this] {
        scroll(Qt::Horizontal, QAbstractSlider::SliderSingleStepSub);
        return true;
    });
    keys->addKey(Qt::Key_Right, Qt::NoModifier, [this] {
        scroll(Qt::Horizontal, QAbstractSlider::SliderSingleStepAdd);
        return true;
    });
    keys->addKey(Qt::Key_Up, Qt::NoModifier, [this] {
        scroll(Qt::Vertical, QAbstractSlider::SliderSingleStepSub);
        return true;
    });
    keys->addKey(Qt::Key_Down, Qt::NoModifier, [this] {
        scroll(Qt::Vertical, QAbstractSlider::SliderSingleStepAdd);
        return true;
    });
    keys->addKey(Qt::Key_PageUp, Qt::NoModifier, [this] {
        scroll(Qt::Vertical, QAbstractSlider::SliderPageStepSub);
        return true;
    });
    keys->addKey(Qt::Key_PageDown, Qt::NoModifier, [this] {
        scroll(Qt::Vertical, QAbstractSlider::SliderPageStepAdd);
        return true;
    });
    for (int key : {int(Qt::Key_Space), int(Qt::Key_Backspace), int(Qt::Key_Slash)})
        keys->addKey(key, Qt::NoModifier, [this] {
            ApplyZoom(true);
            return true;
        });
    // Outside full screen Esc goes on to the dialog, which leaves as "取消".
    keys->addKey(Qt::Key_Escape, Qt::NoModifier, [this] {
        if (!m_full)
            return false;
        LeaveFullScreen();
        return true;
    });

    ApplyZoom(true);
}

QAction *TfrmImageDisp::makeAction(const char *name, const QString &caption, int icon)
{
    auto *a = new QAction(style()->standardIcon(QStyle::StandardPixmap(icon)), caption, this);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void TfrmImageDisp::buildMenus()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *edit = MainMenu1->addMenu(QStringLiteral("编辑"));
    edit->addActions({ActAdd, ActExport, ActClear});
    edit->addSeparator();
    edit->addActions({ActSave, ActCancel});
    QMenu *zoom = MainMenu1->addMenu(QStringLiteral("缩放"));
    zoom->addActions({ActMax, ActMin, ActOld, ActFull});
    // "退出" leaves the viewer as "取消" does.
    QAction *quit = MainMenu1->addAction(QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("mnuExit"));
    connect(quit, &QAction::triggered, this, &QDialog::reject);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(20, 20));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->addActions({ActAdd, ActExport, ActClear});
    ToolBar1->addSeparator();
    ToolBar1->addActions({ActMax, ActMin});
    // The tool bar's short caption for the own size.
    QAction *own = ToolBar1->addAction(ActOld->icon(), QStringLiteral("原始"));
    own->setObjectName(QStringLiteral("tbOld"));
    connect(own, &QAction::triggered, ActOld, &QAction::trigger);
    ToolBar1->addAction(ActFull);
    ToolBar1->addSeparator();
    ToolBar1->addActions({ActSave, ActCancel});
}

void TfrmImageDisp::PrepareViewer(const QString &fileName, const QImage &picture)
{
    m_fileName = fileName;
    m_picture = picture;
    if (m_picture.isNull())
        Image1->clear();
    else
        Image1->setPixmap(QPixmap::fromImage(m_picture));
    ApplyZoom(true);
}

QString TfrmImageDisp::ShowViewer(const QString &fileName, const QImage &picture)
{
    PrepareViewer(fileName, picture);
    DispFormPos(this, 0);
    return exec() == QDialog::Accepted ? m_fileName : fileName;
}

void TfrmImageDisp::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    ApplyZoom(true);
}

bool TfrmImageDisp::LoadPictureFile(const QString &fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return false;
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        ShowMess(QStringLiteral("读取文件：") + fileName + QStringLiteral("时发生错误！\n") +
                     QStringLiteral("该文件不是标准格式的文件，或者该文件已经被损坏！"),
                 MessError);
        return false;
    }
    m_picture = image;
    m_fileName = fileName;
    Image1->setPixmap(QPixmap::fromImage(m_picture));
    ApplyZoom(true);
    return true;
}

void TfrmImageDisp::ApplyZoom(bool reset, double factor)
{
    Panel1->hide();
    QSize size = m_picture.size();
    if (reset)
        m_level = ImageZoom::OwnSizeLevel;
    else
        size = ImageZoom::zoomedSize(size, factor);
    Panel1->resize(size);
    Image1->setGeometry(QRect(QPoint(0, 0), size));
    Panel1->show();
    UpdateStatus();
}

void TfrmImageDisp::UpdateStatus()
{
    auto fit = [](QLabel *panel, const QString &text) {
        panel->setText(text);
        panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(text) + 20);
    };
    fit(m_panels[1], m_fileName);
    fit(m_panels[2], QStringLiteral("%1x%2").arg(m_picture.width()).arg(m_picture.height()));
    m_panels[3]->setText(ImageZoom::percent(m_level));
    m_panels[3]->setFixedWidth(m_panels[3]->fontMetrics().horizontalAdvance(QStringLiteral("1000%")) + 20);
    m_panels[4]->setFixedWidth(0);
}

QString TfrmImageDisp::statusText(int panel) const
{
    return panel >= 1 && panel <= m_panels.size() ? m_panels[panel - 1]->text() : QString();
}

void TfrmImageDisp::ActMaxExecute()
{
    if (m_level >= ImageZoom::MaxLevel)
        return;
    ++m_level;
    ApplyZoom(false, ImageZoom::factor(m_level));
    if (m_level == ImageZoom::MaxLevel)
        ActMax->setEnabled(false);
    else if (m_level >= 2)
        ActMin->setEnabled(true);
}

void TfrmImageDisp::ActMinExecute()
{
    if (m_level <= ImageZoom::MinLevel)
        return;
    --m_level;
    ApplyZoom(false, ImageZoom::factor(m_level));
    if (m_level == ImageZoom::MinLevel)
        ActMin->setEnabled(false);
    else if (m_level <= ImageZoom::MaxLevel - 1)
        ActMax->setEnabled(true);
}

void TfrmImageDisp::ActOldExecute()
{
    ApplyZoom(true);
}

void TfrmImageDisp::ActAddExecute()
{
    UiHooks::FileRequest r;
    r.title = QStringLiteral("载入快递单图片");
    r.filter = QStringLiteral("Image Files (*.bmp *.jpg *.jpeg *.png);;JPEG 图像 (*.jpg *.jpeg);;位图 (*.bmp)");
    r.folder = m_fileName.isEmpty() ? QString() : QFileInfo(m_fileName).absolutePath();
    if (const auto file = UiHooks::openFile(r))
        LoadPictureFile(*file);
}

QString TfrmImageDisp::exportFileName(const QString &chosen)
{
    static const QStringList known = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                      QStringLiteral("png")};
    if (known.contains(QFileInfo(chosen).suffix().toLower()))
        return chosen;
    return chosen + QStringLiteral(".jpg");
}

void TfrmImageDisp::ActExportExecute()
{
    if (m_picture.isNull()) {
        ShowMess(QStringLiteral("当前没有可以输出的图片！"), MessInfo);
        return;
    }
    UiHooks::FileRequest r;
    r.title = QStringLiteral("输出图片");
    r.filter = QStringLiteral("JPEG 图像 (*.jpg *.jpeg);;位图 (*.bmp);;PNG 图像 (*.png)");
    r.fileName = m_fileName.isEmpty() ? QStringLiteral("快递单.jpg") : QFileInfo(m_fileName).completeBaseName() + QStringLiteral(".jpg");
    const auto chosen = UiHooks::saveFile(r);
    if (!chosen)
        return;
    const QString target = exportFileName(*chosen);
    if (!m_picture.save(target, nullptr, 90))
        ShowMess(QStringLiteral("图片输出失败：") + target, MessError);
}

void TfrmImageDisp::ActClearExecute()
{
    m_picture = QImage();
    m_fileName.clear();
    Image1->clear();
    ApplyZoom(true);
}

void TfrmImageDisp::ActFullExecute()
{
    if (m_full)
        return;
    MainMenu1->hide();
    ToolBar1->hide();
    StatusBar1->hide();
    m_full = true;
    showFullScreen();
    ApplyZoom(true);
}

void TfrmImageDisp::LeaveFullScreen()
{
    if (!m_full)
        return;
    showNormal();
    MainMenu1->show();
    ToolBar1->show();
    StatusBar1->show();
    m_full = false;
    ApplyZoom(true);
}

void TfrmImageDisp::scroll(Qt::Orientation o, int action)
{
    QScrollBar *bar = o == Qt::Horizontal ? ScrollBox1->horizontalScrollBar() : ScrollBox1->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderAction(action));
}

QString ShowImageViewer(QWidget *parent, const QString &fileName, const QImage &picture)
{
    TfrmImageDisp viewer(parent);
    return viewer.ShowViewer(fileName, picture);
}
