#include "QtUi.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

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

// Whether a visible top-level window of the program other than the dialog is
// kept above the others.
bool anotherWindowKeptOnTop(const QWidget& dialog)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget* window) {
        return window != &dialog && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
}

// Every modal dialog of the service runs here: above the program's own windows.
int runModal(QDialog& dialog)
{
    const KeptAboveOwnWindows above(dialog);
    return dialog.exec();
}

// The file the user chose; "" when the dialog was cancelled.
QString chosenFile(QFileDialog& dialog)
{
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

KeptAboveOwnWindows::KeptAboveOwnWindows(QDialog& dialog)
{
    if (dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) || !anotherWindowKeptOnTop(dialog))
        return;
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog_ = &dialog;
}

KeptAboveOwnWindows::~KeptAboveOwnWindows()
{
    // A dialog that deleted itself on closing is gone; one still shown keeps
    // the hint, since changing a window's flags hides it.
    if (dialog_ && !dialog_->isVisible())
        dialog_->setWindowFlag(Qt::WindowStaysOnTopHint, false);
}

QStringList qtFileFilters(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

QString qtFileFilter(const QString& pipeFilter) { return qtFileFilters(pipeFilter).join(QLatin1String(";;")); }

void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setWindowTitle(request.title);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The filter first: choosing one in a save dialog gives the file name its
    // extension, and the name asked for must stay as it is.
    const QStringList filters = qtFileFilters(request.filter);
    dialog.setNameFilters(filters);
    // The index counts from 1; one outside the list keeps the first filter.
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (request.fileName.isEmpty()) {
        dialog.setDirectory(request.initialFolder);
        return;
    }
    const QFileInfo start(QDir(request.initialFolder).filePath(request.fileName));
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
}

int32_t QtUi::messageBox(const QString& text, int32_t style, const QString& title)
{
    QMessageBox box(iconFor(style), title, displayText(text), QMessageBox::NoButton, dialogParent());
    const auto choices = buttonsFor(style);
    for (const auto& choice : choices)
        box.addButton(choice.button);
    const size_t defaultIndex = std::min<size_t>(msgDefaultButton(style) - 1, choices.size() - 1);
    box.setDefaultButton(choices[defaultIndex].button);
    runModal(box);
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& choice : choices)
        if (choice.button == clicked)
            return choice.answer;
    // Closed with Escape or the title bar: the cancelling answer, else the only one.
    return buttonsFor(style).size() == 1 ? vbOK : (msgButtons(style) == vbYesNo ? vbNo : vbCancel);
}

QString QtUi::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextEchoMode(QLineEdit::Normal);
    dialog.setTextValue(defaultText);
    return runModal(dialog) == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtUi::openFileName(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepareFileDialog(dialog, request);
    return chosenFile(dialog);
}

QString QtUi::saveFileName(const FileDialogRequest& request)
{
    // With a default suffix the dialog itself adds it before it asks about
    // writing over an existing file.
    QFileDialog dialog(dialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepareFileDialog(dialog, request);
    return chosenFile(dialog);
}

QString QtUi::folderName(const QString& title, const QString& startFolder)
{
    QFileDialog dialog(dialogParent(), title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    return chosenFile(dialog);
}

int QtUi::runDialog(QDialog& dialog) { return runModal(dialog); }

QAction* QtUi::popupMenu(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

ColorDialogAnswer QtUi::colorDialog(const ColorDialogRequest& request)
{
    // Qt keeps one set of custom colours for the whole program: the caller's
    // set is loaded into it and read back, so each caller keeps its own.
    const int count = std::min<int>(QColorDialog::customCount(), static_cast<int>(request.customColors.size()));
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, request.customColors[static_cast<size_t>(i)]);
    QColorDialog dialog(request.initial, request.owner ? request.owner : dialogParent());
    const QColor picked = runModal(dialog) == QDialog::Accepted ? dialog.selectedColor() : QColor();
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
