#include "fSelTableMulti.h"

#include "mMOD.h"
#include "platform/EventGuard.h"
#include "platform/forms/FormBuilder.h"

#include <QCheckBox>

namespace Sorvi27 {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

constexpr auto kCheck = ControlKind::CheckBox;
constexpr auto kButton = ControlKind::CommandButton;
constexpr const char* kFrame = "frameWaku";

// Places in twips; the check boxes' tops are the rows of tables 0 to 7.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Frame, .name = kFrame, .place = QRect(180, 120, 1935, 4395), .caption = 335},
    {.kind = kCheck, .name = "chk", .index = 0, .place = QRect(180, 240, 1575, 400), .text = "テーブル　０", .container = kFrame},
    {.kind = kCheck, .name = "chk", .index = 1, .place = QRect(180, 754, 1575, 400), .container = kFrame},
    {.kind = kCheck, .name = "chk", .index = 2, .place = QRect(180, 1268, 1575, 400), .container = kFrame},
    {.kind = kCheck, .name = "chk", .index = 3, .place = QRect(180, 1782, 1575, 400), .container = kFrame},
    {.kind = kCheck, .name = "chk", .index = 4, .place = QRect(180, 2296, 1575, 400), .container = kFrame},
    {.kind = kCheck, .name = "chk", .index = 5, .place = QRect(180, 2810, 1575, 400), .container = kFrame},
    {.kind = kCheck, .name = "chk", .index = 6, .place = QRect(180, 3324, 1575, 400), .container = kFrame},
    {.kind = kCheck, .name = "chk", .index = 7, .place = QRect(180, 3840, 1575, 400), .container = kFrame},
    {.kind = kButton, .name = "BTN", .index = 1, .place = QRect(2310, 240, 1350, 390), .caption = 122},
    {.kind = kButton, .name = "BTN", .index = 2, .place = QRect(2310, 750, 1350, 390), .caption = 123},
    {.kind = kCheck, .name = "chkSelAll", .place = QRect(2310, 1260, 1350, 390), .text = "全選択(&A)"},
};

const TableChoiceDesign kDesign = {
    .formName = "fSelTableMulti",
    .client = QSize(3870, 4635),
    .controls = kControls,
    .tableName = "chk",
    .hiddenFrameHeight = 255,
};

// "At least, one table must be selected!", exclamation.
constexpr int16_t kMsgNothingTicked = 61, kKindExclamation = 2;

} // namespace

fSelTableMulti::fSelTableMulti(QWidget* parent) : TableChoiceForm(kDesign, parent)
{
    connect(&platform::forms::control<QCheckBox>(*this, QStringLiteral("chkSelAll")), &QCheckBox::clicked, this,
            [this] { platform::guarded(QStringLiteral("chkSelAll_Click"), [&] { chkSelAll_Click(); }); });
}

// Every ticked table, hidden table 0 included, after the leading 0.
std::vector<int32_t> fSelTableMulti::GetCheckedTables() const
{
    std::vector<int32_t> tables{0};
    for (int i = 0; i < 8; ++i)
        if (table(i).isChecked())
            tables.push_back(i);
    return tables;
}

// Select-all sets the visible tables only: table 0 only while it is shown.
void fSelTableMulti::chkSelAll_Click()
{
    const bool ticked = platform::forms::control<QCheckBox>(*this, QStringLiteral("chkSelAll")).isChecked();
    for (int i = table(0).isHidden() ? 1 : 0; i < 8; ++i)
        table(i).setChecked(ticked);
}

void fSelTableMulti::BTN_Click(int index)
{
    if (index == 1) {
        arTableIndex_ = GetCheckedTables();
        if (arTableIndex_.size() > 1)
            accept();
        else
            mMOD::ShowMessage(kMsgNothingTicked, kKindExclamation);
    } else {
        arTableIndex_ = {0};
        reject();
    }
}

} // namespace Sorvi27
