#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace platform;
using namespace platform::forms;

TEST(Twips, ConvertsToTheNearestPixelAndBack)
{
    const struct {
        int32_t twips;
        int pixels;
    } cases[] = {{0, 0}, {7, 0}, {8, 1}, {15, 1}, {22, 1}, {23, 2}, {3765, 251}, {-7, 0}, {-8, -1}, {-3765, -251}};
    for (const auto& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
    EXPECT_EQ(pixelsToTwips(251), 3765);
    EXPECT_EQ(pixelsToTwips(QPointF(1.5, -2)), QPointF(22.5, -30));
    // Place and size convert apart, so a control keeps its size wherever it sits.
    EXPECT_EQ(twipsToPixels(QRect(2310, 488, 1350, 390)), QRect(154, 33, 90, 26));
    EXPECT_EQ(twipsToPixels(QRect(2310, 488, 1350, 390)).size(), twipsToPixels(QSize(1350, 390)));
    EXPECT_EQ(pixelsToTwips(QRect(154, 33, 90, 26)), QRect(2310, 495, 1350, 390));
}

namespace {

const ControlDesign kControls[] = {
    {.kind = ControlKind::Frame, .name = "frameWaku", .place = QRect(240, 120, 3000, 1500), .caption = 2},
    {.kind = ControlKind::OptionButton, .name = "op", .index = 0, .place = QRect(240, 240, 1455, 360),
     .text = "テーブル０", .container = "frameWaku"},
    {.kind = ControlKind::OptionButton, .name = "op", .index = 1, .place = QRect(240, 705, 1455, 360),
     .caption = 3, .container = "frameWaku"},
    {.kind = ControlKind::Panel, .name = "picCMD", .arrange = Arrange::Horizontal},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .caption = 1, .container = "picCMD"},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .text = "&Cancel", .container = "picCMD"},
    {.kind = ControlKind::Custom, .name = "cmbKind", .create = &make<QComboBox>},
};

QString catalogue(int32_t n) { return QStringLiteral("text %1").arg(n); }

} // namespace

TEST(FormBuilder, BuildsNamedPlacedAndLaidOutControls)
{
    QWidget form;
    form.setObjectName(QStringLiteral("fTest"));
    buildControls(form, kControls);
    applyCaptions(form, kControls, catalogue);

    auto& frame = control<QGroupBox>(form, QStringLiteral("frameWaku"));
    EXPECT_EQ(frame.geometry(), QRect(16, 8, 200, 100));
    EXPECT_EQ(frame.title(), QStringLiteral("text 2"));
    auto& op1 = control<QRadioButton>(form, QStringLiteral("op1"));
    EXPECT_EQ(op1.parentWidget(), &frame);
    EXPECT_EQ(op1.geometry(), QRect(16, 47, 97, 24));
    EXPECT_EQ(op1.text(), QStringLiteral("text 3"));
    EXPECT_EQ(control<QRadioButton>(form, QStringLiteral("op0")).text(), QStringLiteral("テーブル０"));

    // Controls without a place join their container's layout in table order.
    auto& panel = control<QWidget>(form, QStringLiteral("picCMD"));
    auto* row = qobject_cast<QBoxLayout*>(panel.layout());
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->direction(), QBoxLayout::LeftToRight);
    ASSERT_EQ(row->count(), 2);
    EXPECT_EQ(row->itemAt(0)->widget(), form.findChild<QPushButton*>(QStringLiteral("BTN1")));
    EXPECT_EQ(row->itemAt(1)->widget(), form.findChild<QPushButton*>(QStringLiteral("BTN2")));
    EXPECT_EQ(control<QPushButton>(form, QStringLiteral("BTN1")).text(), QStringLiteral("text 1"));
    EXPECT_EQ(control<QPushButton>(form, QStringLiteral("BTN2")).text(), QStringLiteral("&Cancel"));
    auto* column = qobject_cast<QBoxLayout*>(form.layout());
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->direction(), QBoxLayout::TopToBottom);
    EXPECT_EQ(column->indexOf(&panel), 0);
    EXPECT_EQ(column->indexOf(&control<QComboBox>(form, QStringLiteral("cmbKind"))), 1);
}

TEST(FormBuilder, FaultsOfTheTableAreReported)
{
    const ControlDesign noContainer[] = {{.kind = ControlKind::Label, .name = "lbl", .container = "frameWaku"}};
    const ControlDesign noCaption[] = {{.kind = ControlKind::ComboBox, .name = "cmb", .caption = 5}};
    const ControlDesign noCreate[] = {{.kind = ControlKind::Custom, .name = "fg"}};
    QWidget form;
    EXPECT_THROW(buildControls(form, noContainer), std::logic_error);
    EXPECT_THROW(buildControls(form, noCreate), std::logic_error);
    buildControls(form, noCaption);
    EXPECT_THROW(applyCaptions(form, noCaption, catalogue), std::logic_error);
    EXPECT_THROW(control<QPushButton>(form, QStringLiteral("cmb")), std::logic_error);
    EXPECT_THROW(control<QWidget>(form, QStringLiteral("BTN1")), std::logic_error);
    EXPECT_THROW(controlNamed(noCaption, QStringLiteral("cmb1")), std::logic_error);
}
