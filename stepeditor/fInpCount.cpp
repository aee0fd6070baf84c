#include "fInpCount.h"

#include "mMOD.h"

#include "datamodel/common/Enums.h"
#include "datamodel/customize/colclsCusSelection.h"
#include "platform/EventGuard.h"
#include "platform/Cp932.h"
#include "platform/Trim.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "platform/forms/FormBuilder.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QPushButton>

namespace QelmStp {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

constexpr int kRows = 8;
// One row of the counter frame: title button on the left, counter choice on the right (twips).
constexpr int kRowTop = 330;
constexpr int kRowPitch = 450;
constexpr int kLcdWidth = 1560;

constexpr ControlDesign counterRow(int i)
{
    return {.kind = ControlKind::CommandButton, .name = "btnCaption", .index = i,
            .place = QRect(150, kRowTop + i * kRowPitch, 1500, 390), .container = "Frame1"};
}
constexpr ControlDesign counterChoice(int i)
{
    return {.kind = ControlKind::ComboBox, .name = "cboCUNT", .index = i,
            .place = QRect(1770, kRowTop + 30 + i * kRowPitch, 4800, 330), .container = "Frame1"};
}
constexpr ControlDesign lcdKey(int i)
{
    return {.kind = ControlKind::CommandButton, .name = "btnLCDCaption", .index = i,
            .place = QRect(150 + (i % 4) * (kLcdWidth + 120), 330 + (i / 4) * 450, kLcdWidth, 390),
            .container = "Frame2"};
}

const ControlDesign kControls[] = {
    {.kind = ControlKind::Frame, .name = "Frame1", .place = QRect(120, 120, 6780, 4020), .caption = 395},
    counterRow(0), counterChoice(0), counterRow(1), counterChoice(1), counterRow(2), counterChoice(2),
    counterRow(3), counterChoice(3), counterRow(4), counterChoice(4), counterRow(5), counterChoice(5),
    counterRow(6), counterChoice(6), counterRow(7), counterChoice(7),
    {.kind = ControlKind::Frame, .name = "Frame2", .place = QRect(120, 4260, 6780, 1260), .caption = 396},
    lcdKey(0), lcdKey(1), lcdKey(2), lcdKey(3), lcdKey(4), lcdKey(5), lcdKey(6), lcdKey(7),
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(7080, 240, 1320, 420),
     .caption = 206},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(7080, 780, 1320, 420),
     .caption = 207},
};
constexpr QSize kClient(8580, 5640);

QString catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

} // namespace

fInpCount::fInpCount(const Telva27::colclsCusSelection& stpinp, QWidget* parent) : QDialog(parent), stpinp_(stpinp)
{
    setObjectName(QStringLiteral("fInpCount"));
    setFixedSize(platform::twipsToPixels(kClient));
    platform::forms::buildControls(*this, kControls);
    // The padded short names line up in a fixed-pitch font.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = 0; i < kRows; ++i) {
        cboCUNT(i).setFont(fixed);
        connect(&btnCaption(i), &QPushButton::clicked, this,
                [this, i] { platform::guarded(QStringLiteral("btnCaption_Click"), [&] { btnCaption_Click(i); }); });
        connect(&btnLCDCaption(i), &QPushButton::clicked, this, [this, i] {
            platform::guarded(QStringLiteral("btnLCDCaption_Click"), [&] { btnLCDCaption_Click(i); });
        });
    }
    for (int i = 1; i <= 2; ++i)
        connect(&platform::forms::control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i)), &QPushButton::clicked,
                this, [this, i] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(i); }); });
}

QComboBox& fInpCount::cboCUNT(int index) const
{
    return platform::forms::control<QComboBox>(*this, QStringLiteral("cboCUNT%1").arg(index));
}
QPushButton& fInpCount::btnCaption(int index) const
{
    return platform::forms::control<QPushButton>(*this, QStringLiteral("btnCaption%1").arg(index));
}
QPushButton& fInpCount::btnLCDCaption(int index) const
{
    return platform::forms::control<QPushButton>(*this, QStringLiteral("btnLCDCaption%1").arg(index));
}

QString fInpCount::CounterEntry(const QString& name, const QString& advice)
{
    // A longer name is shown whole.
    return name.leftJustified(8, u' ') + u' ' + advice;
}

void fInpCount::Form_Load()
{
    Create_cboCUNT();
    PasteValue();
    setWindowTitle(catalogueText(336));
    platform::forms::applyCaptions(*this, kControls, &catalogueText);
    // The reference window's values are looked at and left with Cancel.
    platform::forms::control<QPushButton>(*this, QStringLiteral("BTN1")).setEnabled(stdUsr_ != Telva27::eSTD);
}

void fInpCount::Create_cboCUNT()
{
    Ostrel7::trapped(reporter_, QStringLiteral("Create_cboCUNT"), [&] {
        QStringList entries;
        for (const auto& function : stpinp_)
            if (function->Category() == QLatin1String("COUNT"))
                entries << CounterEntry(function->Ditigal(), function->Advice());
        for (int i = 0; i < kRows; ++i) {
            cboCUNT(i).clear();
            cboCUNT(i).addItems(entries);
        }
    });
}

void fInpCount::PasteValue()
{
    // Each control is filled on its own: a counter byte that names no choice
    // leaves its box without a selection, and the others are filled all the same.
    shownCount_ = countCaption_;
    shownLcd_ = lcdCaption_;
    for (int i = 0; i < kRows; ++i) {
        Ostrel7::trapped(reporter_, QStringLiteral("PasteValue"), [&] {
            const int chosen = countBytes_[size_t(i)];
            cboCUNT(i).setCurrentIndex(chosen < cboCUNT(i).count() ? chosen : -1);
        });
        showTitle(btnCaption(i), shownCount_[size_t(i)]);
        showTitle(btnLCDCaption(i), shownLcd_[size_t(i)]);
    }
}

void fInpCount::showTitle(QPushButton& button, const QString& title)
{
    QString shown = title;
    button.setText(shown.replace(u'&', QStringLiteral("&&")));
}

void fInpCount::btnCaption_Click(int index) { InputTitle(btnCaption(index), shownCount_[size_t(index)]); }

void fInpCount::btnLCDCaption_Click(int index) { InputTitle(btnLCDCaption(index), shownLcd_[size_t(index)]); }

void fInpCount::InputTitle(QPushButton& button, QString& title)
{
    Ostrel7::trapped(reporter_, QStringLiteral("btnCaption_Click"), [&] {
        for (;;) {
            const QString answer = platform::Trim(platform::ui().inputBox(catalogueText(391), mMOD::ProgramName(), title));
            if (answer.isEmpty())
                return; // Cancel or blanks only: the title stays
            const QString typed = answer == QLatin1String("*") ? QString() : answer;
            if (platform::cp932::byteLength(typed) > kTitleBytes) {
                mMOD::ShowMessage(92, 2, kTitleBytes);
                button.setFocus();
                continue;
            }
            title = typed;
            showTitle(button, title);
            return;
        }
    });
}

void fInpCount::BTN_Click(int index)
{
    if (index != 1) {
        reject();
        return;
    }
    for (int i = 0; i < kRows; ++i) {
        // A box without a selection keeps the counter it was given.
        const int chosen = cboCUNT(i).currentIndex();
        if (chosen >= 0 && chosen <= UINT8_MAX)
            countBytes_[size_t(i)] = static_cast<uint8_t>(chosen);
    }
    countCaption_ = shownCount_;
    lcdCaption_ = shownLcd_;
    accept();
}

} // namespace QelmStp
