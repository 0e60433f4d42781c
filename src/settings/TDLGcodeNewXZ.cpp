#include "settings/TDLGcodeNewXZ.h"

#include "core/DataModule.h"
#include "settings/CodeStatements.h"
#include "settings/TDLGaddText.h"
#include "widgets/FormFont.h"
#include "widgets/FormHelpers.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

TDLGcodeNewXZ::TDLGcodeNewXZ(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DLGcodeNewXZ"));
    setWindowTitle(QStringLiteral("基础代码选择"));
    setFont(formFont());

    auto *Label1 = new QLabel(QStringLiteral("名    称："), this);
    edtname = new QLineEdit(this);
    edtname->setObjectName(QStringLiteral("edtname"));
    edtname->setMaxLength(255);
    MarkChineseInput(edtname);
    Label1->setBuddy(edtname);
    BitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("查询"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));

    DBGridEh1 = new QTableWidget(0, 1, this);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setHorizontalHeaderLabels({QStringLiteral(" 名    称 ")});
    DBGridEh1->horizontalHeader()->setStretchLastSection(true);
    DBGridEh1->verticalHeader()->setDefaultSectionSize(20);
    DBGridEh1->verticalHeader()->hide();
    DBGridEh1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridEh1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridEh1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGridEh1->setTabKeyNavigation(false);
    DBGridEh1->setMinimumSize(280, 240);
    DBGridEh1->installEventFilter(this);

    Button1 = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogNewFolder), QStringLiteral("新增"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确定"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("关闭"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton *b : {BitBtn3, Button1, BitBtn1, BitBtn2})
        b->setAutoDefault(false);

    connect(edtname, &QLineEdit::textChanged, this, &TDLGcodeNewXZ::edtnameChange);
    connect(BitBtn3, &QPushButton::clicked, this, &TDLGcodeNewXZ::BitBtn3Click);
    connect(DBGridEh1, &QTableWidget::cellDoubleClicked, this, &TDLGcodeNewXZ::DBGridEh1DblClick);
    connect(Button1, &QPushButton::clicked, this, &TDLGcodeNewXZ::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(edtname, 1);
    top->addWidget(BitBtn3);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Button1);
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    bottom->addWidget(BitBtn2);
    auto *main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(DBGridEh1, 1);
    main->addLayout(bottom);
    resize(360, 420);
    setTabOrder(DBGridEh1, edtname);
    setTabOrder(edtname, BitBtn3);
}

void TDLGcodeNewXZ::showRows(const QString &sql, const QVariantList &values)
{
    DBGridEh1->setRowCount(0);
    QSqlQuery q(dmData().db());
    q.setForwardOnly(true);
    if (!dmData().OpenQuery(q, sql, values))
        return;
    while (q.next()) {
        const int row = DBGridEh1->rowCount();
        DBGridEh1->insertRow(row);
        DBGridEh1->setItem(row, 0, new QTableWidgetItem(q.value(0).toString()));
    }
    if (DBGridEh1->rowCount() > 0)
        DBGridEh1->setCurrentCell(0, 0);
}

void TDLGcodeNewXZ::locate(const QString &name)
{
    for (int r = 0; r < DBGridEh1->rowCount(); ++r)
        if (DBGridEh1->item(r, 0)->text() == name) {
            DBGridEh1->setCurrentCell(r, 0);
            DBGridEh1->scrollToItem(DBGridEh1->item(r, 0));
            return;
        }
}

QStringList TDLGcodeNewXZ::names() const
{
    QStringList out;
    for (int r = 0; r < DBGridEh1->rowCount(); ++r)
        out << DBGridEh1->item(r, 0)->text();
    return out;
}

QString TDLGcodeNewXZ::currentName() const
{
    const QTableWidgetItem *item = DBGridEh1->currentRow() >= 0 ? DBGridEh1->item(DBGridEh1->currentRow(), 0) : nullptr;
    return item ? item->text() : QString();
}

void TDLGcodeNewXZ::BitBtn3Click()
{
    const SqlStatement s = CodeStatements::pickSearch(m_key, edtname->text());
    showRows(s.text, s.values);
}

void TDLGcodeNewXZ::edtnameChange()
{
    BitBtn3Click();
}

void TDLGcodeNewXZ::DBGridEh1DblClick()
{
    accept();
}

bool TDLGcodeNewXZ::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGridEh1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDLGcodeNewXZ::Button1Click()
{
    const std::optional<QString> name = AskText(this);
    if (!name)
        return;
    const SqlStatement s = CodeStatements::insertEntry(m_key, *name);
    if (!dmData().ExecSql(s.text, s.values))
        return;
    m_added = true;
    const int row = DBGridEh1->rowCount();
    DBGridEh1->insertRow(row);
    DBGridEh1->setItem(row, 0, new QTableWidgetItem(*name));
    DBGridEh1->setCurrentCell(row, 0);
    DBGridEh1->scrollToItem(DBGridEh1->item(row, 0));
}

QString TDLGcodeNewXZ::PickCode(QComboBox *box)
{
    const QString start = box->currentText();
    m_added = false;
    const SqlStatement list = CodeStatements::pickList(m_key);
    showRows(list.text, list.values);
    locate(start);
    DBGridEh1->setFocus();
    DispFormPos(this, 1);
    const bool ok = exec() == Accepted;
    const QString result = ok ? currentName() : QString();
    if (m_added) {
        const SqlStatement items = CodeStatements::comboItems(m_key);
        FillItems(items.text, items.values, box);
    }
    if (ok && !result.isEmpty()) {
        SelectComboItem(result, box);
        // The box may list other names (a province box lists the provinces of the
        // records); the picked name goes into it all the same.
        if (box->currentText().trimmed().compare(result.trimmed(), Qt::CaseInsensitive) != 0)
            box->setEditText(result);
    }
    return result;
}

QString PickCode(const QString &typeKey, const QString &caption, QComboBox *box, QWidget *parent)
{
    TDLGcodeNewXZ dlg(parent);
    dlg.setTypeKey(typeKey);
    dlg.setWindowTitle(caption);
    return dlg.PickCode(box);
}
