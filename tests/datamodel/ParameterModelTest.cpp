#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"

#include "ScriptedUi.h"

#include <gtest/gtest.h>

using namespace Telva27;
using testsupport::scriptedUi;

namespace {

std::shared_ptr<clsDigital> addDigital(colclsFunction& model, const QString& group, const QString& name,
                                       const QString& kino = "SPEED", const QString& method = "NUMBER")
{
    return model.Item(group)->Items()->Add(kino, name, method, "rpm", "0", "100", "advice", "16", 0, 1);
}

} // namespace

TEST(ParameterModel, SpecialGroupsAndCounts)
{
    colclsFunction model;
    model.Add("Speed", "NORMAL");
    model.Add("Service", "special");
    model.Add("Trailing", "SPECIAL ");
    model.Add("Japanese", QString::fromUtf8("特殊"));
    for (const char* group : {"Speed", "Service", "Trailing", "Japanese"})
        addDigital(model, group, "P1");
    addDigital(model, "Service", "P2");
    EXPECT_EQ(model.AllDititalCount(), 5);
    EXPECT_EQ(model.SpecialDigitalCount(), 3); // "SPECIAL " with a blank is not special

    EXPECT_EQ(model.DifDititalCount(), 0);
    model.Item("Speed")->Items()->Item("P1")->setUserValue(4);
    model.Item("Service")->Items()->Item("P2")->setStdValue(1);
    EXPECT_EQ(model.DifDititalCount(), 2);
}

TEST(ParameterModel, LookupsByNameAreExact)
{
    colclsFunction model;
    model.Add("Speed", "");
    addDigital(model, "Speed", "Max speed", "KAKUDO_SET");
    EXPECT_EQ(model.GetKinoNoByDigital("Speed", "Max speed"), QStringLiteral("KAKUDO_SET"));
    EXPECT_EQ(model.GetKinoNoByDigital("speed", "Max speed"), QString());
    EXPECT_TRUE(model.DoesSpecialKinoNo("TIME_SET"));
    EXPECT_FALSE(model.DoesSpecialKinoNo("time_set"));
    EXPECT_EQ(model.Item("Speed")->Items(), model.Item("Speed")->Items()); // shared, not copied
}

TEST(ParameterModel, SpeedLimitMarkersTakeTheirAddressesFromTheAdvice)
{
    colclsDigital items;
    auto d = items.Add("SPEED", "Low speed", "NUMBER", "rpm", "L_SPEED_MIN", "x", "120,121,Lowest speed", "&H1F4",
                       0x30, 1);
    EXPECT_EQ(d->MinRamAddress(), 120);
    EXPECT_EQ(d->MaxRamAddress(), 121);
    EXPECT_EQ(d->Advice(), QStringLiteral("Lowest speed"));
    EXPECT_EQ(d->Min(), QStringLiteral("L_SPEED_MIN"));
    EXPECT_EQ(d->RamAddress(), 500);
    EXPECT_TRUE(d->AllowEdit());
    EXPECT_THROW(items.Add("S", "Bad", "N", "", "H_SPEED_MIN", "", "1,2", "16", 0, 1), platform::RuntimeError);
    EXPECT_THROW(items.Add("S", "Bad address", "N", "", "0", "", "", "12abc", 0, 1), platform::RuntimeError);
    EXPECT_THROW(items.Add("S", "low SPEED", "N", "", "0", "", "", "16", 0, 1), platform::RuntimeError); // key taken
}

TEST(ParameterModel, ChoicesBuildTheDetailedAdvice)
{
    clsDigital d;
    d.AddSelection("A", 1, "first");
    d.AddSelection("B", 2, "second");
    d.AddSelection("", 0, "note");
    EXPECT_EQ(d.DetailAdvice(), QStringLiteral("[A]: first\r\n\r\n[B]: second\r\nnote"));
    EXPECT_EQ(d.Selections()->Count(), 2);

    d.AddSelection("C", 1, "again");
    EXPECT_EQ(d.Selections()->GetSelection(1), QStringLiteral("C")); // the last match wins
    EXPECT_EQ(d.Selections()->GetSelection(9), QStringLiteral("?"));
}

TEST(ParameterModel, UpdateUserValueReadsNumbersOrChoices)
{
    clsDigital number;
    number.setInputMethod("NUMBER");
    for (const auto& [text, expected] : {std::pair{"12abc", 12}, {"2.5", 2}, {"3.5", 4}, {"", 0}}) {
        number.UpdateUserValue(QString::fromLatin1(text));
        EXPECT_EQ(number.UserValue(), expected) << text;
    }

    clsDigital choice;
    choice.setInputMethod("SELECTION");
    choice.AddSelection("ON", 1, "");
    choice.UpdateUserValue("ON");
    EXPECT_EQ(choice.UserValue(), 1);
    scriptedUi().answerMessageBox(platform::vbOK);
    choice.UpdateUserValue("on");
    EXPECT_EQ(choice.UserValue(), 1);
    EXPECT_EQ(scriptedUi().calls().at(0).text, QStringLiteral("UpdateUserValue:cannot find selection ->on"));
    EXPECT_EQ(scriptedUi().calls().at(0).style, platform::vbOKOnly);
}
