#pragma once
// The Ui service of the running programs: real Qt dialogs.

#include "Ui.h"

#include <QPointer>

class QFileDialog;

namespace platform {

class QtUi final : public Ui {
public:
    int32_t messageBox(const QString& text, int32_t style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    QString folderName(const QString& title, const QString& startFolder) override;
    bool startProgram(const QString& program, const QStringList& arguments, bool minimized) override;
    bool openDocument(const QString& path) override;
    int runDialog(QDialog& dialog) override;
    QAction* popupMenu(QMenu& menu, const QPoint& globalPos) override;
    ColorDialogAnswer colorDialog(const ColorDialogRequest& request) override;
};

// While it lives, a modal dialog about to be shown carries the stays-on-top
// hint when another visible top-level window of the program has it (a tool
// window the program keeps beside its main window). The window manager stacks
// every top-most window above every normal one, so a box without the hint
// would open behind such a window, and the program would look frozen behind a
// box nobody sees.
// The dialog's own flags come back when it ends; a dialog the program already
// keeps on top is left as it is.
class KeptAboveOwnWindows {
public:
    explicit KeptAboveOwnWindows(QDialog& dialog);
    ~KeptAboveOwnWindows();
    KeptAboveOwnWindows(const KeptAboveOwnWindows&) = delete;
    KeptAboveOwnWindows& operator=(const KeptAboveOwnWindows&) = delete;

private:
    QPointer<QDialog> dialog_; // null when the hint was not added
};

// "Etb files|*.etb|All|*.*" -> "Etb files (*.etb);;All (*.*)"
QString qtFileFilter(const QString& pipeFilter);
// The same, one entry per filter.
QStringList qtFileFilters(const QString& pipeFilter);

// Sets a file dialog up as the request asks: its title, the folder and file it
// starts at, its filters with the one of the request's index (counted from 1)
// selected, and the suffix added to a name typed without one.
void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

} // namespace platform
