#pragma once
// The input conditions of one step line, keyed by their condition number, and
// the line's counter form when its first condition is a counter function.

#include "datamodel/common/KeyedCollection.h"
#include "datamodel/steps/clsStepIn.h"

#include <QString>
#include <memory>

namespace Telva27 {

class colclsStepIn : public KeyedCollection<clsStepIn> {
public:
    // Adds a condition under the decimal text of lngblock; a number already
    // present raises the collection's duplicate-key error.
    std::shared_ptr<clsStepIn> Add(int32_t lngblock, int32_t lngKino, uint8_t bytJyotai, int32_t eRel);

    // -1 until set; the step file stores it in place of the states.
    int32_t CounterId() const { return counterId_; }
    void setCounterId(int32_t v) { counterId_ = v; }

    // The sign of a relation ("&", "_", "E", ">=", ...); "" for any other value.
    static QString RelJ(int32_t eValue);

private:
    int32_t counterId_ = -1;
};

} // namespace Telva27
