#include "clsFunction.h"

#include "datamodel/parameters/colclsDigital.h"

namespace Telva27 {

std::shared_ptr<colclsDigital> clsFunction::Items()
{
    if (!items_)
        items_ = std::make_shared<colclsDigital>();
    return items_;
}

bool clsFunction::isSpecial() const
{
    return topkmk_.toUpper() == QLatin1String("SPECIAL") || topkmk_ == QString::fromUtf8("特殊");
}

} // namespace Telva27
