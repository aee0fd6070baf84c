#pragma once
// A Ui service for tests: it answers from a queue of scripted answers, records
// every call, and fails the running test on a dialog that nobody scripted.

#include "platform/Ui.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QDialog;

namespace testsupport {

struct UiCall {
    enum Kind { MessageBox, InputBox, OpenFile, SaveFile, Folder, StartProgram, Dialog, PopupMenu, ColorDialog,
                OpenDocument };
    Kind kind;
    QString text;   // message, prompt, program, the document opened; a menu's object name; a colour dialog's initial colour (#rrggbb)
    QString title;  // title; for file dialogs the filter
    int32_t style = 0;
    QStringList arguments; // a menu's entries (object name, else text); a colour dialog's custom colours;
                           // a file dialog's initial folder and file name
    const QWidget* owner = nullptr; // a colour dialog's owner
    int filterIndex = 0; // a file dialog's filter selected at first (from 1, as asked)
};

// The patterns of the filter a file dialog call asked to be selected at first
// ("*.stg" of "etb file|*.etb|stg file|*.stg" with index 2); "" when the index
// is outside the filter list.
QString selectedFilterPatterns(const UiCall& call);

class ScriptedUi final : public platform::Ui {
public:
    // Queue the answer of the next dialog of that kind.
    void answerMessageBox(int32_t answer);
    // Answers every message box that no queued answer is waiting for, until
    // the next reset: for a test that plays keys whose commands may ask.
    void answerEveryMessageBox(int32_t answer) { everyMessageBox_ = answer; }
    void answerInput(const QString& text);
    void answerOpenFile(const QString& path);
    void answerSaveFile(const QString& path);
    void answerFolder(const QString& path);
    // `whileStarting` runs at the moment the program would be started (to look
    // at what the started program would inherit).
    void answerStartProgram(bool started, std::function<void()> whileStarting = {});
    void answerOpenDocument(bool opened);
    // The next dialog of the suite's own is handed to `drive`, which plays the
    // user (sets fields, clicks buttons) while the dialog is shown; the dialog's
    // result is the answer. The dialog is shown (not modally) while driven.
    void answerDialog(std::function<void(QDialog&)> drive);
    // The next pop-up menu chooses the entry of that object name (or, failing
    // that, of that text without its '&'), also in a submenu, and triggers it
    // as a click would; "" dismisses the menu. Naming an entry the menu lacks,
    // or one the user could not click (disabled, hidden), fails the test.
    void answerPopupMenu(const QString& entry);
    // The next colour dialog answers this colour; std::nullopt cancels it.
    // The custom colours come back as they went in unless given here.
    void answerColor(std::optional<QColor> color, std::optional<std::vector<QColor>> customColors = std::nullopt);

    const std::vector<UiCall>& calls() const { return calls_; }
    std::vector<UiCall> callsOf(UiCall::Kind kind) const;
    // The texts of the message boxes shown so far; take... also forgets every call seen.
    QStringList messageTexts() const;
    QStringList takeMessageTexts();
    // Forgets the calls seen so far (the queued answers stay).
    void clearCalls() { calls_.clear(); }
    // Answers queued but never asked for.
    size_t pendingAnswers() const;
    void reset();
    // True while the window is one of the suite's own dialogs being driven by a test.
    bool isDriving(const QWidget* window) const;

    int32_t messageBox(const QString& text, int32_t style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const platform::FileDialogRequest& request) override;
    QString saveFileName(const platform::FileDialogRequest& request) override;
    QString folderName(const QString& title, const QString& startFolder) override;
    bool startProgram(const QString& program, const QStringList& arguments, bool minimized) override;
    bool openDocument(const QString& path) override;
    int runDialog(QDialog& dialog) override;
    QAction* popupMenu(QMenu& menu, const QPoint& globalPos) override;
    platform::ColorDialogAnswer colorDialog(const platform::ColorDialogRequest& request) override;

private:
    struct Answer {
        UiCall::Kind kind;
        int32_t number = 0;
        QString text = {};
        std::function<void(QDialog&)> drive = {};
        std::optional<QColor> color = {};
        std::optional<std::vector<QColor>> customColors = {};
        std::function<void()> whileCalled = {};
    };
    Answer take(UiCall::Kind kind, const UiCall& call);

    std::deque<Answer> answers_;
    std::optional<int32_t> everyMessageBox_;
    std::vector<UiCall> calls_;
    std::vector<const QDialog*> driven_;
};

// The scripted service every test process installs; reset before each test and
// checked for unused answers after it.
ScriptedUi& scriptedUi();

} // namespace testsupport
