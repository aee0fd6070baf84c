#pragma once
// A small box that tells the user to wait while the program works on: it
// shows one line of text, stays on top of the program, and never takes the
// focus. Prepare it, show a text, close it.

#include <QString>
#include <memory>

class QLabel;
class QWidget;

namespace QelmStp {

class WaitMessageBox {
public:
    WaitMessageBox();
    ~WaitMessageBox();
    WaitMessageBox(const WaitMessageBox&) = delete;
    WaitMessageBox& operator=(const WaitMessageBox&) = delete;

    // Makes the box ready (mode 0 is the only one there is).
    void Prepare(int32_t mode);
    // Shows the box with the text and lets it paint before the work goes on.
    void ShowText(const QString& text, int32_t mode);
    // Hides the box.
    void Close();

    bool isShown() const;
    QString text() const;

private:
    std::unique_ptr<QWidget> box_;
    QLabel* label_ = nullptr;
};

} // namespace QelmStp
