#include "report/ui/DesignerWindow.h"

#include "report/ui/DesignerBandDialog.h"
#include "report/ui/DesignerCanvas.h"
#include "report/ui/DesignerDataPanel.h"
#include "report/ui/DesignerDocument.h"
#include "report/ui/DesignerPageDialog.h"
#include "report/ui/DesignerPropertyPanel.h"
#include "report/ui/PreviewReport.h"

#include "report/ReportEngine.h"
#include "report/ReportMemo.h"
#include "report/ReportPicture.h"

#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/UiHooks.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QComboBox>
#include <QDockWidget>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

namespace {

const QString ClipboardMime = QStringLiteral("application/x-marlo-fr3-objects");
constexpr double kPasteStepMm = 5;

QString mm(double v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

DesignerWindow::DesignerWindow(ReportEngine &engine, const Options &options, QWidget *parent)
    : QMainWindow(parent), m_engine(engine), m_options(options), m_original(engine.report())
{
    setObjectName(QStringLiteral("DesignerWindow"));
    setWindowFlag(Qt::Window);
    m_doc = std::make_unique<DesignerDocument>(engine.report(), options.waybill);
    m_canvas = new DesignerCanvas(*m_doc, this);
    setCentralWidget(m_canvas);

    m_data = new DesignerDataPanel(this);
    auto *dataDock = new QDockWidget(QStringLiteral("数据"), this);
    dataDock->setObjectName(QStringLiteral("dockData"));
    dataDock->setFeatures(QDockWidget::DockWidgetMovable);
    dataDock->setWidget(m_data);
    addDockWidget(Qt::LeftDockWidgetArea, dataDock);

    m_props = new DesignerPropertyPanel(*m_doc, this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_props);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *propDock = new QDockWidget(QStringLiteral("属性"), this);
    propDock->setObjectName(QStringLiteral("dockProperties"));
    propDock->setFeatures(QDockWidget::DockWidgetMovable);
    propDock->setWidget(scroll);
    addDockWidget(Qt::RightDockWidgetArea, propDock);
    resizeDocks({dataDock, propDock}, {200, 290}, Qt::Horizontal);

    m_pointer = new QLabel(this);
    m_pointer->setMinimumWidth(170);
    m_selectionInfo = new QLabel(this);
    statusBar()->addWidget(m_pointer);
    statusBar()->addWidget(m_selectionInfo, 1);

    buildActions();
    buildMenus();
    fillDataPanel();

    connect(m_canvas, &DesignerCanvas::cursorMoved, this, [this](const QPointF &p) {
        m_pointer->setText(QStringLiteral("光标 X %1  Y %2 mm").arg(mm(p.x()), mm(p.y())));
    });
    connect(m_canvas, &DesignerCanvas::editTextRequested, this, [this](ReportObject *) { m_props->editText(); });
    connect(m_canvas, &DesignerCanvas::toolChanged, this, [this](DesignerCanvas::Tool t) {
        m_tools->actions().at(int(t))->setChecked(true);
    });
    connect(m_canvas, &DesignerCanvas::zoomChanged, this, [this](double z) {
        m_zoom->setEditText(QStringLiteral("%1%").arg(qRound(z * 100)));
    });
    connect(m_data, &DesignerDataPanel::insertRequested, this, &DesignerWindow::insertExpression);
    connect(m_doc.get(), &DesignerDocument::selectionChanged, this, [this] {
        updateStatus();
        updateActions();
    });
    connect(m_doc.get(), &DesignerDocument::changed, this, [this] {
        updateStatus();
        updateActions();
    });
    connect(&m_doc->undoStack(), &QUndoStack::cleanChanged, this, &DesignerWindow::updateTitle);

    updateTitle();
    updateStatus();
    updateActions();
    const QRect avail = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(1366, avail.width()), std::min(768, avail.height()));
    m_canvas->setFocus();
}

DesignerWindow::~DesignerWindow() = default;

QAction *DesignerWindow::action(const QString &name, const QString &text, const QKeySequence &key,
                                void (DesignerWindow::*slot)())
{
    return action(name, text, key, [this, slot] { (this->*slot)(); });
}

template <class F>
QAction *DesignerWindow::action(const QString &name, const QString &text, const QKeySequence &key, F f)
{
    auto *a = new QAction(text, this);
    a->setObjectName(name);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    }
    connect(a, &QAction::triggered, this, f);
    addAction(a);
    m_actions.insert(name, a);
    return a;
}

void DesignerWindow::buildActions()
{
    DesignerDocument &d = *m_doc;
    action(QStringLiteral("actSave"), QStringLiteral("保存"), QKeySequence::Save, [this] { save(); });
    action(QStringLiteral("actSaveAs"), QStringLiteral("另存为..."), QKeySequence(), [this] { saveAs(); });
    action(QStringLiteral("actPage"), QStringLiteral("页面设置..."), QKeySequence(), &DesignerWindow::pageSettings);
    action(QStringLiteral("actWaybillPicture"), QStringLiteral("载入快递单图片"), QKeySequence(),
           [this] { loadWaybillPicture(m_options.scannedPicture); });
    action(QStringLiteral("actWaybillPictureFile"), QStringLiteral("从文件载入快递单图片..."), QKeySequence(),
           [this] { loadWaybillPicture(QString()); });
    action(QStringLiteral("actPreview"), QStringLiteral("预览"), QKeySequence(Qt::CTRL | Qt::Key_P), &DesignerWindow::preview);
    action(QStringLiteral("actClose"), QStringLiteral("关闭"), QKeySequence(), [this] { close(); });

    // Fixed captions keep the tool bar steady; the step's name shows as the tip.
    QAction *undo = action(QStringLiteral("actUndo"), QStringLiteral("撤销"), QKeySequence::Undo, [&d] { d.undoStack().undo(); });
    QAction *redo = action(QStringLiteral("actRedo"), QStringLiteral("重做"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                           [&d] { d.undoStack().redo(); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const auto updateUndo = [undo, redo, &d] {
        undo->setEnabled(d.undoStack().canUndo());
        redo->setEnabled(d.undoStack().canRedo());
        undo->setToolTip(QStringLiteral("撤销 %1 (Ctrl+Z)").arg(d.undoStack().undoText()));
        redo->setToolTip(QStringLiteral("重做 %1 (Ctrl+Y)").arg(d.undoStack().redoText()));
    };
    connect(&d.undoStack(), &QUndoStack::indexChanged, this, updateUndo);
    connect(&d.undoStack(), &QUndoStack::cleanChanged, this, updateUndo);
    updateUndo();

    action(QStringLiteral("actCut"), QStringLiteral("剪切"), QKeySequence::Cut, &DesignerWindow::cut);
    action(QStringLiteral("actCopy"), QStringLiteral("复制"), QKeySequence::Copy, &DesignerWindow::copy);
    action(QStringLiteral("actPaste"), QStringLiteral("粘贴"), QKeySequence::Paste, &DesignerWindow::paste);
    action(QStringLiteral("actDelete"), QStringLiteral("删除"), QKeySequence::Delete, [&d] { d.deleteObjects(d.selection()); });
    action(QStringLiteral("actSelectAll"), QStringLiteral("全选"), QKeySequence::SelectAll, [&d] { d.selectAll(); });
    action(QStringLiteral("actSelectForm"), QStringLiteral("选中快递单图片"), QKeySequence(), [&d] {
        if (ReportPicture *form = d.waybillPicture())
            d.select(form);
    });

    m_tools = new QActionGroup(this);
    const std::pair<const char *, const char *> tools[] = {{"actToolSelect", "选择"}, {"actToolMemo", "文本"},
                                                           {"actToolPicture", "图片"}, {"actToolLine", "线条"},
                                                           {"actToolShape", "矩形"}, {"actToolBarcode", "条码"}};
    for (int i = 0; i < 6; ++i) {
        QAction *a = action(QLatin1String(tools[i].first), QString::fromUtf8(tools[i].second), QKeySequence(),
                            [this, i] { m_canvas->setTool(DesignerCanvas::Tool(i)); });
        a->setCheckable(true);
        a->setChecked(i == 0);
        m_tools->addAction(a);
    }

    using A = DesignerDocument::Align;
    action(QStringLiteral("actAlignLeft"), QStringLiteral("左对齐"), QKeySequence(), [&d] { d.align(d.selection(), A::Left); });
    action(QStringLiteral("actAlignRight"), QStringLiteral("右对齐"), QKeySequence(), [&d] { d.align(d.selection(), A::Right); });
    action(QStringLiteral("actAlignTop"), QStringLiteral("顶端对齐"), QKeySequence(), [&d] { d.align(d.selection(), A::Top); });
    action(QStringLiteral("actAlignBottom"), QStringLiteral("底端对齐"), QKeySequence(), [&d] { d.align(d.selection(), A::Bottom); });
    action(QStringLiteral("actSameWidth"), QStringLiteral("相同宽度"), QKeySequence(), [&d] { d.makeSameSize(d.selection(), true, false); });
    action(QStringLiteral("actSameHeight"), QStringLiteral("相同高度"), QKeySequence(), [&d] { d.makeSameSize(d.selection(), false, true); });
    action(QStringLiteral("actSameSize"), QStringLiteral("相同大小"), QKeySequence(), [&d] { d.makeSameSize(d.selection(), true, true); });
    action(QStringLiteral("actFront"), QStringLiteral("置于顶层"), QKeySequence(), [&d] { d.bringToFront(d.selection()); });
    action(QStringLiteral("actBack"), QStringLiteral("置于底层"), QKeySequence(), [&d] { d.sendToBack(d.selection()); });

    action(QStringLiteral("actAddBand"), QStringLiteral("添加区域..."), QKeySequence(), &DesignerWindow::addBand);
    action(QStringLiteral("actEditBand"), QStringLiteral("区域属性..."), QKeySequence(), &DesignerWindow::editBand);
    action(QStringLiteral("actRemoveBand"), QStringLiteral("删除区域"), QKeySequence(), [this] {
        ReportBand *b = m_doc->currentBand();
        if (b && AskYes(QStringLiteral("删除区域“%1”及其中的全部对象吗？").arg(b->name)))
            m_doc->removeBand(b);
    });

    action(QStringLiteral("actZoomIn"), QStringLiteral("放大"), QKeySequence::ZoomIn, [this] { m_canvas->setZoom(m_canvas->zoom() * 1.25); });
    action(QStringLiteral("actZoomOut"), QStringLiteral("缩小"), QKeySequence::ZoomOut, [this] { m_canvas->setZoom(m_canvas->zoom() / 1.25); });
    action(QStringLiteral("actZoom100"), QStringLiteral("实际大小"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_canvas->setZoom(1); });
    action(QStringLiteral("actZoomWidth"), QStringLiteral("适合宽度"), QKeySequence(), [this] { m_canvas->zoomToWidth(); });
    QAction *snap = action(QStringLiteral("actSnap"), QStringLiteral("对齐到毫米网格"), QKeySequence(),
                           [this](bool on) { m_canvas->setSnapToGrid(on); m_canvas->viewport()->update(); });
    snap->setCheckable(true);
    snap->setChecked(m_canvas->snapToGrid());
}

void DesignerWindow::buildMenus()
{
    const auto a = [this](const char *name) { return m_actions.value(QLatin1String(name)); };
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addActions({a("actSave"), a("actSaveAs")});
    file->addSeparator();
    file->addActions({a("actPage"), a("actWaybillPicture"), a("actWaybillPictureFile")});
    file->addSeparator();
    file->addActions({a("actPreview"), a("actClose")});
    QMenu *edit = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    edit->addActions({a("actUndo"), a("actRedo")});
    edit->addSeparator();
    edit->addActions({a("actCut"), a("actCopy"), a("actPaste"), a("actDelete")});
    edit->addSeparator();
    edit->addActions({a("actSelectAll"), a("actSelectForm")});
    QMenu *insert = menuBar()->addMenu(QStringLiteral("插入(&I)"));
    insert->addActions(m_tools->actions());
    QMenu *arrange = menuBar()->addMenu(QStringLiteral("排列(&A)"));
    arrange->addActions({a("actAlignLeft"), a("actAlignRight"), a("actAlignTop"), a("actAlignBottom")});
    arrange->addSeparator();
    arrange->addActions({a("actSameWidth"), a("actSameHeight"), a("actSameSize")});
    arrange->addSeparator();
    arrange->addActions({a("actFront"), a("actBack")});
    QMenu *bands = menuBar()->addMenu(QStringLiteral("区域(&B)"));
    bands->addActions({a("actAddBand"), a("actEditBand"), a("actRemoveBand")});
    QMenu *view = menuBar()->addMenu(QStringLiteral("视图(&V)"));
    view->addActions({a("actZoomIn"), a("actZoomOut"), a("actZoom100"), a("actZoomWidth")});
    view->addSeparator();
    view->addAction(a("actSnap"));

    QToolBar *main = addToolBar(QStringLiteral("常用"));
    main->setObjectName(QStringLiteral("toolbarMain"));
    main->setMovable(false);
    main->addActions({a("actSave"), a("actPreview")});
    main->addSeparator();
    main->addActions({a("actUndo"), a("actRedo")});
    main->addSeparator();
    main->addActions({a("actCut"), a("actCopy"), a("actPaste"), a("actDelete")});
    main->addSeparator();
    main->addActions(m_tools->actions());
    main->addSeparator();
    main->addActions({a("actWaybillPicture"), a("actPage"), a("actAddBand")});

    addToolBarBreak();
    QToolBar *layout = addToolBar(QStringLiteral("排列"));
    layout->setObjectName(QStringLiteral("toolbarArrange"));
    layout->setMovable(false);
    layout->addActions({a("actAlignLeft"), a("actAlignRight"), a("actAlignTop"), a("actAlignBottom"),
                        a("actSameSize"), a("actFront"), a("actBack")});
    layout->addSeparator();
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cbbZoom"));
    m_zoom->setEditable(true);
    for (int z : {50, 75, 100, 125, 150, 200, 300})
        m_zoom->addItem(QStringLiteral("%1%").arg(z), z / 100.0);
    m_zoom->addItem(QStringLiteral("适合宽度"), 0.0);
    m_zoom->setEditText(QStringLiteral("100%"));
    connect(m_zoom, &QComboBox::activated, this, [this](int i) {
        const double z = m_zoom->itemData(i).toDouble();
        z > 0 ? m_canvas->setZoom(z) : m_canvas->zoomToWidth();
    });
    connect(m_zoom->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        bool ok = false;
        const double z = QString(m_zoom->currentText()).remove(QLatin1Char('%')).trimmed().toDouble(&ok);
        if (ok && z > 0)
            m_canvas->setZoom(z / 100);
    });
    layout->addWidget(new QLabel(QStringLiteral(" 缩放 "), this));
    layout->addWidget(m_zoom);
    layout->addAction(a("actSnap"));
}

void DesignerWindow::fillDataPanel()
{
    std::vector<DesignerDataPanel::Dataset> sets;
    QStringList seen;
    for (const QString &name : m_engine.datasetNames()) {
        auto source = m_engine.dataset(name);
        sets.push_back({name, source ? source->fieldNames() : QStringList()});
        seen << name.toLower();
    }
    // Datasets the template names but the caller did not bind still show, without fields.
    for (const ReportDatasetRef &ref : m_engine.report().datasets)
        if (!ref.dataSetName.isEmpty() && !seen.contains(ref.dataSetName.toLower())) {
            sets.push_back({ref.dataSetName, {}});
            seen << ref.dataSetName.toLower();
        }
    m_data->setContent(sets, m_engine.report());
}

void DesignerWindow::updateTitle()
{
    const QString file = m_engine.report().fileName;
    setWindowTitle(QStringLiteral("报表设计 - %1%2")
                       .arg(file.isEmpty() ? QStringLiteral("（新报表）") : QFileInfo(file).fileName(),
                            m_doc->isModified() ? QStringLiteral(" *") : QString()));
}

void DesignerWindow::updateStatus()
{
    const QList<ReportObject *> &sel = m_doc->selection();
    if (sel.isEmpty()) {
        const ReportBand *b = m_doc->currentBand();
        m_selectionInfo->setText(b ? QStringLiteral("区域 %1  高 %2 mm").arg(b->name, mm(b->heightMm())) : QString());
        return;
    }
    const QRectF r = m_doc->objectRectMm(*sel.constFirst());
    QString text = QStringLiteral("%1  左 %2  上 %3  宽 %4  高 %5 mm")
                       .arg(sel.constFirst()->name, mm(r.x()), mm(r.y()), mm(r.width()), mm(r.height()));
    if (sel.size() > 1)
        text += QStringLiteral("  （共选中 %1 个）").arg(sel.size());
    m_selectionInfo->setText(text);
}

void DesignerWindow::updateActions()
{
    const int n = int(m_doc->selection().size());
    for (const char *name : {"actCut", "actCopy", "actDelete", "actFront", "actBack"})
        m_actions.value(QLatin1String(name))->setEnabled(n > 0);
    for (const char *name : {"actAlignLeft", "actAlignRight", "actAlignTop", "actAlignBottom", "actSameWidth",
                             "actSameHeight", "actSameSize"})
        m_actions.value(QLatin1String(name))->setEnabled(n > 1);
    m_actions.value(QStringLiteral("actEditBand"))->setEnabled(m_doc->currentBand());
    m_actions.value(QStringLiteral("actRemoveBand"))->setEnabled(m_doc->currentBand());
    m_actions.value(QStringLiteral("actSelectForm"))->setEnabled(m_doc->waybillPicture());
}

bool DesignerWindow::writeTo(const QString &fileName)
{
    if (!m_engine.saveToFile(fileName))
        return false;
    m_doc->undoStack().setClean();
    m_original = m_engine.report();
    m_saved = true;
    updateTitle();
    return true;
}

bool DesignerWindow::save()
{
    const QString file = m_engine.report().fileName;
    return file.isEmpty() ? saveAs() : writeTo(file);
}

bool DesignerWindow::saveAs()
{
    const QString current = m_engine.report().fileName;
    const QString proposed = !current.isEmpty() ? QFileInfo(current).fileName()
                             : !m_options.proposedFileName.isEmpty() ? m_options.proposedFileName
                                                                     : QStringLiteral("新报表.fr3");
    const auto picked = UiHooks::saveFile({QStringLiteral("保存报表模板"), QStringLiteral("报表模板 (*.fr3)"),
                                           ProgramFolder::reportFolder(), proposed});
    if (!picked)
        return false;
    QString target = *picked;
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".fr3");
    QDir().mkpath(QFileInfo(target).absolutePath());
    return writeTo(target);
}

bool DesignerWindow::loadWaybillPicture(const QString &fileName)
{
    QString file = fileName;
    if (file.isEmpty() || !QFileInfo::exists(file)) {
        const auto picked = UiHooks::openFile({QStringLiteral("载入快递单图片"),
                                               QStringLiteral("图片文件 (*.jpg *.jpeg *.png *.bmp)"),
                                               ProgramFolder::imageFolder(), QString()});
        if (!picked)
            return false;
        file = *picked;
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        ShowMess(QStringLiteral("无法读取图片文件“%1”。").arg(file), MessWarning);
        return false;
    }
    if (!m_doc->placeWaybillPicture(f.readAll())) {
        ShowMess(QStringLiteral("文件“%1”不是可以识别的图片。").arg(file), MessWarning);
        return false;
    }
    return true;
}

void DesignerWindow::preview()
{
    ShowReportPreview(m_engine, this);
    // Page setup in the preview may have changed the paper.
    m_doc->notifyChanged();
}

void DesignerWindow::pageSettings()
{
    DesignerPageDialog dlg(m_doc->pageSettings(), this);
    if (dlg.exec() == QDialog::Accepted)
        m_doc->setPageSettings(dlg.settings());
}

void DesignerWindow::addBand()
{
    DesignerBandDialog::Values v;
    v.kind = ReportBand::Kind::MasterData;
    v.name = m_doc->proposedBandName(v.kind);
    v.heightMm = m_options.waybill && !m_doc->band(QStringLiteral("MDmain")) ? m_doc->printableRectMm().height() : 20;
    DesignerBandDialog dlg(true, v, m_engine.datasetNames(),
                           [this](ReportBand::Kind k) { return m_doc->proposedBandName(k); }, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const DesignerBandDialog::Values r = dlg.values();
    m_doc->undoStack().beginMacro(QStringLiteral("添加区域"));
    ReportBand *b = m_doc->addBand(r.kind, r.name, r.heightMm);
    if (r.kind == ReportBand::Kind::MasterData)
        m_doc->setBandDataset(b, r.dataset, QString(), r.rowCount);
    m_doc->undoStack().endMacro();
}

void DesignerWindow::editBand()
{
    ReportBand *b = m_doc->currentBand();
    if (!b)
        return;
    DesignerBandDialog::Values v{b->kind, b->name, b->heightMm(), b->boundDataset(), b->rowCount};
    DesignerBandDialog dlg(false, v, m_engine.datasetNames(), {}, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const DesignerBandDialog::Values r = dlg.values();
    m_doc->undoStack().beginMacro(QStringLiteral("区域属性"));
    m_doc->renameBand(b, r.name);
    m_doc->setBandHeightMm(b, r.heightMm);
    if (b->kind == ReportBand::Kind::MasterData) {
        QString component;
        for (const ReportDatasetRef &ref : m_engine.report().datasets)
            if (ref.dataSetName == r.dataset)
                component = ref.dataSet;
        m_doc->setBandDataset(b, r.dataset, component, r.rowCount);
    }
    m_doc->undoStack().endMacro();
}

void DesignerWindow::copy()
{
    if (m_doc->selection().isEmpty())
        return;
    auto *mime = new QMimeData;
    mime->setData(ClipboardMime, m_doc->copyData(m_doc->selection()));
    QApplication::clipboard()->setMimeData(mime);
    m_pasteCount = 0;
    m_cutPending = false;
}

void DesignerWindow::cut()
{
    if (m_doc->selection().isEmpty())
        return;
    copy();
    m_cutPending = true;
    m_doc->deleteObjects(m_doc->selection());
}

void DesignerWindow::paste()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(ClipboardMime))
        return;
    // After a cut the first paste goes back to the same place; copies step aside.
    const int steps = m_cutPending ? m_pasteCount : m_pasteCount + 1;
    ++m_pasteCount;
    m_doc->paste(mime->data(ClipboardMime), QPointF(steps * kPasteStepMm, steps * kPasteStepMm));
    m_canvas->setFocus();
}

void DesignerWindow::insertExpression(const QString &expression)
{
    m_doc->insertField(expression, m_canvas->insertionPoint());
    m_canvas->setFocus();
}

bool DesignerWindow::execModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    connect(this, &DesignerWindow::closed, &loop, &QEventLoop::quit);
    loop.exec();
    return m_saved;
}

void DesignerWindow::closeEvent(QCloseEvent *e)
{
    if (m_doc->isModified()) {
        if (ShowMess(QStringLiteral("报表模板已修改，是否保存？"), MessQuestion) == MessYes) {
            if (!save()) {
                e->ignore();
                return;
            }
        } else {
            // Nothing of the unsaved changes stays in the report object.
            m_doc->setSelection({});
            m_doc->undoStack().clear();
            m_canvas->setUpdatesEnabled(false);
            m_engine.report() = m_original;
        }
    }
    e->accept();
    emit closed();
}
