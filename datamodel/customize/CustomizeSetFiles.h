#pragma once
// Reading the connector pins of a customize table from the setting files
// Set04.e (input pins, 6 fields) and Set05.e (output pins, 15 fields).

namespace Telva27 {

class colclsCustom;

class CustomizeSetFiles {
public:
    explicit CustomizeSetFiles(colclsCustom& model) : model_(model) {}

    // True when the whole file was read. A line that can't be read, or a pin
    // that would write into the table header, outside the table or over another
    // field, stops the read after a report; the pins before it stay.
    bool ReadSet04e();
    bool ReadSet05e();

private:
    colclsCustom& model_;
};

} // namespace Telva27
