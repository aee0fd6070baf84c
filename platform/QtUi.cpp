#include "QtUi.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

namespace platform {

namespace {

struct ButtonChoice {
    QMessageBox::StandardButton button;
    int32_t answer;
};

std::vector<ButtonChoice> buttonsFor(int32_t style)
{
    switch (msgButtons(style)) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
        return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
    }
}

QMessageBox::Icon iconFor(int32_t style)
{
    switch (msgIcon(style)) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

QString qtFileFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QLatin1String(";;"));
}

int32_t QtUi::messageBox(const QString& text, int32_t style, const QString& title)
{
    QMessageBox box(iconFor(style), title, displayText(text), QMessageBox::NoButton, dialogParent());
    const auto choices = buttonsFor(style);
    for (const auto& choice : choices)
        box.addButton(choice.button);
    const size_t defaultIndex = std::min<size_t>(msgDefaultButton(style) - 1, choices.size() - 1);
    box.setDefaultButton(choices[defaultIndex].button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& choice : choices)
        if (choice.button == clicked)
            return choice.answer;
    // Closed with Escape or the title bar: the cancelling answer, else the only one.
    return buttonsFor(style).size() == 1 ? vbOK : (msgButtons(style) == vbYesNo ? vbNo : vbCancel);
}

QString QtUi::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), title, displayText(prompt), QLineEdit::Normal,
                                               defaultText, &ok);
    return ok ? text : QString();
}

QString QtUi::openFileName(const FileDialogRequest& request)
{
    const QString start = request.fileName.isEmpty() ? request.initialFolder
                                                     : QDir(request.initialFolder).filePath(request.fileName);
    return QFileDialog::getOpenFileName(dialogParent(), request.title, start, qtFileFilter(request.filter));
}

QString QtUi::saveFileName(const FileDialogRequest& request)
{
    const QString start = request.fileName.isEmpty() ? request.initialFolder
                                                     : QDir(request.initialFolder).filePath(request.fileName);
    if (request.defaultSuffix.isEmpty())
        return QFileDialog::getSaveFileName(dialogParent(), request.title, start, qtFileFilter(request.filter));
    // The static dialog knows no default suffix: with one, the dialog itself
    // adds it before it asks about writing over an existing file.
    QFileDialog dialog(dialogParent(), request.title, start, qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                     : QString();
}

QString QtUi::folderName(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(dialogParent(), title, startFolder);
}

int QtUi::runDialog(QDialog& dialog) { return dialog.exec(); }

QAction* QtUi::popupMenu(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

ColorDialogAnswer QtUi::colorDialog(const ColorDialogRequest& request)
{
    // Qt keeps one set of custom colours for the whole program: the caller's
    // set is loaded into it and read back, so each caller keeps its own.
    const int count = std::min<int>(QColorDialog::customCount(), static_cast<int>(request.customColors.size()));
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, request.customColors[static_cast<size_t>(i)]);
    const QColor picked =
        QColorDialog::getColor(request.initial, request.owner ? request.owner : dialogParent());
    ColorDialogAnswer answer;
    answer.customColors = request.customColors;
    for (int i = 0; i < count; ++i)
        answer.customColors[static_cast<size_t>(i)] = QColorDialog::customColor(i);
    if (picked.isValid())
        answer.color = picked;
    return answer;
}

bool QtUi::startProgram(const QString& program, const QStringList& arguments, bool minimized)
{
    // X11 and Wayland give a starting program no portable way to open minimised;
    // the window manager places the new program's window.
    Q_UNUSED(minimized);
    return QProcess::startDetached(program, arguments);
}

bool QtUi::openDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

} // namespace platform
