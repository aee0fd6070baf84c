#pragma once
// The find dialog of a step window: searches the function cells of the
// window's grid (output and input function columns) for a function name and,
// in the user window, replaces it by another one, match by match or all at
// once. It is modeless and stays above the other windows, so the grid stays
// usable while it is open. The main window makes one per role: the user
// window's, which may replace, and the reference window's, which only finds.
//
// A search goes on from the cell after the last match; it never wraps to the
// top: after the last match it reports "not found" until the dialog is
// closed and opened again.

#include "util/method/clsMethod.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <utility>

class QKeyEvent;
class QLabel;
class QLineEdit;

namespace QelmStp {

class fMain;
class fStep;
struct ProgramState;

class fFind final : public QDialog {
    Q_OBJECT

public:
    explicit fFind(fMain& main);

    // The role of the searched window: 0 user (find and replace), 1 reference (find only).
    int32_t STDUSR() const { return stdUsr_; }
    void setSTDUSR(int32_t role) { stdUsr_ = role; }
    // The window whose grid is searched.
    fStep* Target_fStep() const { return target_; }
    void setTarget_fStep(fStep* window) { target_ = window; }
    // The name the find box starts with when the dialog loads.
    const QString& CrntDigital() const { return crntDigital_; }
    void setCrntDigital(const QString& name) { crntDigital_ = name; }

    // True from loading until the dialog is closed (Cancel, Escape, its close box).
    bool IsLoaded() const { return loaded_; }
    // Loads the dialog when it is not loaded and shows it modeless, in front.
    // While it stays loaded its find box, replace mode and search position
    // stay as they are.
    void Show();
    void Form_Load();
    // Closes the dialog; the target window's grid gets the focus back.
    void Form_Unload();

    // Finds the next function cell from (startRow, startCol) on whose text
    // is exactly findText and selects it; with a replaceText, also replaces
    // it. The next search starts right of the match. Unless silent, "not
    // found" is told to the user. True when a match was found.
    bool FindOp(bool silent, int32_t startRow, int32_t startCol, const QString& findText,
                const QString& replaceText);
    // Replaces every match from the search position to the end of the grid
    // and tells how many were replaced.
    void ReplaceAll();
    // Puts newName into a function cell through the cell rules of typing;
    // True when the cell holds newName afterwards. A name that is not a
    // function of the column's list is refused with its message.
    bool ReplaceWord(int32_t row, int32_t col, const QString& newName);
    // Enables (on) or greys the replace box and Replace all.
    void SetReplaceMode(bool on);

    // Where the next search starts.
    int32_t RememberedRow() const { return crntRow_; }
    int32_t RememberedCol() const { return crntCol_; }

    // The buttons: 1 Next, 2 Cancel, 3 Replace, 4 Replace all.
    void BTN_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    // What one search step did.
    enum class Match { None, Found, Replaced };
    Match findNext(bool silent, int32_t startRow, int32_t startCol, const QString& findText,
                   const QString& replaceText);
    // The first function cell holding findText from (startRow, startCol) on,
    // row by row; std::nullopt when there is none.
    std::optional<std::pair<int32_t, int32_t>> nextMatch(int32_t startRow, int32_t startCol,
                                                         const QString& findText) const;
    // An edit left open in the grid ends first, as a click on another cell
    // ends it: a search and a replacement work on what the cells hold.
    void endOpenEdit();
    // Every match from the search position on may take the replacement, as
    // typing would take it; else the first refusal is shown with its cell
    // current, and the answer is False.
    bool everyMatchTakes(const QString& findText, const QString& replaceText);
    // Tells the user with the dialog out of the way.
    void tellHidden(int16_t message, const std::optional<QVariant>& x1 = std::nullopt,
                    const std::optional<QVariant>& x2 = std::nullopt);
    // Message 74 with the focus on the empty box; True when both boxes hold a name.
    bool bothNamesGiven();
    bool isFunctionColumn(int32_t col) const;
    // Upper case for a typed character of the text boxes.
    bool typedIntoBox(QLineEdit& box, QKeyEvent& key);
    ProgramState& state();

    fMain& main_;
    // Reports the failures of the dialog's trapped members.
    mutable Ostrel7::clsMethod reporter_;
    QLineEdit* txtWord1_ = nullptr;
    QLineEdit* txtWord2_ = nullptr;
    QLabel* lblWord2_ = nullptr;
    int32_t stdUsr_ = 0;
    QPointer<fStep> target_;
    QString crntDigital_;
    bool loaded_ = false;
    int32_t crntRow_ = 1;
    int32_t crntCol_ = 1;
};

} // namespace QelmStp
