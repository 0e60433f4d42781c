#include "report/ui/DesignerPropertyPanel.h"

#include "report/ui/DesignerDocument.h"

#include "report/ReportObject.h"
#include "report/ReportStyle.h"

#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/UiHooks.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using P = DesignerProperty;

QDoubleSpinBox *mmBox(QWidget *parent)
{
    auto *s = new QDoubleSpinBox(parent);
    s->setDecimals(2);
    s->setRange(-2000, 2000);
    s->setSingleStep(0.1);
    s->setSuffix(QStringLiteral(" mm"));
    s->setKeyboardTracking(false);
    return s;
}

QToolButton *toggle(const QString &text, const QString &tip, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tip);
    b->setCheckable(true);
    b->setAutoRaise(false);
    return b;
}

QWidget *rowOf(std::initializer_list<QWidget *> widgets, QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(3);
    for (QWidget *x : widgets)
        l->addWidget(x);
    l->addStretch();
    return w;
}

} // namespace

DesignerPropertyPanel::DesignerPropertyPanel(DesignerDocument &doc, QWidget *parent) : QWidget(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("designerPropertyPanel"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    m_title = new QLabel(this);
    m_title->setWordWrap(true);
    outer->addWidget(m_title);
    m_form = new QFormLayout;
    m_form->setLabelAlignment(Qt::AlignRight);
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_form->setHorizontalSpacing(6);
    m_form->setVerticalSpacing(4);
    outer->addLayout(m_form);
    outer->addStretch();

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("edtName"));
    addRow(P::Name, DesignerProperties::label(P::Name), m_name);
    connect(m_name, &QLineEdit::editingFinished, this, [this] { apply(P::Name, m_name->text()); });

    m_left = mmBox(this);
    m_top = mmBox(this);
    m_width = mmBox(this);
    m_height = mmBox(this);
    m_width->setMinimum(0);
    m_height->setMinimum(0);
    m_geometryRow = new QWidget(this);
    auto *g = new QFormLayout(m_geometryRow);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(2);
    g->addRow(QStringLiteral("左"), m_left);
    g->addRow(QStringLiteral("上"), m_top);
    g->addRow(QStringLiteral("宽"), m_width);
    g->addRow(QStringLiteral("高"), m_height);
    m_form->addRow(QStringLiteral("位置"), m_geometryRow);
    for (QDoubleSpinBox *s : {m_left, m_top, m_width, m_height})
        connect(s, &QDoubleSpinBox::valueChanged, this, [this] { applyGeometry(); });

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("memoText"));
    m_text->setFixedHeight(64);
    m_text->setToolTip(QStringLiteral("文字与方括号中的表达式，如 收件人：[收件信息.\"收件人\"]；离开此框时生效"));
    m_text->installEventFilter(this);
    addRow(P::Text, DesignerProperties::label(P::Text), m_text);

    m_fontName = new QComboBox(this);
    m_fontName->setEditable(true);
    m_fontName->addItems({QStringLiteral("宋体"), QStringLiteral("黑体"), QStringLiteral("楷体"), QStringLiteral("仿宋"),
                          QStringLiteral("微软雅黑"), QStringLiteral("Arial"), QStringLiteral("Times New Roman"),
                          QStringLiteral("Courier New"), QStringLiteral("Tahoma")});
    addRow(P::FontName, DesignerProperties::label(P::FontName), m_fontName);
    connect(m_fontName, &QComboBox::textActivated, this, [this](const QString &t) { apply(P::FontName, t); });
    connect(m_fontName->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { apply(P::FontName, m_fontName->currentText().trimmed()); });

    m_fontSize = new QDoubleSpinBox(this);
    m_fontSize->setRange(4, 96);
    m_fontSize->setDecimals(1);
    m_fontSize->setSingleStep(0.5);
    m_fontSize->setKeyboardTracking(false);
    m_bold = toggle(QStringLiteral("B"), QStringLiteral("粗体"), this);
    QFont bf = m_bold->font();
    bf.setBold(true);
    m_bold->setFont(bf);
    m_italic = toggle(QStringLiteral("I"), QStringLiteral("斜体"), this);
    m_underline = toggle(QStringLiteral("U"), QStringLiteral("下划线"), this);
    m_fontColor = colorButton(P::FontColor);
    addRow(P::FontSize, DesignerProperties::label(P::FontSize),
           rowOf({m_fontSize, m_bold, m_italic, m_underline, m_fontColor}, this));
    connect(m_fontSize, &QDoubleSpinBox::valueChanged, this, [this](double v) { apply(P::FontSize, v); });
    connect(m_bold, &QToolButton::toggled, this, [this](bool on) { apply(P::Bold, on); });
    connect(m_italic, &QToolButton::toggled, this, [this](bool on) { apply(P::Italic, on); });
    connect(m_underline, &QToolButton::toggled, this, [this](bool on) { apply(P::Underline, on); });

    m_hAlign = new QComboBox(this);
    m_hAlign->addItem(QStringLiteral("左对齐"), int(HAlign::Left));
    m_hAlign->addItem(QStringLiteral("居中"), int(HAlign::Center));
    m_hAlign->addItem(QStringLiteral("右对齐"), int(HAlign::Right));
    m_hAlign->addItem(QStringLiteral("两端对齐"), int(HAlign::Block));
    addRow(P::HAlign, DesignerProperties::label(P::HAlign), m_hAlign);
    connect(m_hAlign, &QComboBox::activated, this, [this] { apply(P::HAlign, m_hAlign->currentData()); });
    m_vAlign = new QComboBox(this);
    m_vAlign->addItem(QStringLiteral("顶端"), int(VAlign::Top));
    m_vAlign->addItem(QStringLiteral("居中"), int(VAlign::Center));
    m_vAlign->addItem(QStringLiteral("底端"), int(VAlign::Bottom));
    addRow(P::VAlign, DesignerProperties::label(P::VAlign), m_vAlign);
    connect(m_vAlign, &QComboBox::activated, this, [this] { apply(P::VAlign, m_vAlign->currentData()); });

    m_wordWrap = new QCheckBox(DesignerProperties::label(P::WordWrap), this);
    addRow(P::WordWrap, QString(), m_wordWrap);
    connect(m_wordWrap, &QCheckBox::toggled, this, [this](bool on) { apply(P::WordWrap, on); });

    const QString sides[4] = {QStringLiteral("左"), QStringLiteral("上"), QStringLiteral("右"), QStringLiteral("下")};
    const int bits[4] = {ReportFrame::Left, ReportFrame::Top, ReportFrame::Right, ReportFrame::Bottom};
    for (int i = 0; i < 4; ++i)
        m_frameSide[i] = toggle(sides[i], sides[i] + QStringLiteral("边框线"), this);
    auto *all = new QToolButton(this);
    all->setText(QStringLiteral("全部"));
    auto *none = new QToolButton(this);
    none->setText(QStringLiteral("无"));
    addRow(P::FrameSides, DesignerProperties::label(P::FrameSides),
           rowOf({m_frameSide[0], m_frameSide[1], m_frameSide[2], m_frameSide[3], all, none}, this));
    const auto applySides = [this, bits] {
        int typ = 0;
        for (int i = 0; i < 4; ++i)
            if (m_frameSide[i]->isChecked())
                typ |= bits[i];
        apply(P::FrameSides, typ);
    };
    for (QToolButton *b : m_frameSide)
        connect(b, &QToolButton::toggled, this, applySides);
    connect(all, &QToolButton::clicked, this, [this] { apply(P::FrameSides, int(ReportFrame::All)); });
    connect(none, &QToolButton::clicked, this, [this] { apply(P::FrameSides, 0); });

    m_frameWidth = new QDoubleSpinBox(this);
    m_frameWidth->setRange(0.1, 20);
    m_frameWidth->setDecimals(1);
    m_frameWidth->setSingleStep(0.5);
    m_frameWidth->setKeyboardTracking(false);
    m_frameColor = colorButton(P::FrameColor);
    addRow(P::FrameWidth, DesignerProperties::label(P::FrameWidth), rowOf({m_frameWidth, m_frameColor}, this));
    connect(m_frameWidth, &QDoubleSpinBox::valueChanged, this, [this](double v) { apply(P::FrameWidth, v); });

    m_fillColor = colorButton(P::FillColor);
    auto *noFill = new QToolButton(this);
    noFill->setText(QStringLiteral("不填充"));
    noFill->setToolTip(QStringLiteral("不填充"));
    addRow(P::FillColor, DesignerProperties::label(P::FillColor), rowOf({m_fillColor, noFill}, this));
    connect(noFill, &QToolButton::clicked, this, [this] { apply(P::FillColor, QColor()); });

    m_formatKind = new QComboBox(this);
    m_formatKind->addItem(QStringLiteral("文本"), QStringLiteral("fkText"));
    m_formatKind->addItem(QStringLiteral("数字"), QStringLiteral("fkNumeric"));
    m_formatKind->addItem(QStringLiteral("日期时间"), QStringLiteral("fkDateTime"));
    m_formatKind->addItem(QStringLiteral("布尔"), QStringLiteral("fkBoolean"));
    addRow(P::FormatKind, DesignerProperties::label(P::FormatKind), m_formatKind);
    connect(m_formatKind, &QComboBox::activated, this, [this] { apply(P::FormatKind, m_formatKind->currentData()); });
    m_formatString = new QComboBox(this);
    m_formatString->setEditable(true);
    m_formatString->addItems({QString(), QStringLiteral("%2.2f"), QStringLiteral("#,##0.00"), QStringLiteral("0"),
                              QStringLiteral("yyyy-mm-dd"), QStringLiteral("yyyy年mm月dd日")});
    addRow(P::FormatString, DesignerProperties::label(P::FormatString), m_formatString);
    connect(m_formatString->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { apply(P::FormatString, m_formatString->currentText()); });
    connect(m_formatString, &QComboBox::textActivated, this, [this](const QString &t) { apply(P::FormatString, t); });

    m_printable = new QCheckBox(QStringLiteral("打印此对象"), this);
    m_printable->setToolTip(QStringLiteral("不打印的对象只在设计和预览中显示，如快递单底图"));
    addRow(P::Printable, QString(), m_printable);
    connect(m_printable, &QCheckBox::toggled, this, [this](bool on) { apply(P::Printable, on); });

    auto *load = new QPushButton(QStringLiteral("载入..."), this);
    auto *clear = new QPushButton(QStringLiteral("清除"), this);
    m_keepAspect = new QCheckBox(QStringLiteral("保持比例"), this);
    addRow(P::Picture, DesignerProperties::label(P::Picture), rowOf({load, clear, m_keepAspect}, this));
    connect(load, &QPushButton::clicked, this, &DesignerPropertyPanel::loadPicture);
    connect(clear, &QPushButton::clicked, this, [this] { apply(P::Picture, QByteArray()); });
    connect(m_keepAspect, &QCheckBox::toggled, this, [this](bool on) { apply(P::KeepAspect, on); });

    m_barType = new QComboBox(this);
    m_barType->addItem(QStringLiteral("Code 128"), QStringLiteral("bcCode128"));
    m_barType->addItem(QStringLiteral("Code 39"), QStringLiteral("bcCode39"));
    m_barType->addItem(QStringLiteral("EAN-13"), QStringLiteral("bcCodeEAN13"));
    m_barType->addItem(QStringLiteral("交叉 2/5"), QStringLiteral("bcCode_2_5_interleaved"));
    addRow(P::BarType, DesignerProperties::label(P::BarType), m_barType);
    connect(m_barType, &QComboBox::activated, this, [this] { apply(P::BarType, m_barType->currentData()); });

    m_shape = new QComboBox(this);
    m_shape->addItem(QStringLiteral("矩形"), QStringLiteral("skRectangle"));
    m_shape->addItem(QStringLiteral("圆角矩形"), QStringLiteral("skRoundRectangle"));
    m_shape->addItem(QStringLiteral("椭圆"), QStringLiteral("skEllipse"));
    m_shape->addItem(QStringLiteral("三角形"), QStringLiteral("skTriangle"));
    m_shape->addItem(QStringLiteral("菱形"), QStringLiteral("skDiamond"));
    addRow(P::ShapeKind, DesignerProperties::label(P::ShapeKind), m_shape);
    connect(m_shape, &QComboBox::activated, this, [this] { apply(P::ShapeKind, m_shape->currentData()); });

    connect(&m_doc, &DesignerDocument::selectionChanged, this, &DesignerPropertyPanel::refresh);
    connect(&m_doc, &DesignerDocument::changed, this, &DesignerPropertyPanel::refresh);
    refresh();
}

void DesignerPropertyPanel::addRow(DesignerProperty p, const QString &label, QWidget *field)
{
    if (label.isEmpty())
        m_form->addRow(field);
    else
        m_form->addRow(label, field);
    m_rows.insert(p, field);
}

QPushButton *DesignerPropertyPanel::colorButton(DesignerProperty p)
{
    auto *b = new QPushButton(this);
    b->setFixedSize(34, 22);
    b->setToolTip(DesignerProperties::label(p));
    connect(b, &QPushButton::clicked, this, [this, p] {
        const QList<ReportObject *> &sel = m_doc.selection();
        if (sel.isEmpty())
            return;
        const QColor now = DesignerProperties::value(*sel.constFirst(), p).value<QColor>();
        const QColor c = QColorDialog::getColor(now.isValid() ? now : QColor(Qt::white), this,
                                                DesignerProperties::label(p));
        if (c.isValid())
            apply(p, c);
    });
    return b;
}

void DesignerPropertyPanel::showColor(QPushButton *b, const QColor &c)
{
    b->setText(c.isValid() ? QString() : QStringLiteral("无"));
    b->setStyleSheet(c.isValid() ? QStringLiteral("background-color: %1;").arg(c.name()) : QString());
}

void DesignerPropertyPanel::refresh()
{
    const QList<ReportObject *> &sel = m_doc.selection();
    m_updating = true;
    if (sel.isEmpty())
        m_title->setText(QStringLiteral("未选中对象。单击页面上的对象，或从左边的数据栏双击字段插入。"));
    else if (sel.size() == 1)
        m_title->setText(QStringLiteral("<b>%1</b>").arg(sel.constFirst()->name.toHtmlEscaped()));
    else
        m_title->setText(QStringLiteral("已选中 %1 个对象（按第一个显示）").arg(sel.size()));
    m_form->setRowVisible(m_geometryRow, !sel.isEmpty());
    for (auto it = m_rows.constBegin(); it != m_rows.constEnd(); ++it) {
        bool fits = false;
        for (ReportObject *o : sel)
            fits = fits || DesignerProperties::applies(*o, it.key());
        if (it.key() == P::Name)
            fits = sel.size() == 1;
        m_form->setRowVisible(it.value(), fits);
    }
    if (!sel.isEmpty()) {
        const ReportObject &o = *sel.constFirst();
        const auto v = [&o](P p) { return DesignerProperties::value(o, p); };
        m_name->setText(o.name);
        const QRectF r = m_doc.objectRectMm(o);
        m_left->setValue(r.x());
        m_top->setValue(r.y());
        m_width->setValue(r.width());
        m_height->setValue(r.height());
        if (!m_text->hasFocus())
            m_text->setPlainText(v(P::Text).toString());
        m_fontName->setCurrentText(v(P::FontName).toString());
        m_fontSize->setValue(v(P::FontSize).toDouble());
        m_bold->setChecked(v(P::Bold).toBool());
        m_italic->setChecked(v(P::Italic).toBool());
        m_underline->setChecked(v(P::Underline).toBool());
        showColor(m_fontColor, v(P::FontColor).value<QColor>());
        m_hAlign->setCurrentIndex(m_hAlign->findData(v(P::HAlign).toInt()));
        m_vAlign->setCurrentIndex(m_vAlign->findData(v(P::VAlign).toInt()));
        m_wordWrap->setChecked(v(P::WordWrap).toBool());
        const int typ = v(P::FrameSides).toInt();
        const int bits[4] = {ReportFrame::Left, ReportFrame::Top, ReportFrame::Right, ReportFrame::Bottom};
        for (int i = 0; i < 4; ++i)
            m_frameSide[i]->setChecked(typ & bits[i]);
        m_frameWidth->setValue(v(P::FrameWidth).toDouble());
        showColor(m_frameColor, v(P::FrameColor).value<QColor>());
        showColor(m_fillColor, v(P::FillColor).value<QColor>());
        m_formatKind->setCurrentIndex(std::max(0, m_formatKind->findData(v(P::FormatKind).toString())));
        m_formatString->setCurrentText(v(P::FormatString).toString());
        m_printable->setChecked(o.printable);
        m_keepAspect->setChecked(v(P::KeepAspect).toBool());
        m_barType->setCurrentIndex(m_barType->findData(v(P::BarType).toString()));
        m_shape->setCurrentIndex(m_shape->findData(v(P::ShapeKind).toString()));
    }
    m_updating = false;
}

void DesignerPropertyPanel::apply(DesignerProperty p, const QVariant &value)
{
    if (m_updating || m_doc.selection().isEmpty())
        return;
    if (!m_doc.setProperty(m_doc.selection(), p, value))
        refresh();
}

void DesignerPropertyPanel::applyGeometry()
{
    if (m_updating || m_doc.selection().isEmpty())
        return;
    QHash<ReportObject *, QRectF> rects;
    const QRectF first = m_doc.objectRectMm(*m_doc.selection().constFirst());
    for (ReportObject *o : m_doc.selection()) {
        QRectF r = m_doc.objectRectMm(*o);
        // Only what was changed is taken over, so several objects keep their other values.
        if (!qFuzzyCompare(m_left->value() + 1, first.x() + 1))
            r.moveLeft(m_left->value());
        if (!qFuzzyCompare(m_top->value() + 1, first.y() + 1))
            r.moveTop(m_top->value());
        if (!qFuzzyCompare(m_width->value() + 1, first.width() + 1))
            r.setWidth(m_width->value());
        if (!qFuzzyCompare(m_height->value() + 1, first.height() + 1))
            r.setHeight(m_height->value());
        rects.insert(o, r);
    }
    m_doc.setObjectRectsMm(rects, QStringLiteral("位置和大小"));
}

void DesignerPropertyPanel::applyText()
{
    if (m_doc.selection().isEmpty())
        return;
    apply(P::Text, m_text->toPlainText());
}

void DesignerPropertyPanel::editText()
{
    m_text->setFocus();
    m_text->selectAll();
}

bool DesignerPropertyPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text && event->type() == QEvent::FocusOut)
        applyText();
    return QWidget::eventFilter(watched, event);
}

void DesignerPropertyPanel::loadPicture()
{
    if (m_doc.selection().isEmpty())
        return;
    const auto file = UiHooks::openFile({QStringLiteral("载入图片"), QStringLiteral("图片文件 (*.png *.jpg *.jpeg *.bmp)"),
                                         ProgramFolder::imageFolder(), QString()});
    if (!file)
        return;
    QFile f(*file);
    if (!f.open(QIODevice::ReadOnly)) {
        ShowMess(QStringLiteral("无法读取图片文件“%1”。").arg(*file), MessWarning);
        return;
    }
    apply(P::Picture, f.readAll());
}
