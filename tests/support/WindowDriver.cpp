#include "WindowDriver.h"

#include <QTest>
#include <gtest/gtest.h>

#include <utility>

namespace testsupport {

WindowDriver::WindowDriver(QWidget& window, QString okName, QString cancelName)
    : window_(window), okName_(std::move(okName)), cancelName_(std::move(cancelName))
{
}

void WindowDriver::reportMissing(const QString& name, const char* type) const
{
    ADD_FAILURE() << "window " << window_.objectName().toStdString() << " has no " << type << " named "
                  << name.toStdString();
}

QWidget* WindowDriver::reachable(QWidget* control) const
{
    if (!control) // not found: already reported
        return nullptr;
    if (!control->isVisibleTo(&window_)) {
        ADD_FAILURE() << control->objectName().toStdString() << " is hidden: a user cannot reach it";
        return nullptr;
    }
    return control;
}

void WindowDriver::click(const QString& name) const { click(child(name)); }

void WindowDriver::click(QWidget* control) const
{
    if (QWidget* target = reachable(control))
        QTest::mouseClick(target, Qt::LeftButton);
}

void WindowDriver::type(const QString& name, const QString& text) const
{
    if (QWidget* target = reachable(child(name))) {
        target->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(target, text);
    }
}

void WindowDriver::press(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    if (QWidget* target = reachable(child(name)))
        QTest::keyClick(target, key, modifiers);
}

void WindowDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QTest::keyClick(&window_, key, modifiers);
}

void WindowDriver::ok() const { click(okName_); }

void WindowDriver::cancel() const { click(cancelName_); }

} // namespace testsupport
