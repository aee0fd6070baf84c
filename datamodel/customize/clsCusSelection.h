#pragma once
// One entry of a function-code list: a code with its name, description and
// the category the selection dialogs file it under.

#include "datamodel/common/NarrowOrOverflow.h"

#include <QString>
#include <cstdint>

namespace Telva27 {

class clsCusSelection {
public:
    const QString& Advice() const { return advice_; }
    void setAdvice(const QString& v) { advice_ = v; }
    const QString& Ditigal() const { return ditigal_; }
    void setDitigal(const QString& v) { ditigal_ = v; }
    bool Hidden() const { return hidden_; }
    void setHidden(bool v) { hidden_ = v; }
    int16_t Value() const { return value_; }
    // A 16-bit code: anything outside -32768 to 32767 is an overflow.
    void setValue(int64_t v) { value_ = narrowOrOverflow<int16_t>(v); }
    const QString& Category() const { return category_; }
    void setCategory(const QString& v) { category_ = v; }

private:
    int16_t value_ = 0;
    QString ditigal_;
    QString advice_;
    QString category_;
    bool hidden_ = true;
};

} // namespace Telva27
