#include "fInpMemo.h"

#include "ProgramState.h"
#include "fStep.h"
#include "mMOD.h"

#include "datamodel/common/Enums.h"
#include "datamodel/steps/colclsStep.h"
#include "platform/Cp932.h"
#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace QelmStp {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

const ControlDesign kControls[] = {
    {.kind = ControlKind::Custom, .name = "txtMemo", .place = QRect(120, 120, 5880, 3960),
     .create = &platform::forms::make<QPlainTextEdit>},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(6120, 120, 1215, 420),
     .caption = 206},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(6120, 660, 1215, 420),
     .caption = 207},
};
constexpr QSize kClient(7560, 4200);
// In pixels of the client area: the button column stands this far left of
// the right edge; the text box (at 8, 8) is the client's width and height
// less these.
constexpr int kButtonsFromRight = 96;
constexpr int kTextFromRight = 111;
constexpr int kTextFromBottom = 16;

QString catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

} // namespace

fInpMemo::fInpMemo(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("fInpMemo"));
    // Stays beside the grid, above the other windows.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    resize(platform::twipsToPixels(kClient));
    setMinimumSize(platform::twipsToPixels(QSize(3600, 1800)));
    platform::forms::buildControls(*this, kControls);
    txtMemo_ = &platform::forms::control<QPlainTextEdit>(*this, QStringLiteral("txtMemo"));
    txtMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (int i = 1; i <= 2; ++i)
        connect(&platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i)), &QPushButton::clicked,
                this, [this, i] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(i); }); });
}

QString fInpMemo::ToEditor(const QString& stored)
{
    QString text = stored;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QString fInpMemo::ToStored(const QString& edited)
{
    QString text = edited;
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

bool fInpMemo::IsOpen(const ProgramState& state) { return state.frmMemo && state.frmMemo->isVisible(); }

bool fInpMemo::RefuseWhileOpen(const ProgramState& state)
{
    if (!IsOpen(state))
        return false;
    mMOD::ShowMessage(72, 2);
    return true;
}

void fInpMemo::UnloadOpen(ProgramState& state)
{
    if (auto* memo = qobject_cast<fInpMemo*>(state.frmMemo.data()))
        memo->Unload();
}

void fInpMemo::UnloadReferenceMemo(ProgramState& state)
{
    auto* memo = qobject_cast<fInpMemo*>(state.frmMemo.data());
    if (memo && memo->stdUsr_ == Telva27::eSTD)
        memo->Unload();
}

void fInpMemo::Form_Load()
{
    if (const auto icon = Resource::clsResource().PicRes(14))
        setWindowIcon(icon->icon());
    txtMemo_->setPlainText(ToEditor(memo_));
    shown_ = txtMemo_->toPlainText();
    setWindowTitle(catalogueText(205));
    platform::forms::applyCaptions(*this, kControls, &catalogueText);
    // The reference window's memo can be read (and typed over) but not stored.
    platform::forms::control<QPushButton>(*this, QStringLiteral("BTN1")).setEnabled(stdUsr_ != Telva27::eSTD);
}

QString fInpMemo::StoredText() const
{
    const QString text = txtMemo_->toPlainText();
    return text == shown_ ? memo_ : ToStored(text);
}

void fInpMemo::BTN_Click(int index)
{
    if (index != 1) {
        Unload();
        return;
    }
    const QString memo = StoredText();
    if (platform::cp932::byteLength(memo) > kMemoBytes) {
        mMOD::ShowMessage(56, 2, kMemoBytes);
        txtMemo_->setFocus();
        return;
    }
    if (state_.stepUsr && memo != state_.stepUsr->Memo()) {
        if (state_.frmUsr)
            state_.frmUsr->ControlChange(true);
        state_.stepUsr->setMemo(memo);
    }
    Unload();
}

void fInpMemo::reject()
{
    // Escape and the close box store nothing.
    platform::guarded(QStringLiteral("Form_Unload"), [&] { Unload(); });
}

void fInpMemo::Unload()
{
    hide();
    if (state_.frmMemo == this)
        state_.frmMemo.clear();
    deleteLater();
}

void fInpMemo::Form_Resize()
{
    Ostrel7::trapped(reporter_, QStringLiteral("Form_Resize"), [&] {
        if (isMinimized())
            return;
        const int w = width();
        const int h = height();
        for (int i = 1; i <= 2; ++i) {
            auto& button = platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i));
            button.move(w - kButtonsFromRight, button.y());
        }
        txtMemo_->resize(std::max(0, w - kTextFromRight), std::max(0, h - kTextFromBottom));
    });
}

void fInpMemo::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    platform::guarded(QStringLiteral("Form_Resize"), [&] { Form_Resize(); });
}

} // namespace QelmStp
