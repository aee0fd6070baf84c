#pragma once
// One named choice of a parameter set by choosing.

#include <QString>
#include <cstdint>

namespace Telva27 {

class clsSelection {
public:
    const QString& Selection() const { return selection_; }
    void setSelection(const QString& value) { selection_ = value; }
    int32_t Value() const { return value_; }
    void setValue(int32_t value) { value_ = value; }

private:
    QString selection_;
    int32_t value_ = 0;
};

} // namespace Telva27
