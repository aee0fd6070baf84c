#pragma once
// Fills the parameter model from the setting text files in the library folder:
// Set01.e groups, Set02.e parameters, Set03.e choices and descriptions, and
// Set10.e the parameters this installation hides.

#include <QString>

namespace Telva27 {

class colclsFunction;

class ParameterSetFiles {
public:
    explicit ParameterSetFiles(colclsFunction& model) : model_(model) {}

    // Each answers True when every line was applied. A file is applied whole or
    // not at all: a failure is reported under the reader's name (a missing name
    // in Set10.e with its own message) and leaves the model as it was.
    bool ReadSet01e();
    bool ReadSet02e();
    bool ReadSet03e();
    bool ReadSet10e();

private:
    colclsFunction& model_;
};

} // namespace Telva27
