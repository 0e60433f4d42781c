#include "report/ui/DesignerPageDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox *mm(double min, double max, QWidget *parent)
{
    auto *s = new QDoubleSpinBox(parent);
    s->setRange(min, max);
    s->setDecimals(2);
    s->setSingleStep(0.5);
    s->setSuffix(QStringLiteral(" mm"));
    return s;
}

} // namespace

DesignerPageDialog::DesignerPageDialog(const DesignerPageSettings &s, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DesignerPageDialog"));
    setWindowTitle(QStringLiteral("页面设置"));
    auto *layout = new QVBoxLayout(this);

    auto *paperBox = new QGroupBox(QStringLiteral("纸张"), this);
    auto *pf = new QFormLayout(paperBox);
    m_paper = new QComboBox(paperBox);
    m_paper->setObjectName(QStringLiteral("cbbPaper"));
    for (const DesignerPaper &p : DesignerPapers::all())
        m_paper->addItem(p.number == DesignerPapers::Custom ? p.name
                                                            : QStringLiteral("%1（%2 × %3 mm）").arg(p.name).arg(p.width).arg(p.height),
                         p.number);
    m_width = mm(10, 2000, paperBox);
    m_height = mm(10, 2000, paperBox);
    pf->addRow(QStringLiteral("纸张大小"), m_paper);
    pf->addRow(QStringLiteral("宽度"), m_width);
    pf->addRow(QStringLiteral("高度"), m_height);
    m_portrait = new QRadioButton(QStringLiteral("纵向"), paperBox);
    m_landscape = new QRadioButton(QStringLiteral("横向"), paperBox);
    auto *orient = new QHBoxLayout;
    orient->addWidget(m_portrait);
    orient->addWidget(m_landscape);
    orient->addStretch();
    pf->addRow(QStringLiteral("方向"), orient);
    layout->addWidget(paperBox);

    auto *marginBox = new QGroupBox(QStringLiteral("页边距"), this);
    auto *mg = new QGridLayout(marginBox);
    m_left = mm(0, 500, marginBox);
    m_top = mm(0, 500, marginBox);
    m_right = mm(0, 500, marginBox);
    m_bottom = mm(0, 500, marginBox);
    mg->addWidget(new QLabel(QStringLiteral("左"), marginBox), 0, 0);
    mg->addWidget(m_left, 0, 1);
    mg->addWidget(new QLabel(QStringLiteral("右"), marginBox), 0, 2);
    mg->addWidget(m_right, 0, 3);
    mg->addWidget(new QLabel(QStringLiteral("上"), marginBox), 1, 0);
    mg->addWidget(m_top, 1, 1);
    mg->addWidget(new QLabel(QStringLiteral("下"), marginBox), 1, 2);
    mg->addWidget(m_bottom, 1, 3);
    layout->addWidget(marginBox);

    auto *offsetBox = new QGroupBox(QStringLiteral("打印偏移（打印机与快递单对不齐时调整）"), this);
    auto *og = new QFormLayout(offsetBox);
    m_offsetX = mm(-100, 100, offsetBox);
    m_offsetY = mm(-100, 100, offsetBox);
    og->addRow(QStringLiteral("向右"), m_offsetX);
    og->addRow(QStringLiteral("向下"), m_offsetY);
    layout->addWidget(offsetBox);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    const DesignerPaper *known = DesignerPapers::byNumber(s.paperSize);
    if (!known)
        known = DesignerPapers::bySize(s.width, s.height);
    m_paper->setCurrentIndex(m_paper->findData(known ? known->number : DesignerPapers::Custom));
    m_width->setValue(s.width);
    m_height->setValue(s.height);
    (s.landscape ? m_landscape : m_portrait)->setChecked(true);
    m_left->setValue(s.leftMargin);
    m_top->setValue(s.topMargin);
    m_right->setValue(s.rightMargin);
    m_bottom->setValue(s.bottomMargin);
    m_offsetX->setValue(s.printOffsetMm.x());
    m_offsetY->setValue(s.printOffsetMm.y());
    const bool custom = m_paper->currentData().toInt() == DesignerPapers::Custom;
    m_width->setEnabled(custom);
    m_height->setEnabled(custom);

    connect(m_paper, &QComboBox::activated, this, &DesignerPageDialog::paperChosen);
    connect(m_portrait, &QRadioButton::toggled, this, &DesignerPageDialog::orientationChosen);
}

void DesignerPageDialog::paperChosen()
{
    const DesignerPaper *p = DesignerPapers::byNumber(m_paper->currentData().toInt());
    m_width->setEnabled(!p);
    m_height->setEnabled(!p);
    if (!p)
        return;
    const bool land = m_landscape->isChecked();
    m_width->setValue(land ? p->height : p->width);
    m_height->setValue(land ? p->width : p->height);
}

void DesignerPageDialog::orientationChosen()
{
    const double w = m_width->value(), h = m_height->value();
    const bool land = m_landscape->isChecked();
    if ((land && w < h) || (!land && w > h)) {
        m_width->setValue(h);
        m_height->setValue(w);
    }
}

DesignerPageSettings DesignerPageDialog::settings() const
{
    DesignerPageSettings s;
    s.paperSize = m_paper->currentData().toInt();
    s.width = m_width->value();
    s.height = m_height->value();
    s.landscape = m_landscape->isChecked();
    s.leftMargin = m_left->value();
    s.topMargin = m_top->value();
    s.rightMargin = m_right->value();
    s.bottomMargin = m_bottom->value();
    s.printOffsetMm = QPointF(m_offsetX->value(), m_offsetY->value());
    return s;
}
