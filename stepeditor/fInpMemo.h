#pragma once
// The memo (note) of the user's step program, seen and changed beside the
// grid: a modeless window that stays on top, one at a time (its pointer is
// ProgramState::frmMemo while it is open). OK stores the text into the user
// step program and marks the user window changed when the text differs;
// Cancel and the close box store nothing. Opened for the reference window it
// only shows the text it was given.
//
// The memo is kept with CR LF line breaks and holds at most 3152 bytes in the
// controller's code page (a double-byte character counts two, a line break
// two); the text box shows the breaks as its own, and the limit counts the
// memo as it is stored.

#include "util/method/clsMethod.h"

#include <QDialog>
#include <QString>
#include <cstdint>

class QPlainTextEdit;

namespace QelmStp {

struct ProgramState;

class fInpMemo final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMemoBytes = 3152;

    // The dialog stores into the program state's user step program.
    explicit fInpMemo(ProgramState& state, QWidget* parent = nullptr);

    // The text the dialog starts with; set before Form_Load.
    const QString& Memo() const { return memo_; }
    void setMemo(const QString& memo) { memo_ = memo; }
    // 1 (the reference window) makes the dialog read-only.
    void setSTDUSR(int32_t role) { stdUsr_ = role; }

    void Form_Load();
    // 1 OK, 2 Cancel.
    void BTN_Click(int index);
    // Keeps the buttons at the right edge and the text box filling the rest.
    void Form_Resize();

    // The memo as the text box holds it, in its stored form: the given memo
    // itself while the text is untouched, else the text with CR LF breaks.
    QString StoredText() const;
    static QString ToEditor(const QString& stored);
    static QString ToStored(const QString& edited);

    // Whether the program's memo window is open.
    static bool IsOpen(const ProgramState& state);
    // True, after message 72, when the memo window is open: the user window
    // then takes up no other program, whose memo OK would overwrite.
    static bool RefuseWhileOpen(const ProgramState& state);
    // Closes the program's memo window, storing nothing, when it is open.
    static void UnloadOpen(ProgramState& state);
    // Closes the memo window when it shows the reference program, which has
    // just been replaced: it would go on showing the old program's memo.
    static void UnloadReferenceMemo(ProgramState& state);

protected:
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Closes the window and lets it go; it is no longer the program's memo window.
    void Unload();

    ProgramState& state_;
    Ostrel7::clsMethod reporter_;
    QPlainTextEdit* txtMemo_ = nullptr;
    QString memo_;
    // The text box's text as Form_Load put it there.
    QString shown_;
    int32_t stdUsr_ = 0;
};

} // namespace QelmStp
