#include "TreeErrors.h"

namespace platform::tree {

RuntimeError treeError(int32_t number)
{
    switch (number) {
    case errIndexOutOfBounds: return RuntimeError(number, QStringLiteral("Index out of bounds"));
    case errElementNotFound: return RuntimeError(number, QStringLiteral("Element not found"));
    case errKeyNotUnique: return RuntimeError(number, QStringLiteral("Key is not unique in collection"));
    case errImageListNotSet:
        return RuntimeError(number, QStringLiteral("ImageList must be initialized before it can be used"));
    default: return RuntimeError(number);
    }
}

} // namespace platform::tree
