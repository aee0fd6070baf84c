#include "ScriptedUi.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <gtest/gtest.h>

#include <algorithm>

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
    case UiCall::PopupMenu: return "pop-up menu";
    case UiCall::ColorDialog: return "colour dialog";
    case UiCall::OpenDocument: return "document opening";
    }
    return "?";
}

// How a test names a menu entry: its object name, else its text without '&'.
QString entryName(const QAction* action)
{
    return action->objectName().isEmpty() ? QString(action->text()).remove(QLatin1Char('&')) : action->objectName();
}

QStringList entryNames(const QMenu& menu)
{
    QStringList names;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator())
            names << entryName(action);
    return names;
}

// The entry named as the user would pick it, also in a submenu; null when none has that name.
QAction* findEntry(const QMenu& menu, const QString& name)
{
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && !action->menu() && (action->objectName() == name || entryName(action) == name))
            return action;
    for (const QAction* action : menu.actions())
        if (action->menu())
            if (QAction* found = findEntry(*action->menu(), name))
                return found;
    return nullptr;
}

QStringList colorNames(const std::vector<QColor>& colors)
{
    QStringList names;
    for (const QColor& color : colors)
        names << color.name();
    return names;
}

UiCall fileDialogCall(UiCall::Kind kind, const platform::FileDialogRequest& r)
{
    UiCall call{kind, r.title, r.filter, 0, {r.initialFolder, r.fileName}};
    call.filterIndex = r.filterIndex;
    return call;
}

} // namespace

QString selectedFilterPatterns(const UiCall& call)
{
    const QStringList parts = call.title.split(QLatin1Char('|'));
    const qsizetype at = 2 * (call.filterIndex - 1) + 1;
    return call.filterIndex >= 1 && at < parts.size() ? parts[at] : QString();
}

void ScriptedUi::answerMessageBox(int32_t answer) { answers_.push_back({UiCall::MessageBox, answer, {}}); }
void ScriptedUi::answerInput(const QString& text) { answers_.push_back({UiCall::InputBox, 0, text}); }
void ScriptedUi::answerOpenFile(const QString& path) { answers_.push_back({UiCall::OpenFile, 0, path}); }
void ScriptedUi::answerSaveFile(const QString& path) { answers_.push_back({UiCall::SaveFile, 0, path}); }
void ScriptedUi::answerFolder(const QString& path) { answers_.push_back({UiCall::Folder, 0, path}); }
void ScriptedUi::answerStartProgram(bool started, std::function<void()> whileStarting)
{
    answers_.push_back({.kind = UiCall::StartProgram, .number = started ? 1 : 0, .whileCalled = std::move(whileStarting)});
}
void ScriptedUi::answerOpenDocument(bool opened) { answers_.push_back({UiCall::OpenDocument, opened ? 1 : 0, {}}); }
void ScriptedUi::answerDialog(std::function<void(QDialog&)> drive)
{
    answers_.push_back({UiCall::Dialog, 0, {}, std::move(drive)});
}

void ScriptedUi::answerPopupMenu(const QString& entry)
{
    answers_.push_back({UiCall::PopupMenu, 0, entry, {}, {}, {}});
}

void ScriptedUi::answerColor(std::optional<QColor> color, std::optional<std::vector<QColor>> customColors)
{
    answers_.push_back({UiCall::ColorDialog, 0, {}, {}, color, std::move(customColors)});
}

std::vector<UiCall> ScriptedUi::callsOf(UiCall::Kind kind) const
{
    std::vector<UiCall> out;
    for (const auto& call : calls_)
        if (call.kind == kind)
            out.push_back(call);
    return out;
}

QStringList ScriptedUi::messageTexts() const
{
    QStringList texts;
    for (const auto& call : calls_)
        if (call.kind == UiCall::MessageBox)
            texts << call.text;
    return texts;
}

QStringList ScriptedUi::takeMessageTexts()
{
    QStringList texts = messageTexts();
    clearCalls();
    return texts;
}

size_t ScriptedUi::pendingAnswers() const { return answers_.size(); }

void ScriptedUi::reset()
{
    answers_.clear();
    everyMessageBox_.reset();
    calls_.clear();
}

bool ScriptedUi::isDriving(const QWidget* window) const
{
    return std::find(driven_.begin(), driven_.end(), window) != driven_.end();
}

ScriptedUi::Answer ScriptedUi::take(UiCall::Kind kind, const UiCall& call)
{
    calls_.push_back(call);
    const bool queued = !answers_.empty() && answers_.front().kind == kind;
    if (!queued && kind == UiCall::MessageBox && everyMessageBox_)
        return {kind, *everyMessageBox_};
    if (!queued) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": title \"" << call.title.toStdString() << "\", text \""
                      << call.text.toStdString() << "\"";
        return {kind, 0, {}, {}, {}, {}, {}};
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
    return take(UiCall::OpenFile, fileDialogCall(UiCall::OpenFile, r)).text;
}

QString ScriptedUi::saveFileName(const platform::FileDialogRequest& r)
{
    return take(UiCall::SaveFile, fileDialogCall(UiCall::SaveFile, r)).text;
}

QString ScriptedUi::folderName(const QString& title, const QString& startFolder)
{
    return take(UiCall::Folder, {UiCall::Folder, title, title, 0, {startFolder}}).text;
}

bool ScriptedUi::startProgram(const QString& program, const QStringList& arguments, bool minimized)
{
    const Answer a = take(UiCall::StartProgram, {UiCall::StartProgram, program, {}, minimized ? 1 : 0, arguments});
    if (a.whileCalled)
        a.whileCalled();
    return a.number != 0;
}

bool ScriptedUi::openDocument(const QString& path)
{
    return take(UiCall::OpenDocument, {UiCall::OpenDocument, path, {}, 0, {}}).number != 0;
}

int ScriptedUi::runDialog(QDialog& dialog)
{
    const Answer a = take(UiCall::Dialog, {UiCall::Dialog, dialog.objectName(), dialog.windowTitle(), 0, {}});
    if (!a.drive)
        return QDialog::Rejected;
    // Shown as the user would see it, but not modally: the test plays the user.
    dialog.setResult(QDialog::Rejected);
    driven_.push_back(&dialog);
    dialog.show();
    QCoreApplication::processEvents();
    a.drive(dialog);
    QCoreApplication::processEvents();
    dialog.hide();
    driven_.pop_back();
    return dialog.result();
}

QAction* ScriptedUi::popupMenu(QMenu& menu, const QPoint&)
{
    const Answer a = take(UiCall::PopupMenu, {UiCall::PopupMenu, menu.objectName(), menu.title(), 0, entryNames(menu)});
    if (a.text.isEmpty())
        return nullptr;
    QAction* chosen = findEntry(menu, a.text);
    if (!chosen) {
        ADD_FAILURE() << "the pop-up menu has no entry \"" << a.text.toStdString() << "\"";
        return nullptr;
    }
    if (!chosen->isEnabled() || !chosen->isVisible()) {
        ADD_FAILURE() << "the pop-up menu's entry \"" << a.text.toStdString() << "\" cannot be chosen: it is "
                      << (chosen->isEnabled() ? "hidden" : "disabled");
        return nullptr;
    }
    // As a click does: the action fires, and its menus tell of it (Qt relays that).
    chosen->trigger();
    return chosen;
}

platform::ColorDialogAnswer ScriptedUi::colorDialog(const platform::ColorDialogRequest& request)
{
    UiCall call{UiCall::ColorDialog, request.initial.name(), {}, 0, colorNames(request.customColors)};
    call.owner = request.owner;
    const Answer a = take(UiCall::ColorDialog, call);
    return {a.color, a.customColors.value_or(request.customColors)};
}

ScriptedUi& scriptedUi()
{
    static std::shared_ptr<ScriptedUi> service = std::make_shared<ScriptedUi>();
    return *service;
}

} // namespace testsupport
