#pragma once
// Which pin of which connector or terminal block carries which signal. Fixed
// in the program itself: five tables of the machine's connectors, plus one
// table of every pin of the customize model in its order.

#include <QString>
#include <array>
#include <memory>

namespace Telva27 {
class colclsCustom;
class colclsStyle;
} // namespace Telva27

namespace QelmSet {

class ConnectorTables {
public:
    ConnectorTables();
    ~ConnectorTables();

    // Fills the six tables; table 0 numbers the pins of `pins` from 1. A
    // duplicate pin number raises RuntimeError.
    void CreateConStyles(const Telva27::colclsCustom& pins);
    // The table whose connector id is exactly the decimal text tag ("0" .. "5"); null otherwise.
    Telva27::colclsStyle* Find(const QString& tag);

private:
    std::array<std::unique_ptr<Telva27::colclsStyle>, 6> tables_;
};

} // namespace QelmSet
