#include "fDlgReplace.h"

#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "resource/clsResource.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace QelmStp {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

// Places in twips.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Label, .name = "lblMsg", .place = QRect(240, 180, 4800, 255), .caption = 352},
    {.kind = ControlKind::Label, .name = "lblData", .place = QRect(240, 540, 4800, 255)},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(240, 1020, 1125, 375),
     .caption = 401},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(1465, 1020, 1125, 375),
     .caption = 402},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 3, .place = QRect(2690, 1020, 1125, 375),
     .caption = 403},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 4, .place = QRect(3915, 1020, 1125, 375),
     .caption = 404},
};
constexpr QSize kClient(5280, 1620);
constexpr QPoint kPlace(100, 100);
constexpr int32_t kIcon = 17;

QString catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

// The keys that answer, as the upper-case characters they type; the buttons'
// own mnemonics work besides.
int32_t answerOfKey(const QString& typed)
{
    if (typed == QLatin1String("Y"))
        return fDlgReplace::eYes;
    if (typed == QLatin1String("N"))
        return fDlgReplace::eNo;
    if (typed == QLatin1String("A"))
        return fDlgReplace::eAllYes;
    if (typed == QLatin1String("O"))
        return fDlgReplace::eAllNo;
    return 0;
}

} // namespace

fDlgReplace::fDlgReplace(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fDlgReplace"));
    setFixedSize(platform::twipsToPixels(kClient));
    platform::forms::buildControls(*this, kControls);
    lblData_ = &platform::forms::control<QLabel>(*this, QStringLiteral("lblData"));
    for (int32_t i = eYes; i <= eAllNo; ++i) {
        auto& button = platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i));
        // Enter answers the focused button, never a default one.
        button.setAutoDefault(false);
        connect(&button, &QPushButton::clicked, this,
                [this, i] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(i); }); });
    }
}

void fDlgReplace::Form_Load()
{
    move(platform::twipsToPixels(kPlace));
    if (const auto icon = Resource::clsResource().PicRes(kIcon))
        setWindowIcon(icon->icon());
    setWindowTitle(QStringLiteral("QELM_STEP"));
    platform::forms::applyCaptions(*this, kControls, &catalogueText);
    lblData_->setText(data_);
}

void fDlgReplace::BTN_Click(int32_t index)
{
    ret_ = index;
    accept();
}

void fDlgReplace::keyPressEvent(QKeyEvent* event)
{
    if (const int32_t answer = answerOfKey(event->text())) {
        platform::guarded(QStringLiteral("Form_KeyPress"), [&] { BTN_Click(answer); });
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace QelmStp
