#include "fSelTable.h"

#include "platform/forms/ControlDesign.h"

namespace Sorvi27 {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

constexpr auto kOption = ControlKind::OptionButton;
constexpr auto kButton = ControlKind::CommandButton;
constexpr const char* kFrame = "frameWaku";

// Places in twips; the option buttons' tops are the rows of tables 0 to 7.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Frame, .name = kFrame, .place = QRect(240, 120, 1935, 3855), .caption = 335},
    {.kind = kOption, .name = "op", .index = 0, .place = QRect(240, 240, 1455, 360), .text = "テーブル０", .container = kFrame},
    {.kind = kOption, .name = "op", .index = 1, .place = QRect(240, 705, 1455, 360), .container = kFrame},
    {.kind = kOption, .name = "op", .index = 2, .place = QRect(240, 1140, 1455, 360), .container = kFrame},
    {.kind = kOption, .name = "op", .index = 3, .place = QRect(240, 1560, 1455, 360), .container = kFrame},
    {.kind = kOption, .name = "op", .index = 4, .place = QRect(240, 1995, 1455, 360), .container = kFrame},
    {.kind = kOption, .name = "op", .index = 5, .place = QRect(240, 2430, 1455, 360), .container = kFrame},
    {.kind = kOption, .name = "op", .index = 6, .place = QRect(240, 2865, 1455, 360), .container = kFrame},
    {.kind = kOption, .name = "op", .index = 7, .place = QRect(240, 3300, 1455, 360), .container = kFrame},
    {.kind = kButton, .name = "BTN", .index = 1, .place = QRect(2310, 480, 1350, 390), .caption = 122},
    {.kind = kButton, .name = "BTN", .index = 2, .place = QRect(2310, 990, 1350, 390), .caption = 123},
};

const TableChoiceDesign kDesign = {
    .formName = "fSelTable",
    .client = QSize(3765, 4110),
    .controls = kControls,
    .tableName = "op",
    .hiddenFrameHeight = 225,
};

} // namespace

fSelTable::fSelTable(QWidget* parent) : TableChoiceForm(kDesign, parent) {}

int32_t fSelTable::titleCaption() const
{
    if (stdUsr_ == -1)
        return 423; // "Select table"
    return stdUsr_ == 1 ? 421 : 422; // "Select table(STD)", "Select table(USER)"
}

void fSelTable::BTN_Click(int index)
{
    if (index == 1) {
        accept();
    } else {
        tableIndex_ = -1;
        reject();
    }
}

} // namespace Sorvi27
