#include "ModalLoopWatch.h"

#include "ScriptedUi.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QThread>
#include <gtest/gtest.h>

namespace testsupport {

namespace {

constexpr int kPollMs = 20;

// The window a nested loop waits on: a pop-up first, as it sits above any dialog.
QWidget* waitingWindow()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

// Ends the widget's loop as the user's Escape would.
void dismiss(QWidget* window)
{
    QPointer<QWidget> guard(window);
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
    if (guard && guard->isVisible())
        guard->hide();
}

} // namespace

ModalLoopWatch::ModalLoopWatch(QObject* parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &ModalLoopWatch::check);
    timer_.start(kPollMs);
}

void ModalLoopWatch::check()
{
    // Only a nested event loop waits for a user; the tests themselves run
    // outside any (they process events, or wait in QTest helpers).
    if (QThread::currentThread()->loopLevel() == 0 || paused_ > 0)
        return;
    QWidget* window = waitingWindow();
    if (!window || scriptedUi().isDriving(window))
        return;
    ADD_FAILURE() << "the test entered a real modal loop: " << window->metaObject()->className() << " \""
                  << window->windowTitle().toStdString()
                  << "\" (modal interactions go through platform::ui(), scripted in tests)";
    dismiss(window);
}

} // namespace testsupport
