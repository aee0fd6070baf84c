#pragma once
// A test never waits in a real modal loop: nobody would ever answer it. The
// watch looks, every few milliseconds that an event loop runs, for a modal
// window or pop-up that a nested event loop waits on (a message box, a file
// or colour dialog, a menu's exec) and was not shown through the scripted Ui
// service; it fails the running test with the widget's class name and closes
// the widget, so the loop ends and the test goes on to its end.

#include <QObject>
#include <QTimer>

namespace testsupport {

class ModalLoopWatch final : public QObject {
public:
    explicit ModalLoopWatch(QObject* parent = nullptr);

    // While one lives, the watch leaves modal loops alone: a test of the real
    // dialogs of the window system waits in one on purpose and ends it itself.
    class Pause {
    public:
        Pause() { ++paused_; }
        ~Pause() { --paused_; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;
    };

private:
    void check();

    QTimer timer_;
    static inline int paused_ = 0;
};

} // namespace testsupport
