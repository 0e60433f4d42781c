#include "settings/TFrmCodeMan.h"

#include "core/DataModule.h"
#include "core/Messages.h"
#include "core/PubUnit.h"
#include "settings/CodeStatements.h"
#include "settings/DictionaryPrint.h"
#include "settings/FormKeys.h"
#include "widgets/DataGrid.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"
#include "widgets/MemoryListModel.h"

#include <QAction>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QSqlQuery>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int FieldId = 0;
constexpr int FieldName = 1;
constexpr int FieldType = 2;
constexpr int NameWidth = 255;  // t_code.F_name

} // namespace

const QStringList &TFrmCodeMan::tabNames()
{
    static const QStringList n = {QStringLiteral("tempname"), QStringLiteral("thpname"), QStringLiteral("tfjemp"),
                                  QStringLiteral("TabSheet1")};
    return n;
}

const QStringList &TFrmCodeMan::tabCaptions()
{
    static const QStringList c = {QStringLiteral(" 业 务 员 "), QStringLiteral(" 物品名称 "), QStringLiteral(" 发 件 人 "),
                                  QStringLiteral(" 特殊符号 ")};
    return c;
}

TFrmCodeMan::TFrmCodeMan(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCodeMan"));
    setWindowTitle(QStringLiteral("选项设置.."));
    setFont(formFont());
    resize(520, 480);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setMovable(false);
    tbNew = addTool("tbNew", QStringLiteral("新增"), QStyle::SP_FileDialogNewFolder);
    tbEdit = addTool("tbEdit", QStringLiteral("修改"), QStyle::SP_FileDialogDetailedView);
    tbDel = addTool("tbDel", QStringLiteral("删除"), QStyle::SP_TrashIcon);
    ToolBar1->addSeparator();
    tbSave = addTool("tbSave", QStringLiteral("保存"), QStyle::SP_DialogSaveButton);
    tbCancel = addTool("tbCancel", QStringLiteral("取消"), QStyle::SP_DialogCancelButton);
    ToolBar1->addSeparator();
    tbPrint = addTool("tbPrint", QStringLiteral("打印"), QStyle::SP_FileIcon);
    tbRefresh = addTool("tbRefresh", QStringLiteral("刷新"), QStyle::SP_BrowserReload);
    ToolBar1->addSeparator();
    tbExit = addTool("tbExit", QStringLiteral("退出"), QStyle::SP_DialogCloseButton);
    connect(tbNew, &QAction::triggered, this, &TFrmCodeMan::tbNewClick);
    connect(tbEdit, &QAction::triggered, this, &TFrmCodeMan::tbEditClick);
    connect(tbDel, &QAction::triggered, this, &TFrmCodeMan::tbDelClick);
    connect(tbSave, &QAction::triggered, this, &TFrmCodeMan::tbSaveClick);
    connect(tbCancel, &QAction::triggered, this, &TFrmCodeMan::tbCancelClick);
    connect(tbPrint, &QAction::triggered, this, &TFrmCodeMan::tbPrintClick);
    connect(tbRefresh, &QAction::triggered, this, &TFrmCodeMan::tbRefreshClick);
    connect(tbExit, &QAction::triggered, this, &TFrmCodeMan::tbExitClick);

    PageControl1 = new QTabBar(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setExpanding(false);
    PageControl1->setDrawBase(false);
    for (const QString &c : tabCaptions())
        PageControl1->addTab(c);
    connect(PageControl1, &QTabBar::currentChanged, this, &TFrmCodeMan::PageControl1Change);

    QryTable = new MemoryListModel(this);
    QryTable->setObjectName(QStringLiteral("QryTable"));
    DBGridEh1 = new DataGrid(this);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setListModel(QryTable);
    DBGridEh1->setFooterVisible(false);
    DBGridEh1->setReadOnly(true);
    DBGridEh1->setTabKeyNavigation(false);
    connect(DBGridEh1, &DataGrid::rowDoubleClicked, this, &TFrmCodeMan::DBGridEh1DblClick);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i)
        StatusBar1->addWidget(new QLabel(StatusBar1), 1);
    auto *publisher = new QLabel(StatusBar1);
    publisher->setObjectName(QStringLiteral("StatusPanel4"));
    StatusBar1->addPermanentWidget(publisher);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(2);
    main->addWidget(ToolBar1);
    main->addWidget(PageControl1);
    main->addWidget(DBGridEh1, 1);
    main->addWidget(StatusBar1);

    auto *keys = new FormKeys(this);
    auto when = [](QAction *a) {
        return [a] {
            if (!a->isEnabled())
                return false;
            a->trigger();
            return true;
        };
    };
    keys->addKey(Qt::Key_A, Qt::ControlModifier, when(tbNew));
    keys->addKey(Qt::Key_E, Qt::ControlModifier, when(tbEdit));
    keys->addKey(Qt::Key_S, Qt::ControlModifier, when(tbSave));
    keys->addKey(Qt::Key_Delete, Qt::NoModifier, when(tbDel));
    keys->addKey(Qt::Key_Escape, Qt::NoModifier, [this] {
        if (tbCancel->isEnabled())
            tbCancel->trigger();
        else
            tbExit->trigger();
        return true;
    });

    SetEditing(true);
    FormShow();
}

QAction *TFrmCodeMan::addTool(const char *name, const QString &caption, int icon)
{
    QAction *a = ToolBar1->addAction(style()->standardIcon(QStyle::StandardPixmap(icon)), caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void TFrmCodeMan::FormShow()
{
    {
        const QSignalBlocker block(PageControl1);
        PageControl1->setCurrentIndex(0);
    }
    m_key = QStringLiteral("empname");
    openList();
    auto *panel = StatusBar1->findChild<QLabel *>(QStringLiteral("StatusPanel4"));
    panel->setText(PubUnit::PublisherCaption + QStringLiteral("  "));
}

QString TFrmCodeMan::columnTitle() const
{
    return tabCaptions().value(PageControl1->currentIndex());
}

void TFrmCodeMan::openList()
{
    GridColumn name;
    name.field = QStringLiteral("F_name");
    name.title = columnTitle();
    name.width = 300;
    const SqlStatement s = CodeStatements::dictionaryList(m_key);
    QryTable->load(s.text, s.values);
    m_loaded = QryTable->rows();
    DBGridEh1->setColumns({name});
    DBGridEh1->horizontalHeader()->setStretchLastSection(true);
}

void TFrmCodeMan::LoadType()
{
    m_key = CodeStatements::keyOfTab(tabNames().value(PageControl1->currentIndex()));
    openList();
}

void TFrmCodeMan::PageControl1Change()
{
    LoadType();
}

bool TFrmCodeMan::isBrowsing() const
{
    return !tbSave->isEnabled();
}

void TFrmCodeMan::SetEditing(bool browse)
{
    for (QAction *a : {tbNew, tbEdit, tbDel, tbExit, tbRefresh, tbPrint})
        a->setEnabled(browse);
    PageControl1->setEnabled(browse);
    tbSave->setEnabled(!browse);
    tbCancel->setEnabled(!browse);
}

void TFrmCodeMan::StampType()
{
    const int type = QryTable->fieldIndex(QStringLiteral("F_type"));
    DBGridEh1->setUpdatesEnabled(false);
    for (int r = 0; r < QryTable->rowCount(); ++r)
        QryTable->setValue(r, type, m_key);
    DBGridEh1->setUpdatesEnabled(true);
}

void TFrmCodeMan::finishCellEdit()
{
    // A cell being typed in keeps its text until its editor hands it over.
    for (QWidget *editor : DBGridEh1->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!editor->isVisible())
            continue;
        QMetaObject::invokeMethod(DBGridEh1, "commitData", Q_ARG(QWidget *, editor));
        QMetaObject::invokeMethod(DBGridEh1, "closeEditor", Q_ARG(QWidget *, editor),
                                  Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
    }
}

void TFrmCodeMan::tbNewClick()
{
    SetEditing(false);
    QryTable->setEditable(true);
    DBGridEh1->setReadOnly(false);
    const int row = QryTable->appendRow({QVariant(), QString(), m_key});
    QryTable->setCurrentRow(row);
    DBGridEh1->setFocus();
    DBGridEh1->edit(DBGridEh1->model()->index(row, 0));
}

void TFrmCodeMan::tbEditClick()
{
    if (QryTable->isEmpty()) {
        ShowMess(QStringLiteral("此表为空，没有记录需要修改！"), MessError);
        return;
    }
    SetEditing(false);
    QryTable->setEditable(true);
    DBGridEh1->setReadOnly(false);
    DBGridEh1->setFocus();
}

void TFrmCodeMan::DBGridEh1DblClick()
{
    if (tbEdit->isEnabled())
        tbEditClick();
}

bool TFrmCodeMan::writeBatch()
{
    QHash<qint64, QString> before;
    for (const QVariantList &r : m_loaded)
        before.insert(r.value(FieldId).toLongLong(), r.value(FieldName).toString());
    TdmData &dm = dmData();
    if (!dm.BeginTrans())
        return false;
    QSqlQuery q(dm.db());
    bool ok = true;
    for (const QVariantList &r : QryTable->rows()) {
        const QString name = r.value(FieldName).toString().left(NameWidth);
        if (r.value(FieldId).isNull()) {
            if (!name.trimmed().isEmpty())  // a row appended but never typed in is no entry
                ok = dm.run(q, QStringLiteral("insert into t_code (F_name, F_type) values (?, ?)"), {name, m_key});
        } else if (before.value(r.value(FieldId).toLongLong()) != name) {
            ok = dm.run(q, QStringLiteral("update t_code set F_name = ?, F_type = ? where F_ID = ?"),
                        {name, m_key, r.value(FieldId)});
        }
        if (!ok)
            break;
    }
    if (ok && dm.CommitTrans())
        return true;
    dm.RollbackTrans();
    return false;
}

void TFrmCodeMan::tbSaveClick()
{
    finishCellEdit();
    SetEditing(true);
    StampType();
    DBGridEh1->setReadOnly(true);
    QryTable->setEditable(false);
    if (!writeBatch())
        ShowMess(Msg::OperationFailed, MessError);
    const qint64 at = QryTable->currentRow();
    openList();
    QryTable->setCurrentRow(int(at));
}

void TFrmCodeMan::tbCancelClick()
{
    finishCellEdit();
    SetEditing(true);
    DBGridEh1->setReadOnly(true);
    QryTable->setEditable(false);
    openList();
}

void TFrmCodeMan::tbDelClick()
{
    if (QryTable->isEmpty()) {
        ShowMess(QStringLiteral("此表是空表，不需要删除！"), MessInfo);
        return;
    }
    const int row = QryTable->currentRow();
    const QString name = QryTable->value(row, FieldName).toString();
    if (ShowMess(QStringLiteral("真的要删除 \"") + columnTitle() + QStringLiteral("\"") + name + QStringLiteral("吗？"),
                 MessQuestion) == MessNo)
        return;
    if (!dmData().ExecSql(QStringLiteral("delete from t_code where F_ID = ?"), {QryTable->value(row, FieldId)}))
        return;
    QryTable->removeRows({QryTable->keyAt(row)});
    m_loaded = QryTable->rows();
}

void TFrmCodeMan::tbRefreshClick()
{
    openList();
}

void TFrmCodeMan::tbPrintClick()
{
    PrintDictionaryGrid(DBGridEh1, columnTitle() + QStringLiteral("设置"), this);
}

void TFrmCodeMan::tbExitClick()
{
    close();
}

void ShowCodeMan(QWidget *parent)
{
    TFrmCodeMan form(parent);
    DispFormPos(&form, 1);
    form.exec();
}
