// The model's Byte and Integer members take any whole number, as the windows
// pass grid numbers straight to them, and refuse one outside their type with
// Overflow (6) instead of storing it wrapped.

#include "datamodel/customize/colclsCustom.h"
#include "datamodel/okuri/colclsOkuri.h"
#include "datamodel/parameters/colclsFunction.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace Telva27;

namespace {

enum class Kind { Byte, Integer };

// A property, or an argument of an Add (set adds an item with that value,
// get reads it back from the last item).
struct Member {
    std::string name;
    Kind kind;
    std::function<void(int64_t)> set;
    std::function<int64_t()> get;
};

template <typename Object>
Member property(const std::string& name, Kind kind, std::shared_ptr<Object> object, void (Object::*set)(int64_t),
                auto (Object::*get)() const)
{
    return {name, kind, [=](int64_t v) { ((*object).*set)(v); }, [=] { return int64_t{((*object).*get)()}; }};
}

std::vector<Member> members()
{
    std::vector<Member> all;
    const auto digital = std::make_shared<clsDigital>();
    all.push_back(property("clsDigital.Bit", Kind::Byte, digital, &clsDigital::setBit, &clsDigital::Bit));
    all.push_back(property("clsDigital.DataRam", Kind::Byte, digital, &clsDigital::setDataRam, &clsDigital::DataRam));

    const auto model = std::make_shared<colclsFunction>();
    all.push_back(property("colclsFunction.SettingTableNo", Kind::Byte, model, &colclsFunction::setSettingTableNo,
                           &colclsFunction::SettingTableNo));
    all.push_back(property("colclsFunction.DataVersion", Kind::Integer, model, &colclsFunction::setDataVersion,
                           &colclsFunction::DataVersion));

    const auto pin = std::make_shared<clsCustom>();
    const struct {
        const char* name;
        void (clsCustom::*set)(int64_t);
        uint8_t (clsCustom::*get)() const;
    } pinBytes[] = {
        {"Kino", &clsCustom::setKino, &clsCustom::Kino},
        {"Logic", &clsCustom::setLogic, &clsCustom::Logic},
        {"Dosa", &clsCustom::setDosa, &clsCustom::Dosa},
        {"OnDelay", &clsCustom::setOnDelay, &clsCustom::OnDelay},
        {"OffDelay", &clsCustom::setOffDelay, &clsCustom::OffDelay},
        {"OnDelayTime", &clsCustom::setOnDelayTime, &clsCustom::OnDelayTime},
        {"OffDelayTime", &clsCustom::setOffDelayTime, &clsCustom::OffDelayTime},
        {"Chopping", &clsCustom::setChopping, &clsCustom::Chopping},
        {"ZenpaTime", &clsCustom::setZenpaTime, &clsCustom::ZenpaTime},
        {"Duty", &clsCustom::setDuty, &clsCustom::Duty},
        {"LogicBit", &clsCustom::setLogicBit, &clsCustom::LogicBit},
        {"DosaBit", &clsCustom::setDosaBit, &clsCustom::DosaBit},
        {"DosaOnDelayBit", &clsCustom::setDosaOnDelayBit, &clsCustom::DosaOnDelayBit},
        {"DosaOffDelayBit", &clsCustom::setDosaOffDelayBit, &clsCustom::DosaOffDelayBit},
        {"ChoppingBit", &clsCustom::setChoppingBit, &clsCustom::ChoppingBit},
        {"DutyBit", &clsCustom::setDutyBit, &clsCustom::DutyBit},
    };
    for (const auto& p : pinBytes)
        all.push_back(property(std::string("clsCustom.") + p.name, Kind::Byte, pin, p.set, p.get));

    const auto row = std::make_shared<clsOkuri>();
    all.push_back(property("clsOkuri.P1", Kind::Byte, row, &clsOkuri::setP1, &clsOkuri::P1));
    all.push_back(property("clsOkuri.P2", Kind::Byte, row, &clsOkuri::setP2, &clsOkuri::P2));

    // Add arguments: each call adds an item under a name of its own.
    const auto items = std::make_shared<colclsDigital>();
    const auto count = std::make_shared<int>(0);
    const auto addDigital = [=](int64_t bit, int64_t dataRam) {
        items->Add("K", "P" + QString::number(++*count), "NUMBER", "", "0", "9", "-", "16", bit, dataRam);
    };
    const auto lastDigital = [=] { return items->Item(items->Count()); };
    all.push_back({"colclsDigital.Add(bytBit)", Kind::Byte, [=](int64_t v) { addDigital(v, 1); },
                   [=] { return int64_t{lastDigital()->Bit()}; }});
    all.push_back({"colclsDigital.Add(bytDataRam)", Kind::Byte, [=](int64_t v) { addDigital(0, v); },
                   [=] { return int64_t{lastDigital()->DataRam()}; }});

    const auto pins = std::make_shared<colclsCustom>();
    const auto lastPin = [=] { return pins->Item(pins->Count()); };
    const struct {
        const char* name;
        uint8_t (clsCustom::*get)() const;
    } pinMasks[] = {
        {"bytLogicBit", &clsCustom::LogicBit},
        {"bytDosaBit", &clsCustom::DosaBit},
        {"bytDosaOnDelayBit", &clsCustom::DosaOnDelayBit},
        {"bytDosaOffDelayBit", &clsCustom::DosaOffDelayBit},
        {"bytChoppingBit", &clsCustom::ChoppingBit},
        {"bytDutyBit", &clsCustom::DutyBit},
    };
    for (size_t i = 0; i < std::size(pinMasks); ++i) {
        const auto add = [=](int64_t v) {
            int64_t m[6] = {1, 1, 1, 1, 1, 1};
            m[i] = v;
            pins->Add(eOUTPUT, "O" + QString::number(++*count), 100, 101, m[0], 102, m[1], m[2], m[3], 103, 104, 105,
                      m[4], 106, 107, m[5]);
        };
        const auto get = pinMasks[i].get;
        all.push_back({std::string("colclsCustom.Add(") + pinMasks[i].name + ")", Kind::Byte, add, [=] {
                           const auto p = lastPin();
                           return int64_t{((*p).*get)()};
                       }});
    }

    const auto rows = std::make_shared<colclsOkuri>();
    const auto lastRow = [=] { return rows->Item(rows->Count()); };
    all.push_back({"colclsOkuri.Add(P1)", Kind::Byte, [=](int64_t v) { rows->Add(v, 0, 0, 0, 0); },
                   [=] { return int64_t{lastRow()->P1()}; }});
    all.push_back({"colclsOkuri.Add(P2)", Kind::Byte, [=](int64_t v) { rows->Add(0, v, 0, 0, 0); },
                   [=] { return int64_t{lastRow()->P2()}; }});
    return all;
}

} // namespace

TEST(NumberRange, ByteAndIntegerMembersRefuseWhatTheirTypeCannotHold)
{
    for (const Member& m : members()) {
        SCOPED_TRACE(m.name);
        const bool byte = m.kind == Kind::Byte;
        for (const int64_t fits : byte ? std::vector<int64_t>{0, 255} : std::vector<int64_t>{-32768, 32767}) {
            m.set(fits);
            EXPECT_EQ(m.get(), fits);
        }
        m.set(7);
        for (const int64_t wide : byte ? std::vector<int64_t>{256, -1, 300} : std::vector<int64_t>{32768, -32769}) {
            EXPECT_EQ(testsupport::errorOf([&] { m.set(wide); }), 6) << wide;
            EXPECT_EQ(m.get(), 7) << "kept after " << wide; // nothing stored, nothing added
        }
    }
}

TEST(NumberRange, AnInputPinRefusesAWideOutputMaskItWouldIgnore)
{
    colclsCustom pins;
    EXPECT_EQ(testsupport::errorOf([&] { pins.Add(eINPUT, "I1", 100, 101, 1, 102, 2, 256); }), 6);
    EXPECT_EQ(testsupport::errorOf([&] { pins.Add(eINPUT, "I1", 100, 101, 1, 102, 2, 0, 0, 0, 0, 0, -1); }), 6);
    EXPECT_EQ(pins.Count(), 0);
}
