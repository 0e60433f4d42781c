#pragma once

#include "main/DispatchService.h"

#include <QObject>

class CourierPanel;
class DispatchPanel;
class MainActionList;
class RecordList;
class QWidget;

// The dispatch panel, the courier column and the two dispatch commands of the
// main window: single dispatch (Action208) and batch dispatch (Action209), the
// waybill design and the courier's web site.
class DispatchCommands : public QObject
{
    Q_OBJECT
public:
    DispatchCommands(QWidget *window, DispatchPanel *panel, CourierPanel *couriers, RecordList *records,
                     MainActionList *actions);

    // Show-time steps.
    void LoadCourierList();
    void SelectDefaultCourier(const QString &name);
    void LoadDispatchDefaults();

    DispatchService::Values panelValues() const;
    const DispatchService::Courier &CurrentCourier() const { return m_courier; }
    void LoadCourier(const QString &name);

    void singleDispatch();  // Action208
    void batchDispatch();   // Action209
    void btnKDsetClick();
    void btnKDwebClick();

    static inline const QString NoCourier = QStringLiteral("请先在“快递类型设置”中设置快递类型！");
    static inline const QString Success = QStringLiteral("当前客户发货成功！");

private:
    // The chosen courier's name, choosing the first when none is; empty when the list is empty.
    QString chosenCourier(bool chooseFirst);
    void bindFeeRule();
    void refillOnFocus();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *m_window;
    DispatchPanel *m_panel;
    CourierPanel *m_couriers;
    RecordList *m_records;
    DispatchService::Courier m_courier;
    bool m_applyingFees = false;
};
