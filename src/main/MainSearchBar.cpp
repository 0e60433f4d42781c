#include "main/MainSearchBar.h"

#include "main/RecordListQuery.h"
#include "widgets/CheckDateEdit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

QToolButton *glyphButton(const char *name, QStyle::StandardPixmap glyph, const QString &tip, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoRaise(true);
    b->setIcon(parent->style()->standardIcon(glyph));
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

MainSearchBar::MainSearchBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    setFixedHeight(33);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(4);

    sbList = glyphButton("sbList", QStyle::SP_ArrowLeft, QStringLiteral("项目树"), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(RecordListQuery::searchFieldTitles());
    ComboBox1->setCurrentIndex(-1);  // no search field at start
    ComboBox1->setMinimumWidth(90);
    auto *searchLabel = new QLabel(QStringLiteral("搜索(&V)"), this);
    searchLabel->setBuddy(ComboBox1);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(100);
    auto *valueLabel = new QLabel(QStringLiteral("值(&V)"), this);
    valueLabel->setBuddy(Edit1);
    dtpFromDate = new CheckDateEdit(this);
    dtpFromDate->setObjectName(QStringLiteral("dtpFromDate"));
    dtpToDate = new CheckDateEdit(this);
    dtpToDate->setObjectName(QStringLiteral("dtpToDate"));
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("查找(F3)"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setShortcut(QKeySequence(Qt::Key_F3));
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("高级查找..."));
    SpeedButton2->setCheckable(true);
    sbKDtype = glyphButton("sbKDtype", QStyle::SP_ArrowRight, QStringLiteral("快递单"), this);

    row->addWidget(sbList);
    row->addWidget(searchLabel);
    row->addWidget(ComboBox1);
    row->addWidget(valueLabel);
    row->addWidget(Edit1, 1);
    row->addWidget(new QLabel(QStringLiteral("日期：自"), this));
    row->addWidget(dtpFromDate);
    row->addWidget(new QLabel(QStringLiteral("至"), this));
    row->addWidget(dtpToDate);
    row->addWidget(BitBtn1);
    row->addWidget(SpeedButton2);
    row->addWidget(sbKDtype);
    setAdvancedMode(false);
}

void MainSearchBar::setAdvancedMode(bool on)
{
    const QSignalBlocker block(SpeedButton2);
    SpeedButton2->setChecked(on);
    SpeedButton2->setStyleSheet(on ? QStringLiteral("color: red;") : QStringLiteral("color: black;"));
}

bool MainSearchBar::advancedMode() const { return SpeedButton2->isChecked(); }
