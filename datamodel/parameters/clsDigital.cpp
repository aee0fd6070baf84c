#include "clsDigital.h"

#include "datamodel/parameters/colclsSelection.h"
#include "datamodel/common/ModelMessages.h"
#include "platform/Val.h"

namespace Telva27 {

std::shared_ptr<colclsSelection> clsDigital::Selections()
{
    if (!selections_)
        selections_ = std::make_shared<colclsSelection>();
    return selections_;
}

void clsDigital::UpdateUserValue(const QVariant& var)
{
    const QString text = var.toString();
    if (!isSelection()) {
        userValue_ = platform::ValAs<int32_t>(text);
        return;
    }
    for (const auto& choice : *Selections()) {
        if (choice->Selection() == text) {
            userValue_ = choice->Value();
            return;
        }
    }
    showModelMessage(QStringLiteral("UpdateUserValue:cannot find selection ->") + text);
}

void clsDigital::AddSelection(const QString& sSelection, int32_t lngValue, const QString& sDetailAdvice)
{
    if (!sSelection.isEmpty()) {
        if (!detailAdvice_.isEmpty())
            detailAdvice_ += QStringLiteral("\r\n\r\n");
        detailAdvice_ += QLatin1Char('[') + sSelection + QStringLiteral("]: ") + sDetailAdvice;
    } else {
        if (!detailAdvice_.isEmpty())
            detailAdvice_ += QStringLiteral("\r\n");
        detailAdvice_ += sDetailAdvice;
    }
    auto selections = Selections();
    if (!sSelection.isEmpty())
        selections->Add(sSelection, lngValue);
}

} // namespace Telva27
