// Preloaded into a program by the whole-process start-up benchmark: ends the
// process as soon as its main window has painted for the first time and the
// event loop has nothing left to do, so that the process's CPU time is the
// cost of its start up to the first idle paint. Loaded into nothing else.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (qobject_cast<QMainWindow*>(widget->window()) && widget->window()->isVisible()) {
                painted_ = true;
                // A zero timer fires once the events already queued are handled.
                QTimer::singleShot(0, [] {
                    std::fflush(nullptr);
                    std::_Exit(0);
                });
            }
        }
        return false;
    }

private:
    bool painted_ = false;
};

void watch() { QCoreApplication::instance()->installEventFilter(new FirstPaint); }

const bool registered = [] {
    qAddPreRoutine(watch);
    return true;
}();

} // namespace
