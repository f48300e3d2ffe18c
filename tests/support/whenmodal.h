#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Runs `act` on the first modal dialog of type T that comes up. The waiting timer goes with
// `owner`, so a dialog that never comes leaves nothing behind.
template<typename T>
void whenShown(QObject* owner, std::function<void(T*)> act)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start(5);
}

// The same, for a test with no object to own the wait.
template<typename T>
void onModal(std::function<void(T&)> act)
{
    whenShown<T>(nullptr, [act = std::move(act)](T* dialog) { act(*dialog); });
}

// Runs `act` on each modal dialog as it comes up, in order; the dialog is left to close itself.
inline void whenModal(QList<std::function<void(QWidget*)>> acts)
{
    auto* timer = new QTimer;
    auto remaining = std::make_shared<QList<std::function<void(QWidget*)>>>(std::move(acts));
    // Dialogs live on the stack, so the next one may take the address of the last: a guarded
    // pointer tells them apart.
    auto last = std::make_shared<QPointer<QWidget>>();
    QObject::connect(timer, &QTimer::timeout, [timer, remaining, last] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == *last)
            return;
        *last = modal;
        const auto act = remaining->takeFirst();
        if (remaining->isEmpty()) {
            timer->stop();
            timer->deleteLater();
        }
        act(modal);
    });
    timer->start(10);
}
