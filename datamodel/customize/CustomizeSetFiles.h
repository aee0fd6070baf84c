#pragma once
// Reading the connector pins of a customize table from the setting files
// Set04.e (input pins, 6 fields) and Set05.e (output pins, 15 fields).

namespace Telva27 {

class colclsCustom;

class CustomizeSetFiles {
public:
    explicit CustomizeSetFiles(colclsCustom& model) : model_(model) {}

    // True when the whole file was read, its pins then following the model's.
    // A line that can't be read, or a pin that would write into the table
    // header or outside the table, or whose name is taken, stops the read after
    // a report and leaves the model as it was.
    bool ReadSet04e();
    bool ReadSet05e();

private:
    colclsCustom& model_;
};

} // namespace Telva27
