#pragma once
// A Ui service for tests: it answers from a queue of scripted answers, records
// every call, and fails the running test on a dialog that nobody scripted.

#include "platform/Ui.h"

class QDialog;

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace testsupport {

struct UiCall {
    enum Kind { MessageBox, InputBox, OpenFile, SaveFile, Folder, StartProgram, Dialog };
    Kind kind;
    QString text;   // message, prompt, program
    QString title;  // title; for file dialogs the filter
    int32_t style = 0;
    QStringList arguments;
};

class ScriptedUi final : public platform::Ui {
public:
    // Queue the answer of the next dialog of that kind.
    void answerMessageBox(int32_t answer);
    void answerInput(const QString& text);
    void answerOpenFile(const QString& path);
    void answerSaveFile(const QString& path);
    void answerFolder(const QString& path);
    void answerStartProgram(bool started);
    // The next dialog of the suite's own is handed to `drive`, which plays the
    // user (sets fields, clicks buttons) while the dialog is shown; the dialog's
    // result is the answer. The dialog is shown (not modally) while driven.
    void answerDialog(std::function<void(QDialog&)> drive);

    const std::vector<UiCall>& calls() const { return calls_; }
    std::vector<UiCall> callsOf(UiCall::Kind kind) const;
    // Forgets the calls seen so far (the queued answers stay).
    void clearCalls() { calls_.clear(); }
    // Answers queued but never asked for.
    size_t pendingAnswers() const;
    void reset();

    int32_t messageBox(const QString& text, int32_t style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const platform::FileDialogRequest& request) override;
    QString saveFileName(const platform::FileDialogRequest& request) override;
    QString folderName(const QString& title, const QString& startFolder) override;
    bool startProgram(const QString& program, const QStringList& arguments, bool minimized) override;
    int runDialog(QDialog& dialog) override;

private:
    struct Answer {
        UiCall::Kind kind;
        int32_t number;
        QString text;
        std::function<void(QDialog&)> drive;
    };
    Answer take(UiCall::Kind kind, const UiCall& call);

    std::deque<Answer> answers_;
    std::vector<UiCall> calls_;
};

// The scripted service every test process installs; reset before each test and
// checked for unused answers after it.
ScriptedUi& scriptedUi();

} // namespace testsupport
