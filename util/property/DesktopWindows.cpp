#include "DesktopWindows.h"

#include "util/need/xNEED.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace Ostrel7::desktopwindows {

namespace {

QWidgetList orderedTopLevelWidgets()
{
    QWidgetList widgets = QApplication::topLevelWidgets();
    const QWindowList windows = QGuiApplication::topLevelWindows();
    // Qt keeps its native windows in a list; widgets without one (never shown) go last.
    const auto rank = [&windows](const QWidget* widget) {
        const qsizetype index = widget->windowHandle() ? windows.indexOf(widget->windowHandle()) : -1;
        return index < 0 ? windows.size() : index;
    };
    std::stable_sort(widgets.begin(), widgets.end(),
                     [&rank](const QWidget* a, const QWidget* b) { return rank(a) < rank(b); });
    return widgets;
}

// Lists the non-window descendants of `parent`; answers False when the
// callback asked to stop.
bool listChildren(const QWidget* parent)
{
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow())
            continue; // a child window is listed as a window of its own
        if (!xNEED::ChildCallBack(child, 0) || !listChildren(child))
            return false;
    }
    return true;
}

bool matches(const QString& listed, const QString& caption, bool included)
{
    return included ? listed.contains(caption, Qt::CaseSensitive) : listed == caption;
}

} // namespace

void enumerate()
{
    xNEED::resetWindowList();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    for (QWidget* window : orderedTopLevelWidgets()) {
        if (!xNEED::ChildCallBack(window, 0) || !listChildren(window))
            return;
    }
}

QWidget* findInList(const QString& caption, bool included, const QSet<const QWidget*>& skip)
{
    const auto& list = xNEED::windowList();
    for (size_t i = 1; i < list.size(); ++i) {
        if (!skip.contains(list[i].hwnd) && matches(list[i].caption, caption, included))
            return list[i].hwnd;
    }
    return nullptr;
}

bool isLive(const QWidget* widget)
{
    if (!widget || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    return QApplication::allWidgets().contains(const_cast<QWidget*>(widget));
}

} // namespace Ostrel7::desktopwindows
