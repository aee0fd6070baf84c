#include "platform/grid/WidestText.h"

#include <QFontMetrics>
#include <QHash>

#include <algorithm>
#include <utility>
#include <vector>

namespace platform::grid {

int widestText(const QFontMetrics& metrics, const QStringList& texts)
{
    QHash<char16_t, int> advances;
    const auto estimate = [&](const QString& text) {
        int sum = 0;
        for (const QChar ch : text) {
            auto known = advances.constFind(ch.unicode());
            if (known == advances.constEnd())
                known = advances.insert(ch.unicode(), metrics.horizontalAdvance(ch));
            sum += known.value();
        }
        return sum;
    };
    std::vector<std::pair<int, qsizetype>> order;
    order.reserve(static_cast<size_t>(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i)
        order.emplace_back(estimate(texts[i]), i);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

    int widest = 0;
    for (const auto& [guess, index] : order) {
        if (guess * 6 < widest * 5) // even a fifth wider than its estimate it would not be the widest
            break;
        widest = std::max(widest, metrics.horizontalAdvance(texts[index]));
    }
    return widest;
}

} // namespace platform::grid
