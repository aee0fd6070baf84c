#pragma once
// Plays the user on a window of the suite: finds its controls by their design
// names (the objectName, "BTN1", "op3", "txtAuthor") and works them with mouse
// and key events as a user does, so a window test reads as the steps taken.
// A control the window lacks, or one the user could not reach because it is
// hidden, fails the running test; the step is then skipped.
//
//     scriptedUi().answerDialog([&](QDialog& d) {
//         testsupport::WindowDriver w(d);
//         w.type("txtAuthor", "Sato");
//         w.click("chk2");
//         w.ok();
//     });

#include <QString>
#include <QWidget>
#include <Qt>

namespace testsupport {

class WindowDriver {
public:
    // okName and cancelName are the design names of the window's OK and
    // Cancel buttons; most forms of the suite name them BTN1 and BTN2.
    explicit WindowDriver(QWidget& window, QString okName = QStringLiteral("BTN1"),
                          QString cancelName = QStringLiteral("BTN2"));

    QWidget& window() const { return window_; }

    // The control of that design name and type; nullptr, and a failed test,
    // when the window has none.
    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        T* control = window_.findChild<T*>(name);
        if (!control)
            reportMissing(name, T::staticMetaObject.className());
        return control;
    }
    // A member of a control array: op, 3 is op3.
    template <typename T = QWidget>
    T* child(const QString& name, int index) const
    {
        return child<T>(name + QString::number(index));
    }

    // A left click in the middle of the control.
    void click(const QString& name) const;
    void click(QWidget* control) const;
    // Gives the control the focus and types the text key by key at its cursor.
    void type(const QString& name, const QString& text) const;
    // One key, with its modifiers, pressed on the control or on the window.
    void press(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    // Clicks the window's OK or Cancel button.
    void ok() const;
    void cancel() const;

private:
    void reportMissing(const QString& name, const char* type) const;
    // The control if a user could reach it; a failed test otherwise.
    QWidget* reachable(QWidget* control) const;

    QWidget& window_;
    QString okName_;
    QString cancelName_;
};

} // namespace testsupport
