#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

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
