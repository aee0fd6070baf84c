#pragma once
// The Ui service: every modal interaction of the suite goes through it, so that
// programs show real dialogs while tests answer from a script. Texts keep their
// CR LF line breaks; only the Qt implementation turns them into "\n" when shown.

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace platform {

// Message-box style flags and answers, with the numbers the suite's message
// routines have always used (buttons + icon + default button).
enum MsgBoxStyle : int32_t {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxAnswer : int32_t {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

inline int32_t msgButtons(int32_t style) { return style & 0x0F; }
inline int32_t msgIcon(int32_t style) { return style & 0xF0; }
inline int32_t msgDefaultButton(int32_t style) { return ((style & 0xF00) >> 8) + 1; }

// An open or save file dialog. The filter uses the "Description|*.a;*.b|..." form.
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString initialFolder;
    QString fileName;
    // Added to a name typed without an extension (save dialogs); "" for none.
    QString defaultSuffix;
};

// The colour dialog: the colour selected when it opens and the user's custom
// colours, which the dialog may change whether or not a colour is chosen.
struct ColorDialogRequest {
    QColor initial;
    std::vector<QColor> customColors;
    QWidget* owner = nullptr; // null: dialogParent()
};

struct ColorDialogAnswer {
    std::optional<QColor> color; // empty when the user cancelled
    std::vector<QColor> customColors; // as the user left them
};

class Ui {
public:
    virtual ~Ui();

    // Returns one of MsgBoxAnswer.
    virtual int32_t messageBox(const QString& text, int32_t style, const QString& title) = 0;
    // The typed text, "" when the user cancels.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // The chosen path, "" when the user cancels.
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    virtual QString folderName(const QString& title, const QString& startFolder) = 0;
    // Starts another program detached; False when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments, bool minimized) = 0;
    // Opens a file or folder with the desktop's program for it; False when
    // nothing could be asked to open it.
    virtual bool openDocument(const QString& path) = 0;
    // Shows one of the suite's own dialogs modally and answers its result
    // (QDialog::Accepted or Rejected); tests drive the dialog instead.
    virtual int runDialog(QDialog& dialog) = 0;
    // Pops the menu up at a global position until the user chooses or dismisses
    // it; answers the chosen action (already triggered, as a menu does) or null.
    virtual QAction* popupMenu(QMenu& menu, const QPoint& globalPos) = 0;
    virtual ColorDialogAnswer colorDialog(const ColorDialogRequest& request) = 0;
};

// The installed service. Until a program or test installs one, a quiet service
// answers every dialog as if the user had pressed OK or Cancel and starts nothing.
Ui& ui();
// Installs a service for the whole process; nullptr restores the quiet one.
void installUi(std::shared_ptr<Ui> service);

// The parent for dialogs: the program's active window, may be null.
QWidget* dialogParent();

// "\r\n" and lone "\r" become "\n" for display.
QString displayText(const QString& text);

} // namespace platform
