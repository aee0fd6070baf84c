#include "datamodel/customize/colclsCustom.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using namespace Telva27;
using testsupport::errorOf;
using testsupport::scriptedUi;

TEST(CustomModel, AddKeepsOutputFieldsOfOutputPinsOnly)
{
    colclsCustom pins;
    const auto out =
        pins.Add(eOUTPUT, "OUT1", 100, 101, 0x01, 102, 0x02, 0x04, 0x08, 103, 104, 105, 0x10, 106, 107, 0x07);
    EXPECT_FALSE(out->OutIsLack());
    EXPECT_EQ(out->DosaOnDelayBit(), 0x04);
    EXPECT_EQ(out->DosaOffDelayBit(), 0x08);
    EXPECT_EQ(out->OnDelayTimeRamAddress(), 103);
    EXPECT_EQ(out->OffDelayTimeRamAddress(), 104);
    EXPECT_EQ(out->ChoppingRamAddress(), 105);
    EXPECT_EQ(out->ChoppingBit(), 0x10);
    EXPECT_EQ(out->ZenpaTimeRamAddress(), 106);
    EXPECT_EQ(out->DutyRamAddress(), 107);
    EXPECT_EQ(out->DutyBit(), 0x07);

    EXPECT_TRUE(pins.Add(eOUTPUT, "OUT2", 110, 111, 1, 112, 2, 4, 8, 113, 114)->OutIsLack());

    // An input pin ignores every output argument, and so does eNot.
    for (const auto kind : {eINPUT, eNot}) {
        const auto in = pins.Add(kind, kind == eINPUT ? "IN1" : "X1", 16, 20, 0x01, 20, 0x80, 4, 8, 103, 104, 0, 1,
                                 106, 107, 7);
        EXPECT_EQ(in->KinoRamAddress(), 16);
        EXPECT_EQ(in->LogicRamAddress(), 20);
        EXPECT_EQ(in->LogicBit(), 0x01);
        EXPECT_EQ(in->DosaRamAddress(), 20);
        EXPECT_EQ(in->DosaBit(), 0x80);
        EXPECT_FALSE(in->OutIsLack());
        EXPECT_EQ(in->DosaOnDelayBit() | in->DosaOffDelayBit() | in->ChoppingBit() | in->DutyBit(), 0);
        EXPECT_EQ(in->OnDelayTimeRamAddress() | in->OffDelayTimeRamAddress() | in->ChoppingRamAddress() |
                      in->ZenpaTimeRamAddress() | in->DutyRamAddress(),
                  0);
    }
    EXPECT_EQ(pins.Item(1)->Location(), "OUT1");
    EXPECT_EQ(pins.Item("in1")->Location(), "IN1");
}

TEST(CustomModel, DuplicateOrMissingNamesFailToTheCaller)
{
    colclsCustom pins;
    pins.Add(eINPUT, "IN1", 16, 20, 1, 20, 2);
    EXPECT_EQ(errorOf([&] { pins.Add(eOUTPUT, "in1", 30, 31, 1, 31, 2); }), 457);
    ASSERT_EQ(pins.Count(), 1);
    EXPECT_EQ(pins.Item("IN1")->KinoRamAddress(), 16); // the first definition stays
    EXPECT_EQ(errorOf([&] { pins.Item("IN2"); }), platform::errInvalidCall);
    EXPECT_EQ(errorOf([&] { pins.Item(2); }), platform::errSubscript);
    EXPECT_TRUE(scriptedUi().calls().empty()); // no report of its own
}

TEST(CustomModel, LetterPropertiesAndToggles)
{
    clsCustom pin;
    struct Letters {
        void (clsCustom::*set)(const QString&);
        QString (clsCustom::*get)() const;
        uint8_t (clsCustom::*value)() const;
        const char* zero;
        const char* one;
    };
    const Letters letters[] = {
        {&clsCustom::setLogicJ, &clsCustom::LogicJ, &clsCustom::Logic, "-", "REV"},
        {&clsCustom::setDosaJ, &clsCustom::DosaJ, &clsCustom::Dosa, "-", "ALT"},
        {&clsCustom::setChoppingJ, &clsCustom::ChoppingJ, &clsCustom::Chopping, "OFF", "ON"},
        {&clsCustom::setOnDelayJ, &clsCustom::OnDelayJ, &clsCustom::OnDelay, "OFF", "ON"},
        {&clsCustom::setOffDelayJ, &clsCustom::OffDelayJ, &clsCustom::OffDelay, "OFF", "ON"},
    };
    for (const Letters& l : letters) {
        SCOPED_TRACE(l.one);
        EXPECT_EQ((pin.*l.get)(), l.zero); // 0 at creation
        (pin.*l.set)(l.one);
        EXPECT_EQ((pin.*l.value)(), 1);
        EXPECT_EQ((pin.*l.get)(), l.one);
        (pin.*l.set)(l.zero);
        EXPECT_EQ((pin.*l.value)(), 0);
        // Only the exact first text stores 0.
        (pin.*l.set)(QString::fromLatin1(l.zero).toLower() + " ");
        EXPECT_EQ((pin.*l.value)(), 1);
        (pin.*l.set)("");
        EXPECT_EQ((pin.*l.value)(), 1);
    }
    pin.setLogic(7); // any number but 0 reads as the second text
    EXPECT_EQ(pin.LogicJ(), "REV");

    const struct {
        QString (*next)(const QString&);
        const char* in;
        const char* out;
    } toggles[] = {
        {colclsCustom::GetNextLogicLetter, "-", "REV"},   {colclsCustom::GetNextLogicLetter, "REV", "-"},
        {colclsCustom::GetNextLogicLetter, "", "-"},      {colclsCustom::GetNextDosaLetter, "-", "ALT"},
        {colclsCustom::GetNextDosaLetter, "ALT", "-"},    {colclsCustom::GetNextDosaLetter, "rev", "-"},
        {colclsCustom::GetNextYukoMukoLetter, "ON", "OFF"}, {colclsCustom::GetNextYukoMukoLetter, "OFF", "ON"},
        {colclsCustom::GetNextYukoMukoLetter, "on", "ON"},  {colclsCustom::GetNextYukoMukoLetter, "", "ON"},
    };
    for (const auto& t : toggles)
        EXPECT_EQ(t.next(t.in), t.out) << t.in;
}

TEST(CustomModel, DutyTexts)
{
    const colclsCustom pins;
    const struct {
        int32_t index;
        const char* code;
        const char* description;
    } duties[] = {
        {0, "ALL", "100%all wave output"},
        {1, "66L", "8ms=ON, 4ms=OFF, 66%duty"},
        {2, "66H", "4ms=ON, 2ms=OFF, 66%duty"},
        {3, "50L", "4ms=ON, 4ms=OFF, 50%duty"},
        {4, "50H", "2ms=ON, 2ms=OFF, 50%duty"},
        {5, "33", "2ms=ON, 4ms=OFF, 33%duty"},
        {6, "17", "2ms=ON, 10ms=OFF, 17%duty"},
        {7, "8", "2ms=ON, 22ms=OFF, 8%duty"},
        {8, "", ""},
        {-1, "", ""},
    };
    for (const auto& d : duties) {
        EXPECT_EQ(pins.GetDutyInfo1(d.index), d.code) << d.index;
        EXPECT_EQ(pins.GetDutyInfo2(d.index), d.description) << d.index;
    }
}

TEST(CustomModel, DoesDiffComparesTheTenValuesOnly)
{
    colclsCustom usr;
    colclsCustom std;
    const auto u = usr.Add(eOUTPUT, "OUT1", 100, 101, 1, 102, 2, 4, 8, 103, 104, 105, 1, 106, 107, 7);
    const auto s = std.Add(eOUTPUT, "OUT9", 200, 201, 2, 202, 4, 8, 16, 203, 204, 0, 2, 206, 207, 0x70);
    EXPECT_FALSE(usr.DoesDiff(u, s)); // names, addresses, masks and OutIsLack differ

    const std::vector<void (clsCustom::*)(int64_t)> values = {
        &clsCustom::setKino,     &clsCustom::setLogic,        &clsCustom::setDosa,     &clsCustom::setOnDelay,
        &clsCustom::setOnDelayTime, &clsCustom::setOffDelay,  &clsCustom::setOffDelayTime, &clsCustom::setChopping,
        &clsCustom::setZenpaTime, &clsCustom::setDuty,
    };
    for (size_t i = 0; i < values.size(); ++i) {
        ((*u).*values[i])(1);
        EXPECT_TRUE(usr.DoesDiff(u, s)) << i;
        ((*u).*values[i])(0);
    }
    EXPECT_FALSE(usr.DoesDiff(u, s));

    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_TRUE(usr.DoesDiff(u, nullptr)); // a failed comparison counts as a difference
    ASSERT_EQ(scriptedUi().calls().size(), 1u);
    EXPECT_TRUE(scriptedUi().calls()[0].text.startsWith("DoesDiff\r\n"));
}

TEST(CustomModel, UsrOrStdIsATagAndOutputPinsGoByTheirName)
{
    colclsCustom pins;
    EXPECT_EQ(pins.UsrOrStd(), eUSR);
    pins.setUsrOrStd(eSTD);
    EXPECT_EQ(pins.UsrOrStd(), eSTD);

    clsCustom pin;
    for (const auto& [name, output] : std::vector<std::pair<QString, bool>>{
             {"OUT1", true}, {"out3", true}, {"IN1", false}, {" OUT", false}, {"", false}}) {
        pin.setLocation(name);
        EXPECT_EQ(pin.isOutputPin(), output) << name.toStdString();
    }
}
