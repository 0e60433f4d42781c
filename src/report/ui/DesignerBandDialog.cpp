#include "report/ui/DesignerBandDialog.h"

#include "report/ui/DesignerDocument.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

DesignerBandDialog::DesignerBandDialog(bool adding, const Values &v, const QStringList &datasets,
                                       std::function<QString(ReportBand::Kind)> proposeName, QWidget *parent)
    : QDialog(parent), m_propose(std::move(proposeName))
{
    setObjectName(QStringLiteral("DesignerBandDialog"));
    setWindowTitle(adding ? QStringLiteral("添加区域") : QStringLiteral("区域属性"));
    auto *form = new QFormLayout(this);
    m_kind = new QComboBox(this);
    for (ReportBand::Kind k : {ReportBand::Kind::ReportTitle, ReportBand::Kind::PageHeader, ReportBand::Kind::Header,
                               ReportBand::Kind::MasterData, ReportBand::Kind::Footer, ReportBand::Kind::PageFooter,
                               ReportBand::Kind::ReportSummary})
        m_kind->addItem(DesignerDocument::bandKindCaption(k), int(k));
    if (v.kind == ReportBand::Kind::Other)
        m_kind->addItem(DesignerDocument::bandKindCaption(v.kind), int(v.kind));
    m_kind->setCurrentIndex(m_kind->findData(int(v.kind)));
    m_kind->setEnabled(adding);
    form->addRow(QStringLiteral("类型"), m_kind);
    m_name = new QLineEdit(v.name, this);
    m_name->setObjectName(QStringLiteral("edtBandName"));
    form->addRow(QStringLiteral("名称"), m_name);
    m_height = new QDoubleSpinBox(this);
    m_height->setRange(1, 2000);
    m_height->setDecimals(2);
    m_height->setSuffix(QStringLiteral(" mm"));
    m_height->setValue(v.heightMm);
    form->addRow(QStringLiteral("高度"), m_height);
    m_dataset = new QComboBox(this);
    m_dataset->addItem(QStringLiteral("（无）"), QString());
    for (const QString &d : datasets)
        m_dataset->addItem(d, d);
    if (!v.dataset.isEmpty() && m_dataset->findData(v.dataset) < 0)
        m_dataset->addItem(v.dataset, v.dataset);
    m_dataset->setCurrentIndex(std::max(0, m_dataset->findData(v.dataset)));
    form->addRow(QStringLiteral("数据集"), m_dataset);
    m_rows = new QSpinBox(this);
    m_rows->setRange(0, 9999);
    m_rows->setValue(v.rowCount);
    m_rows->setToolTip(QStringLiteral("没有数据集时打印的次数"));
    form->addRow(QStringLiteral("行数"), m_rows);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    connect(m_kind, &QComboBox::activated, this, &DesignerBandDialog::kindChosen);
    kindChosen();
}

void DesignerBandDialog::kindChosen()
{
    const auto kind = ReportBand::Kind(m_kind->currentData().toInt());
    const bool master = kind == ReportBand::Kind::MasterData;
    m_dataset->setEnabled(master);
    m_rows->setEnabled(master);
    if (m_kind->isEnabled() && m_propose)
        m_name->setText(m_propose(kind));
}

DesignerBandDialog::Values DesignerBandDialog::values() const
{
    Values v;
    v.kind = ReportBand::Kind(m_kind->currentData().toInt());
    v.name = m_name->text().trimmed();
    v.heightMm = m_height->value();
    v.dataset = m_dataset->currentData().toString();
    v.rowCount = m_rows->value();
    return v;
}
