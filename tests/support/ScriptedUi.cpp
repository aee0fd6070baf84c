#include "ScriptedUi.h"

#include <QCoreApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace testsupport {

namespace {

const char* kindName(UiCall::Kind kind)
{
    switch (kind) {
    case UiCall::MessageBox: return "message box";
    case UiCall::InputBox: return "input box";
    case UiCall::OpenFile: return "open-file dialog";
    case UiCall::SaveFile: return "save-file dialog";
    case UiCall::Folder: return "folder dialog";
    case UiCall::StartProgram: return "program start";
    case UiCall::Dialog: return "dialog";
    }
    return "?";
}

} // namespace

void ScriptedUi::answerMessageBox(int32_t answer) { answers_.push_back({UiCall::MessageBox, answer, {}}); }
void ScriptedUi::answerInput(const QString& text) { answers_.push_back({UiCall::InputBox, 0, text}); }
void ScriptedUi::answerOpenFile(const QString& path) { answers_.push_back({UiCall::OpenFile, 0, path}); }
void ScriptedUi::answerSaveFile(const QString& path) { answers_.push_back({UiCall::SaveFile, 0, path}); }
void ScriptedUi::answerFolder(const QString& path) { answers_.push_back({UiCall::Folder, 0, path}); }
void ScriptedUi::answerStartProgram(bool started) { answers_.push_back({UiCall::StartProgram, started ? 1 : 0, {}}); }
void ScriptedUi::answerDialog(std::function<void(QDialog&)> drive)
{
    answers_.push_back({UiCall::Dialog, 0, {}, std::move(drive)});
}

std::vector<UiCall> ScriptedUi::callsOf(UiCall::Kind kind) const
{
    std::vector<UiCall> out;
    for (const auto& call : calls_)
        if (call.kind == kind)
            out.push_back(call);
    return out;
}

size_t ScriptedUi::pendingAnswers() const { return answers_.size(); }

void ScriptedUi::reset()
{
    answers_.clear();
    calls_.clear();
}

ScriptedUi::Answer ScriptedUi::take(UiCall::Kind kind, const UiCall& call)
{
    calls_.push_back(call);
    if (answers_.empty() || answers_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": title \"" << call.title.toStdString() << "\", text \""
                      << call.text.toStdString() << "\"";
        return {kind, 0, {}};
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int32_t ScriptedUi::messageBox(const QString& text, int32_t style, const QString& title)
{
    const Answer a = take(UiCall::MessageBox, {UiCall::MessageBox, text, title, style, {}});
    return a.number != 0 ? a.number : platform::vbOK;
}

QString ScriptedUi::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return take(UiCall::InputBox, {UiCall::InputBox, prompt, title, 0, {defaultText}}).text;
}

QString ScriptedUi::openFileName(const platform::FileDialogRequest& r)
{
    return take(UiCall::OpenFile, {UiCall::OpenFile, r.title, r.filter, 0, {r.initialFolder, r.fileName}}).text;
}

QString ScriptedUi::saveFileName(const platform::FileDialogRequest& r)
{
    return take(UiCall::SaveFile, {UiCall::SaveFile, r.title, r.filter, 0, {r.initialFolder, r.fileName}}).text;
}

QString ScriptedUi::folderName(const QString& title, const QString& startFolder)
{
    return take(UiCall::Folder, {UiCall::Folder, title, title, 0, {startFolder}}).text;
}

bool ScriptedUi::startProgram(const QString& program, const QStringList& arguments, bool minimized)
{
    return take(UiCall::StartProgram, {UiCall::StartProgram, program, {}, minimized ? 1 : 0, arguments}).number != 0;
}

int ScriptedUi::runDialog(QDialog& dialog)
{
    const Answer a = take(UiCall::Dialog, {UiCall::Dialog, dialog.objectName(), dialog.windowTitle(), 0, {}});
    if (!a.drive)
        return QDialog::Rejected;
    // Shown as the user would see it, but not modally: the test plays the user.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QCoreApplication::processEvents();
    a.drive(dialog);
    QCoreApplication::processEvents();
    dialog.hide();
    return dialog.result();
}

ScriptedUi& scriptedUi()
{
    static std::shared_ptr<ScriptedUi> service = std::make_shared<ScriptedUi>();
    return *service;
}

} // namespace testsupport
