#include "fInpPasword.h"

#include "LibraryState.h"
#include "mMOD.h"

#include "platform/Cp932.h"
#include "platform/EventGuard.h"
#include "platform/Trim.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/string/clsString.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace Sorvi27 {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

// Places in twips.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Label, .name = "LabelPassword", .place = QRect(180, 240, 1100, 255), .caption = 416},
    {.kind = ControlKind::TextBox, .name = "txtPassword", .place = QRect(1350, 180, 1900, 330)},
    {.kind = ControlKind::Label, .name = "LabelPasswordCond", .place = QRect(1350, 570, 3800, 255), .caption = 418},
    {.kind = ControlKind::Label, .name = "LabelAuthor", .place = QRect(180, 1020, 1100, 255), .caption = 417},
    {.kind = ControlKind::TextBox, .name = "txtAuthor", .place = QRect(1350, 960, 1900, 330)},
    {.kind = ControlKind::Label, .name = "LabelAuthorCond", .place = QRect(1350, 1350, 3800, 255), .caption = 419},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(5400, 180, 1300, 420),
     .text = "OK"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(5400, 720, 1300, 420),
     .caption = 420},
};
constexpr QSize kClient(6900, 1800);

QString catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

bool isDigit(uint8_t code) { return code >= '0' && code <= '9'; }

} // namespace

fInpPasword::fInpPasword(QWidget* parent) : QDialog(parent), state_(LibraryState::acquire())
{
    setObjectName(QStringLiteral("fInpPasword"));
    setFixedSize(platform::twipsToPixels(kClient));
    platform::forms::buildControls(*this, kControls);
    using platform::forms::control;
    txtPassword_ = &control<QLineEdit>(*this, QStringLiteral("txtPassword"));
    txtAuthor_ = &control<QLineEdit>(*this, QStringLiteral("txtAuthor"));
    txtPassword_->installEventFilter(this);
    txtAuthor_->installEventFilter(this);
    for (int i = 1; i <= 2; ++i)
        connect(&control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i)), &QPushButton::clicked, this,
                [this, i] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(i); }); });
}

void fInpPasword::Form_Load()
{
    const bool editable = stdUsr_ == Telva27::eUSR;
    platform::forms::control<QPushButton>(*this, QStringLiteral("BTN1")).setEnabled(editable);
    // The reference window's values are shown, not edited.
    txtPassword_->setReadOnly(!editable);
    txtAuthor_->setReadOnly(!editable);
    txtPassword_->setText(password_);
    txtAuthor_->setText(author_);
    setWindowTitle(catalogueText(415));
    platform::forms::applyCaptions(*this, kControls, &catalogueText);
}

void fInpPasword::BTN_Click(int index)
{
    if (index != 1) {
        reject();
        return;
    }
    const QString p = platform::Trim(txtPassword_->text());
    const QString a = platform::Trim(txtAuthor_->text());
    if (!ExactInput(p, a))
        return;
    password_ = p;
    author_ = a;
    accept();
}

bool fInpPasword::ExactInput(const QString& password, const QString& author)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ExactInput"), [&] {
        if (!password.isEmpty() && !ExactPassword(password)) {
            mMOD::ShowMessage(71, 2);
            txtPassword_->setFocus();
            return false;
        }
        if (!author.isEmpty() && !ExactAuthor(author)) {
            mMOD::ShowMessage(73, 2);
            txtAuthor_->setFocus();
            return false;
        }
        return true;
    });
}

bool fInpPasword::ExactPassword(const QString& s)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ExactPassword"),
                            [&] { return isAlphanumeric(s, kPasswordLength); });
}

bool fInpPasword::ExactAuthor(const QString& s)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ExactAuthor"),
                            [&] { return isAlphanumeric(s, kAuthorLength); });
}

// Letters A-Z, a-z and digits only, each one byte in the ANSI code page: a
// double-byte (full-width) letter or digit is refused like any other character.
bool fInpPasword::isAlphanumeric(const QString& s, int maxLength) const
{
    if (s.size() > maxLength)
        return false;
    Ostrel7::clsString text;
    for (const QChar c : s) {
        const QByteArray bytes = platform::cp932::encode(QString(c));
        if (bytes.size() != 1)
            return false;
        const auto code = static_cast<uint8_t>(bytes[0]);
        if (!text.IsABC(code) && !isDigit(code))
            return false;
    }
    return true;
}

bool fInpPasword::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == txtPassword_ || watched == txtAuthor_))
        state_->reporter().TextSelOp(static_cast<QWidget*>(watched));
    return QDialog::eventFilter(watched, event);
}

} // namespace Sorvi27
