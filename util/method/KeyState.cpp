#include "KeyState.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace Ostrel7::keystate {

namespace {

bool tabIsDown = false;

class TabWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Auto-repeat sends release/press pairs while the key stays down.
            if (key->key() == Qt::Key_Tab && !key->isAutoRepeat())
                tabIsDown = event->type() == QEvent::KeyPress;
            break;
        }
        case QEvent::ApplicationDeactivate: tabIsDown = false; break; // its release goes elsewhere
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }
};

void watchTab()
{
    tabIsDown = false;
    QCoreApplication::instance()->installEventFilter(new TabWatcher(QCoreApplication::instance()));
}

Q_COREAPP_STARTUP_FUNCTION(watchTab)

} // namespace

bool tabDown() { return tabIsDown; }

bool altDown()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
           (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier);
}

} // namespace Ostrel7::keystate
