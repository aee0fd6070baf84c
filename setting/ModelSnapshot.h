#pragma once
// The values one table read puts into the data model for one kind (STD or
// USR): parameter values, the user table's header and SEK bytes, the pins and
// the two feed-pitch tables. Opening a file takes a snapshot first and puts it
// back when the read fails part-way, so a failed open leaves the previously
// loaded table as it was.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "datamodel/customize/clsCustom.h"
#include "datamodel/okuri/clsOkuri.h"

namespace Telva27 {
class colclsFunction;
class colclsCustom;
class colclsOkuri;
} // namespace Telva27

namespace QelmSet {

class ModelSnapshot {
public:
    ModelSnapshot(int32_t kind, Telva27::colclsFunction& functions, Telva27::colclsCustom& pins,
                  Telva27::colclsOkuri& pitchX, Telva27::colclsOkuri& pitchY);

    void restore();

private:
    struct Header {
        bool tableFlag = false;
        uint8_t settingTableNo = 0;
        int16_t dataVersion = 0;
        QString kishuName;
        QByteArray sek;
    };

    static std::vector<Telva27::clsOkuri> rowsOf(const Telva27::colclsOkuri& table);
    static void putRows(Telva27::colclsOkuri& table, const std::vector<Telva27::clsOkuri>& rows);

    int32_t kind_;
    Telva27::colclsFunction& functions_;
    Telva27::colclsCustom& pins_;
    Telva27::colclsOkuri& pitchX_;
    Telva27::colclsOkuri& pitchY_;

    std::vector<int32_t> values_;
    Header header_;
    std::vector<Telva27::clsCustom> pinValues_;
    std::vector<Telva27::clsOkuri> rowsX_;
    std::vector<Telva27::clsOkuri> rowsY_;
};

} // namespace QelmSet
