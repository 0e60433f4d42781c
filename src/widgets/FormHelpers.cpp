#include "widgets/FormHelpers.h"

#include "core/DataModule.h"
#include "core/PubUnit.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void DispFormPos(QWidget *form, int code)
{
    if (!form)
        return;
    QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    QSize size = form->size().boundedTo(avail.size());
    if (code == 2)
        size = form->size().boundedTo(avail.size() - QSize(0, 40));  // leave room for the title bar
    form->resize(size);
    QRect frame(QPoint(0, 0), form->frameGeometry().size().boundedTo(avail.size()));
    QRect around = avail;
    if (code == 1) {
        if (QWidget *active = QApplication::activeWindow(); active && active != form)
            around = active->frameGeometry();
    }
    frame.moveCenter(around.center());
    // Keep it wholly on the available screen.
    frame.moveLeft(qBound(avail.left(), frame.left(), avail.right() - frame.width() + 1));
    frame.moveTop(qBound(avail.top(), frame.top(), avail.bottom() - frame.height() + 1));
    form->move(frame.topLeft());
}

QComboBox *EditableCombo(const char *objectName, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

void FillItems(const QString &sql, const QVariantList &values, QComboBox *box)
{
    const QStringList items = dmData().FillItems(sql, values);
    const QString text = box->isEditable() ? box->currentText() : QString();
    box->clear();
    box->addItems(items);
    if (box->isEditable())
        box->setEditText(text);
}

int matchingItem(const QString &text, const QStringList &items)
{
    const QString wanted = text.trimmed().toLower();
    int found = -1;
    for (int i = 0; i < items.size(); ++i)
        if (items.at(i).trimmed().toLower() == wanted)
            found = i;
    return found;
}

void SelectComboItem(const QString &text, QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    const int i = matchingItem(text, items);
    if (i >= 0)
        box->setCurrentIndex(i);
}

namespace {

bool isEditControl(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QAbstractSpinBox *>(w);
}

void setInputMethod(QWidget *w, bool chinese)
{
    QList<QWidget *> targets{w};
    // The line edit inside an editable combo box or spin box types for it.
    if (auto *box = qobject_cast<QComboBox *>(w); box && box->lineEdit())
        targets << box->lineEdit();
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
        targets << spin->findChild<QLineEdit *>();
    for (QWidget *t : targets) {
        if (!t)
            continue;
        t->setAttribute(Qt::WA_InputMethodEnabled, chinese);
        if (chinese)
            t->setProperty("ImeName", PubUnit::globals().ImeName);
    }
}

void applyBelow(QWidget *container)
{
    for (QObject *o : container->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w)
            continue;
        if (isEditControl(w))
            setInputMethod(w, IsChineseInput(w));  // an edit control is not treated as a container
        else
            applyBelow(w);
    }
}

} // namespace

void MarkChineseInput(QWidget *edit)
{
    if (edit)
        edit->setProperty("imeMode", QStringLiteral("chinese"));
}

bool IsChineseInput(const QWidget *edit)
{
    return edit && edit->property("imeMode").toString() == QLatin1String("chinese");
}

void ApplyInputMethod(QWidget *container)
{
    if (container)
        applyBelow(container);
}

void SetNavButtons(QWidget *form, bool enabled)
{
    if (!form)
        return;
    for (const char *name : {"tbFirst", "tbPrior", "tbNext", "tbLast", "tbPrint", "tbSet", "tbExpert"}) {
        const QString n = QLatin1String(name);
        if (QWidget *w = form->findChild<QWidget *>(n))
            w->setEnabled(enabled);
        else if (QAction *a = form->findChild<QAction *>(n))
            a->setEnabled(enabled);
    }
}
