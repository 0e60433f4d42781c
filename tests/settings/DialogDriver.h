#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

// Acts on the next modal dialog of type D once it is shown, so that a test can
// answer a dialog that its code under test opens and waits for.
template <class D>
void whenShown(std::function<void(D *)> act, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, timeoutMs] {
        auto *d = qobject_cast<D *>(QApplication::activeModalWidget());
        if (d && d->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(d);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            if (QWidget *w = QApplication::activeModalWidget())
                if (auto *other = qobject_cast<QDialog *>(w))
                    other->reject();  // never leave a test waiting for a person
        }
    });
    timer->start(10);
}

#include <QKeyEvent>
#include <QWidget>

// Types text one character at a time, as a keyboard with an input method does
// (QTest's key clicks know only Latin-1 keys).
inline void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}
