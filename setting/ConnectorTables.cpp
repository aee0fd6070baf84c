#include "ConnectorTables.h"

#include "datamodel/customize/colclsCustom.h"
#include "datamodel/customize/colclsStyle.h"

#include <initializer_list>
#include <utility>

namespace QelmSet {

namespace {

using Pin = std::pair<const char*, const char*>; // pin number, signal name

// Connector CONI, the foot switch.
const std::initializer_list<Pin> kConI = {
    {"1", "+12V"}, {"2", "I1"}, {"3", "I2"}, {"4", "I3"}, {"5", "GND"},
    {"6", "GND"},  {"7", "N.C."}, {"8", "GND"}, {"Body", "E"},
};

// Connector CONG, the input and output signals.
const std::initializer_list<Pin> kConG = {
    {"1", "0V"},  {"2", "0V"},  {"3", "II"},  {"4", "IJ"},  {"5", "IK"},  {"6", "IL"},   {"7", "IM"},
    {"8", "IN"},  {"9", "IO"},  {"10", "IP"}, {"11", "0V"}, {"12", "0V"}, {"13", "OH"},  {"14", "OI"},
    {"15", "OJ"}, {"16", "OK"}, {"17", "OL"}, {"18", "OM"}, {"19", "ON"}, {"20", "OO"},  {"21", "OD"},
    {"22", "OE"}, {"23", "OF"}, {"24", "OG"}, {"25", "+12V"}, {"26", "+12V"},
};

// Terminal block 1 in the machine head.
const std::initializer_list<Pin> kTe1 = {
    {"A1", "0V"},   {"A2", "I5"},   {"A3", "0V"},   {"A4", "I6"},  {"A5", "0V"},
    {"A6", "I7"},   {"A7", "0V"},   {"A8", "I8"},   {"A9", "0V"},  {"A10", "I9"},
    {"B1", "+12V"}, {"B2", "+5V"},  {"B3", "+12V"}, {"B4", "IA"},  {"B5", "+12V"},
    {"B6", "IB"},   {"B7", "+12V"}, {"B8", "IC"},   {"B9", "+12V"}, {"B10", "ID"},
};

// Terminal block 2 in the machine head.
const std::initializer_list<Pin> kTe2 = {
    {"A1", "IE"},  {"A2", "0V"},   {"A3", "IF"},   {"A4", "O6"},   {"A5", "O7"},
    {"A6", "O8"},  {"A7", "O9"},   {"A8", "OA"},   {"A9", "OB"},   {"A10", "OC"},
    {"B1", "IG"},  {"B2", "+12V"}, {"B3", "IH"},   {"B4", "+24V"}, {"B5", "+24V"},
    {"B6", "+24V"}, {"B7", "+24V"}, {"B8", "+24V"}, {"B9", "+24V"}, {"B10", "0V"},
};

// Pins on the other connectors of the control board.
const std::initializer_list<Pin> kOther = {
    {"CON3-1", "I4"},  {"CON3-4", "O6"},  {"CON7-2", "O1"},  {"CON8-2", "O4"},
    {"CON9-3", "O2"},  {"CON10-2", "O3"}, {"CON11-3", "O5"},
};

void addPins(Telva27::colclsStyle& table, std::initializer_list<Pin> pins)
{
    for (const Pin& pin : pins)
        table.Add(QLatin1String(pin.first), QLatin1String(pin.second));
}

} // namespace

ConnectorTables::ConnectorTables()
{
    for (auto& table : tables_)
        table = std::make_unique<Telva27::colclsStyle>();
}

ConnectorTables::~ConnectorTables() = default;

void ConnectorTables::CreateConStyles(const Telva27::colclsCustom& pins)
{
    int32_t number = 0;
    for (const auto& pin : pins)
        tables_[Telva27::eCONALL]->Add(QString::number(++number), pin->Location());

    const std::pair<Telva27::ENUM_CONID, std::initializer_list<Pin>> fixed[] = {
        {Telva27::eCONI, kConI}, {Telva27::eCONG, kConG}, {Telva27::eTE1, kTe1},
        {Telva27::eTE2, kTe2},   {Telva27::eTEOTHER, kOther},
    };
    for (const auto& [id, list] : fixed) {
        tables_[id]->setConId(id);
        addPins(*tables_[id], list);
    }
}

Telva27::colclsStyle* ConnectorTables::Find(const QString& tag)
{
    for (int id = Telva27::eCONALL; id <= Telva27::eTEOTHER; ++id)
        if (tag == QString::number(id))
            return tables_[id].get();
    return nullptr;
}

} // namespace QelmSet
