#include "clsDigital.h"

#include "datamodel/parameters/colclsSelection.h"
#include "datamodel/common/ModelMessages.h"
#include "platform/Val.h"

#include <algorithm>

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
    const bool named = !sSelection.isEmpty();
    if (detailAdvice_.isEmpty() && !named) {
        detailAdvice_ = sDetailAdvice;
    } else {
        // "[choice]: description", after a blank line, or the description alone
        // on a line of its own. Built in one piece: a parameter's description
        // grows with each of its choices.
        const QLatin1String separator(detailAdvice_.isEmpty() ? "" : named ? "\r\n\r\n" : "\r\n");
        const QLatin1String open(named ? "[" : "");
        const QLatin1String close(named ? "]: " : "");
        QString advice(detailAdvice_.size() + separator.size() + open.size() + sSelection.size() + close.size() +
                           sDetailAdvice.size(),
                       Qt::Uninitialized);
        QChar* out = advice.data();
        out = std::copy(detailAdvice_.cbegin(), detailAdvice_.cend(), out);
        out = std::copy(separator.begin(), separator.end(), out);
        out = std::copy(open.begin(), open.end(), out);
        out = std::copy(sSelection.cbegin(), sSelection.cend(), out);
        out = std::copy(close.begin(), close.end(), out);
        std::copy(sDetailAdvice.cbegin(), sDetailAdvice.cend(), out);
        detailAdvice_ = std::move(advice);
    }
    if (named)
        Selections()->Add(sSelection, lngValue);
}

} // namespace Telva27
