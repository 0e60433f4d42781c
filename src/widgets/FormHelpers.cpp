#include "widgets/FormHelpers.h"

#include "core/DataModule.h"

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
