#include "colclsSelection.h"

namespace Telva27 {

std::shared_ptr<clsSelection> colclsSelection::Add(const QString& sSelection, int32_t lngValue)
{
    auto item = std::make_shared<clsSelection>();
    item->setSelection(sSelection);
    item->setValue(lngValue);
    KeyedCollection::Add(item, sSelection);
    return item;
}

QString colclsSelection::GetSelection(int32_t lngValue) const
{
    QString answer = QStringLiteral("?");
    for (const auto& choice : *this)
        if (choice->Value() == lngValue)
            answer = choice->Selection();
    return answer;
}

} // namespace Telva27
