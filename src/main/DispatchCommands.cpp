#include "main/DispatchCommands.h"

#include "core/Messages.h"
#include "core/UiHooks.h"
#include "main/CourierPanel.h"
#include "main/DispatchPanel.h"
#include "main/MainActionList.h"
#include "main/RecordList.h"
#include "report/ReportEngine.h"
#include "report/ui/DesignerEntry.h"
#include "settings/CodeStatements.h"
#include "report/ui/DesignerVariables.h"
#include "report/ui/PreviewReport.h"
#include "widgets/CheckDateEdit.h"
#include "widgets/FormHelpers.h"
#include "widgets/NumberEdit.h"
#include "widgets/SqlListModel.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace DispatchService;

DispatchCommands::DispatchCommands(QWidget *window, DispatchPanel *panel, CourierPanel *couriers, RecordList *records,
                                   MainActionList *actions)
    : QObject(window), m_window(window), m_panel(panel), m_couriers(couriers), m_records(records)
{
    actions->setHandler(QStringLiteral("208"), [this] { singleDispatch(); });
    actions->setHandler(QStringLiteral("209"), [this] { batchDispatch(); });
    connect(panel->BitBtn2, &QPushButton::clicked, this, [actions] { actions->run(QStringLiteral("208")); });
    connect(panel->BitBtn3, &QPushButton::clicked, this, [actions] { actions->run(QStringLiteral("209")); });
    // The panel buttons follow their actions' rights.
    connect(actions->action(QStringLiteral("208")), &QAction::visibleChanged, panel->BitBtn2,
            [panel, actions] { panel->BitBtn2->setEnabled(actions->action(QStringLiteral("208"))->isVisible()); });
    connect(actions->action(QStringLiteral("209")), &QAction::visibleChanged, panel->BitBtn3,
            [panel, actions] { panel->BitBtn3->setEnabled(actions->action(QStringLiteral("209"))->isVisible()); });
    connect(couriers->lbKDlist, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { LoadCourier(item->text()); });
    connect(couriers->btnKDset, &QPushButton::clicked, this, &DispatchCommands::btnKDsetClick);
    connect(couriers->btnKDweb, &QPushButton::clicked, this, &DispatchCommands::btnKDwebClick);
    bindFeeRule();
    refillOnFocus();
}

void DispatchCommands::bindFeeRule()
{
    auto apply = [this](bool totalChanged) {
        if (m_applyingFees)
            return;
        m_applyingFees = true;
        Fees f{m_panel->ceYF->value(), m_panel->ceBJF->value(), m_panel->ceFYtotal->value()};
        f = totalChanged ? afterTotal(f) : afterFreightOrInsurance(f);
        m_panel->ceBJF->setValue(f.insurance);
        m_panel->ceFYtotal->setValue(f.total);
        m_applyingFees = false;
    };
    connect(m_panel->ceYF, &NumberEdit::valueChanged, this, [apply] { apply(false); });
    connect(m_panel->ceBJF, &NumberEdit::valueChanged, this, [apply] { apply(false); });
    connect(m_panel->ceFYtotal, &NumberEdit::valueChanged, this, [apply] { apply(true); });
}

void DispatchCommands::refillOnFocus()
{
    m_panel->cbbHPname->installEventFilter(this);
    m_panel->cbbFJemp->installEventFilter(this);
}

bool DispatchCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_panel->cbbHPname || watched == m_panel->cbbFJemp)) {
        auto *box = static_cast<QComboBox *>(watched);
        const SqlStatement s = CodeStatements::comboItems(box == m_panel->cbbHPname ? QStringLiteral("HPname")
                                                                                     : QStringLiteral("FJemp"));
        FillItems(s.text, s.values, box);
    }
    return QObject::eventFilter(watched, event);
}

void DispatchCommands::LoadCourierList()
{
    const QStringList names = DispatchService::LoadCourierList();
    if (names.isEmpty())
        return;
    m_couriers->lbKDlist->clear();
    m_couriers->lbKDlist->addItems(names);
}

void DispatchCommands::SelectDefaultCourier(const QString &name)
{
    QStringList entries;
    for (int i = 0; i < m_couriers->lbKDlist->count(); ++i)
        entries << m_couriers->lbKDlist->item(i)->text();
    const int row = DispatchService::SelectDefaultCourier(entries, name);
    if (row >= 0)
        m_couriers->lbKDlist->setCurrentRow(row);
}

void DispatchCommands::LoadDispatchDefaults()
{
    const Values v = DispatchService::LoadDispatchDefaults();
    m_panel->cbbHPname->setEditText(v.goods);
    m_panel->rceSL->setValue(v.quantity);
    m_panel->rceZL->setValue(v.weight);
    m_panel->ceYF->setValue(v.freight);
    m_panel->ceBJF->setValue(v.insurance);
    m_panel->ceFYtotal->setValue(v.total);
    m_panel->cbbFJemp->setEditText(v.sender);
    m_panel->dtpFHdate->setDate(v.date);
}

Values DispatchCommands::panelValues() const
{
    Values v;
    v.goods = m_panel->cbbHPname->currentText();
    v.quantity = m_panel->rceSL->value();
    v.weight = m_panel->rceZL->value();
    v.freight = m_panel->ceYF->value();
    v.insurance = m_panel->ceBJF->value();
    v.total = m_panel->ceFYtotal->value();
    v.sender = m_panel->cbbFJemp->currentText();
    v.date = m_panel->dtpFHdate->date();
    v.waybill = m_panel->edtKDcode->text();
    if (QListWidgetItem *item = m_couriers->lbKDlist->currentItem())
        v.courier = item->text();
    return v;
}

void DispatchCommands::LoadCourier(const QString &name) { m_courier = DispatchService::LoadCourier(name); }

QString DispatchCommands::chosenCourier(bool chooseFirst)
{
    QListWidget *list = m_couriers->lbKDlist;
    if (list->count() == 0)
        return {};
    if (!list->currentItem()) {
        if (!chooseFirst)
            return {};
        list->setCurrentRow(0);
    }
    return list->currentItem()->text();
}

void DispatchCommands::singleDispatch()
{
    SqlListModel *list = m_records->QryMain;
    if (!list->isOpen() || list->isEmpty())
        return;
    if (list->current(QStringLiteral("F_useFlag")).toBool() &&
        ShowMess(QStringLiteral("公司名称为“") + list->current(QStringLiteral("F_name")).toString() +
                     QStringLiteral("”的客户已经发货，真的重新再发货吗？"),
                 MessQuestion) == MessNo)
        return;
    const QString courier = chosenCourier(true);
    if (courier.isEmpty()) {
        ShowMess(NoCourier, MessInfo);
        return;
    }
    const qint64 id = list->currentKey();
    if (!writeSingle(id, panelValues()))
        return;  // nothing prints after a failed write
    m_records->reopenOn(int(id));
    LoadCourier(courier);
    ReportEngine &engine = ReportEngine::shared();
    prepareWaybills(engine, m_courier, false, id, panelValues());
    ShowReportPreview(engine, m_window);
    ShowMess(Success, MessInfo);
}

void DispatchCommands::batchDispatch()
{
    SqlListModel *list = m_records->QryMain;
    if (ShowMess(QStringLiteral("真的要打印发送当前所选的记录快递吗？"), MessQuestion) == MessNo || !list->isOpen() || list->isEmpty())
        return;
    const QString courier = chosenCourier(true);
    if (courier.isEmpty()) {
        ShowMess(NoCourier, MessInfo);
        return;
    }
    LoadCourier(courier);
    const QList<qint64> keys = list->selectedKeys();
    if (keys.isEmpty()) {
        ShowMess(QStringLiteral("请选择需要发送的快递资料！"), MessInfo);
        return;
    }
    const Values v = panelValues();
    const BatchResult r = FillBatchTable(keys, v);
    if (!r.ok) {
        ShowMess(batchFailureMessage(r), MessError);
        return;
    }
    m_records->reopenOn(m_records->currentRecordId());
    ReportEngine &engine = ReportEngine::shared();
    prepareWaybills(engine, m_courier, true, 0, v);
    ShowReportPreview(engine, m_window);
    ShowMess(Success, MessInfo);
}

void DispatchCommands::btnKDsetClick()
{
    const QString courier = chosenCourier(false);
    if (courier.isEmpty()) {
        ShowMess(QStringLiteral("请先在右侧列表中选择快递类型！"), MessInfo);
        return;
    }
    LoadCourier(courier);
    DesignRequest r;
    r.datasets = {{recipientSource(m_records->currentRecordId()), QStringLiteral("frxMain"), QString()},
                  {courierSource(m_courier.id), QStringLiteral("frxImage"), QString()},
                  {senderSource(), QStringLiteral("frxDBDataset1"), QString()}};
    r.variables = DesignerVariables::waybillVariables();
    r.scannedPicture = m_courier.picturePath;
    r.waybill = true;
    const Values v = panelValues();
    ReportEngine::shared().setValueCallback([v](const QString &name, QVariant &value) { return answerValue(v, name, value); });
    DesignReport(m_courier.templateFile(), r, m_window);
}

void DispatchCommands::btnKDwebClick()
{
    const QString courier = chosenCourier(false);
    if (courier.isEmpty()) {
        ShowMess(QStringLiteral("请先在右侧列表中选择快递类型！"), MessInfo);
        return;
    }
    LoadCourier(courier);
    if (!isWebAddress(m_courier.web)) {
        ShowMess(BadWebAddress, MessWarning);
        return;
    }
    UiHooks::openDocument(m_courier.web);
}
