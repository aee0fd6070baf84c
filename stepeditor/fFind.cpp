#include "fFind.h"

#include "ProgramState.h"
#include "fMain.h"
#include "fStep.h"
#include "mMOD.h"

#include "stepeditor/grid/StepColumns.h"

#include "datamodel/common/Enums.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "dialogs/clsSelectKino.h"
#include "platform/EventGuard.h"
#include "platform/KeyCodes.h"
#include "platform/SystemColors.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "platform/grid/FlexGrid.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/string/clsString.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace QelmStp {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

// Places in twips.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Label, .name = "lblWord1", .place = QRect(120, 195, 2520, 255), .caption = 208},
    {.kind = ControlKind::TextBox, .name = "txtWord1", .place = QRect(2700, 150, 2400, 330)},
    {.kind = ControlKind::Label, .name = "lblWord2", .place = QRect(120, 675, 2520, 255), .caption = 209},
    {.kind = ControlKind::TextBox, .name = "txtWord2", .place = QRect(2700, 630, 2400, 330)},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(5280, 120, 1560, 375),
     .caption = 210},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(5280, 555, 1560, 375),
     .caption = 211},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 3, .place = QRect(5280, 990, 1560, 375),
     .caption = 212},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 4, .place = QRect(5280, 1425, 1560, 375),
     .caption = 213},
};
constexpr QSize kClient(6990, 1950);
constexpr QPoint kLoadedAt(100, 100);

constexpr int16_t kKindExclamation = 2;
constexpr int16_t kMsgNotFound = 73;
constexpr int16_t kMsgInputName = 74;
constexpr int16_t kMsgReplaced = 75;
constexpr int16_t kMsgNoSuchFunction = 88;
constexpr int32_t kCaptionUser = 193;
constexpr int32_t kCaptionReference = 192;
// The replace label greyed while the replace box is off (red, green and blue 128).
const QColor kGreyedLabel(128, 128, 128);
constexpr uint32_t kButtonFace = 0x8000000F;

QString catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

} // namespace

fFind::fFind(fMain& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("fFind"));
    // Top-most from the start: raising it to the top later re-creates a
    // shown window, which then flickers and loses its place.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setFixedSize(platform::twipsToPixels(kClient));
    platform::forms::buildControls(*this, kControls);
    using platform::forms::control;
    txtWord1_ = &control<QLineEdit>(*this, QStringLiteral("txtWord1"));
    txtWord2_ = &control<QLineEdit>(*this, QStringLiteral("txtWord2"));
    lblWord2_ = &control<QLabel>(*this, QStringLiteral("lblWord2"));
    control<QLabel>(*this, QStringLiteral("lblWord1")).setBuddy(txtWord1_);
    lblWord2_->setBuddy(txtWord2_);
    txtWord1_->installEventFilter(this);
    txtWord2_->installEventFilter(this);
    control<QPushButton>(*this, QStringLiteral("BTN1")).setDefault(true);
    for (int i = 1; i <= 4; ++i)
        connect(&control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i)), &QPushButton::clicked, this,
                [this, i] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(i); }); });
}

ProgramState& fFind::state() { return main_.state(); }

// ---- loading and closing ---------------------------------------------------

void fFind::Show()
{
    if (!loaded_)
        Form_Load();
    show();
    raise();
    activateWindow();
}

void fFind::Form_Load()
{
    const bool user = stdUsr_ == Telva27::eUSR;
    move(platform::twipsToPixels(kLoadedAt));
    setWindowTitle(catalogueText(user ? kCaptionUser : kCaptionReference));
    txtWord2_->clear();
    SetReplaceMode(false);
    // A new search starts at the first step and the first data column.
    if (target_) {
        const platform::grid::GridData& g = target_->fg().data();
        crntRow_ = g.FixedRows();
        crntCol_ = g.FixedCols();
    }
    // The reference window's program is only shown: it is searched, never replaced in.
    platform::forms::control<QPushButton>(*this, QStringLiteral("BTN3")).setEnabled(user);
    txtWord1_->setText(crntDigital_);
    platform::forms::applyCaptions(*this, kControls, &catalogueText);
    loaded_ = true;
}

void fFind::Form_Unload()
{
    Ostrel7::trapped(reporter_, QStringLiteral("Form_Unload"), [&] {
        loaded_ = false;
        hide();
        if (target_)
            target_->fg().setFocus();
    });
}

// Escape and the close box close the dialog as Cancel does.
void fFind::reject()
{
    platform::guarded(QStringLiteral("Form_Unload"), [&] { Form_Unload(); });
}

void fFind::SetReplaceMode(bool on)
{
    txtWord2_->setEnabled(on);
    platform::forms::control<QPushButton>(*this, QStringLiteral("BTN4")).setEnabled(on);
    QPalette label = lblWord2_->palette();
    label.setColor(QPalette::WindowText, on ? QColor(Qt::black) : kGreyedLabel);
    lblWord2_->setPalette(label);
    QPalette box = txtWord2_->palette();
    box.setColor(QPalette::Base, on ? QColor(Qt::white) : platform::oleColor(kButtonFace));
    txtWord2_->setPalette(box);
}

// ---- buttons ------------------------------------------------------------------

void fFind::BTN_Click(int index)
{
    const bool user = stdUsr_ == Telva27::eUSR;
    switch (index) {
    case 1:
        FindOp(false, crntRow_, crntCol_, txtWord1_->text(), QString());
        break;
    case 2:
        Form_Unload();
        break;
    case 3:
        if (!user)
            break;
        if (!txtWord2_->isEnabled()) {
            SetReplaceMode(true);
            txtWord2_->setFocus();
        } else if (bothNamesGiven()) {
            FindOp(false, crntRow_, crntCol_, txtWord1_->text(), txtWord2_->text());
        }
        break;
    case 4:
        if (user && bothNamesGiven())
            ReplaceAll();
        break;
    default:
        break;
    }
}

bool fFind::bothNamesGiven()
{
    for (QLineEdit* box : {txtWord1_, txtWord2_}) {
        if (box->text().isEmpty()) {
            mMOD::ShowMessage(kMsgInputName, kKindExclamation);
            box->setFocus();
            return false;
        }
    }
    return true;
}

// ---- finding and replacing ---------------------------------------------------------

bool fFind::FindOp(bool silent, int32_t startRow, int32_t startCol, const QString& findText,
                   const QString& replaceText)
{
    return findNext(silent, startRow, startCol, findText, replaceText) != Match::None;
}

bool fFind::isFunctionColumn(int32_t col) const
{
    const int32_t kind = target_->fg().data().ColData(col);
    return kind == eColOutput || kind == eColFunc;
}

std::optional<std::pair<int32_t, int32_t>> fFind::nextMatch(int32_t startRow, int32_t startCol,
                                                            const QString& findText) const
{
    const platform::grid::GridData& g = target_->fg().data();
    for (int32_t row = std::max(startRow, g.FixedRows()); row < g.Rows(); ++row) {
        const int32_t firstCol = row == startRow ? std::max(startCol, g.FixedCols()) : g.FixedCols();
        for (int32_t col = firstCol; col < g.Cols(); ++col)
            if (isFunctionColumn(col) && g.TextMatrix(row, col) == findText)
                return std::make_pair(row, col);
    }
    return std::nullopt;
}

void fFind::endOpenEdit()
{
    platform::grid::FlexGrid& fg = target_->fg();
    if (fg.isEditing() && !fg.commitEdit())
        fg.cancelEdit();
}

fFind::Match fFind::findNext(bool silent, int32_t startRow, int32_t startCol, const QString& findText,
                             const QString& replaceText)
{
    return Ostrel7::trapped(
        reporter_, QStringLiteral("FindOp"),
        [&] {
            if (!target_)
                return Match::None;
            platform::grid::FlexGrid& fg = target_->fg();
            endOpenEdit();
            const auto match = nextMatch(startRow, startCol, findText);
            if (!match) {
                if (!silent)
                    tellHidden(kMsgNotFound);
                return Match::None;
            }
            const auto [row, col] = *match;
            // The next search starts right of this match, whatever the replacement does.
            crntRow_ = row;
            crntCol_ = col + 1;
            if (row < fg.TopRow() || row > fg.BottomRow())
                fg.ShowCell(row, col);
            const bool replaced = !replaceText.isEmpty() && ReplaceWord(row, col, replaceText);
            fg.data().Select(row, col);
            return replaced ? Match::Replaced : Match::Found;
        },
        Match::None);
}

void fFind::ReplaceAll()
{
    Ostrel7::trapped(reporter_, QStringLiteral("ReplaceAll"), [&] {
        const QString findText = txtWord1_->text();
        const QString replaceText = txtWord2_->text();
        // All or nothing: a refused match leaves every cell as it was.
        if (!everyMatchTakes(findText, replaceText))
            return;
        bool found = false;
        int32_t replaced = 0;
        for (;;) {
            const int32_t row = crntRow_;
            const int32_t col = crntCol_;
            const Match match = findNext(true, row, col, findText, replaceText);
            if (match == Match::None)
                break;
            found = true;
            if (match == Match::Replaced)
                ++replaced;
            // A search that did not move on would find the same cell for ever.
            if (crntRow_ < row || (crntRow_ == row && crntCol_ <= col))
                break;
        }
        // Only the names actually put into cells are counted; a refused one was told when it was refused.
        if (found)
            tellHidden(kMsgReplaced, QVariant(replaced));
        else
            tellHidden(kMsgNotFound);
    });
}

bool fFind::everyMatchTakes(const QString& findText, const QString& replaceText)
{
    if (!target_ || target_->STDUSR() != Telva27::eUSR || replaceText.isEmpty())
        return true;
    endOpenEdit();
    for (auto match = nextMatch(crntRow_, crntCol_, findText); match;
         match = nextMatch(match->first, match->second + 1, findText)) {
        const auto [row, col] = *match;
        // A name no list holds is told by the replacement itself, once.
        const StepCellJudge::Verdict verdict = target_->editing().TextVerdict(row, col, replaceText);
        if (!verdict || verdict.message == StepCellJudge::kMsgNoSuchValue)
            continue;
        target_->fg().ShowCell(row, col);
        target_->fg().data().Select(row, col);
        tellHidden(verdict.message, verdict.x1, verdict.x2);
        return false;
    }
    return true;
}

bool fFind::ReplaceWord(int32_t row, int32_t col, const QString& newName)
{
    return Ostrel7::trapped(reporter_, QStringLiteral("ReplaceWord"), [&] {
        // The reference window's program is never changed.
        if (!target_ || target_->STDUSR() != Telva27::eUSR)
            return false;
        platform::grid::GridData& g = target_->fg().data();
        const int32_t kind = g.ColData(col);
        if (kind != eColOutput && kind != eColFunc)
            return false;
        Sorvi27::clsSelectKino& kino = *state().selectKino;
        Telva27::colclsCusSelection& list = kind == eColOutput ? kino.stpout() : kino.stpinp();
        if (list.ValueByDigital(newName) == -1) {
            mMOD::ShowMessage(kMsgNoSuchFunction, kKindExclamation, QVariant(newName));
            return false;
        }
        const QString before = g.TextMatrix(row, col);
        // The same checks, messages and completion of the row as a typed name gets.
        bool cancel = false;
        const bool accepted = target_->editing().fg_ValidateEdit_ExistKinoValue(row, col, cancel, newName);
        const bool replaced = accepted && g.TextMatrix(row, col) == newName;
        if (replaced && before != newName)
            target_->ControlChange(true);
        activateWindow();
        return replaced;
    });
}

void fFind::tellHidden(int16_t message, const std::optional<QVariant>& x1, const std::optional<QVariant>& x2)
{
    hide();
    mMOD::ShowMessage(message, kKindExclamation, x1, x2);
    show();
}

// ---- text boxes ------------------------------------------------------------------------

bool fFind::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = watched == txtWord1_ || watched == txtWord2_ ? static_cast<QLineEdit*>(watched) : nullptr;
    if (box && event->type() == QEvent::FocusIn)
        reporter_.TextSelOp(box);
    if (box && event->type() == QEvent::KeyPress &&
        platform::guarded(QStringLiteral("txtWord_KeyPress"),
                          [&] { return typedIntoBox(*box, static_cast<QKeyEvent&>(*event)); }))
        return true;
    return QDialog::eventFilter(watched, event);
}

// A letter typed in lower case goes in as its capital; True when it was put in here.
bool fFind::typedIntoBox(QLineEdit& box, QKeyEvent& key)
{
    const int32_t keyAscii = platform::keys::keyAsciiOf(key);
    // Shortcuts (Ctrl+V ...) and keys without a character edit as usual.
    if (keyAscii < 32 || keyAscii >= 0x80 || key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const int16_t upper = Ostrel7::clsString().CvToBigASC(static_cast<int16_t>(keyAscii));
    if (upper == keyAscii)
        return false;
    box.insert(QString(QChar(upper)));
    return true;
}

} // namespace QelmStp
