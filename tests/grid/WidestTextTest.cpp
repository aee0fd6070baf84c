#include "platform/grid/WidestText.h"

#include <QFont>
#include <QFontMetrics>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>

using platform::grid::widestText;

namespace {

int measuredWidest(const QFontMetrics& metrics, const QStringList& texts)
{
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

// Texts whose widths lie close together, where estimating wrong would show:
// kerned pairs, narrow and wide letters of one length, Japanese, spaces.
QStringList nearTexts()
{
    QStringList texts = {QStringLiteral("AVAVAVAV"), QStringLiteral("WWWW"), QStringLiteral("iiiiiiiiiiiiiiii"),
                         QStringLiteral("To Ty Yo"), QStringLiteral("mmmm"), QStringLiteral("LT-TRIM  ON"),
                         QStringLiteral("\u7cf8\u5207\u308a\u51fa\u529b"), QStringLiteral("NONE"), QString()};
    QRandomGenerator random(29);
    const QString letters = QStringLiteral("AVWTYLoaeil1 -_0123456789\u30a2\u7cf8");
    for (int i = 0; i < 300; ++i) {
        QString text;
        const int length = random.bounded(1, 12);
        for (int j = 0; j < length; ++j)
            text.append(letters[random.bounded(letters.size())]);
        texts.append(text);
    }
    return texts;
}

TEST(WidestText, AgreesWithMeasuringEveryText)
{
    QFont bold;
    bold.setBold(true);
    QFont narrow(QStringLiteral("Liberation Sans Narrow"));
    narrow.setPixelSize(12);
    QFont large;
    large.setPointSize(20);
    const QStringList texts = nearTexts();
    for (const QFont& font : {QFont(), bold, narrow, large}) {
        const QFontMetrics metrics(font);
        EXPECT_EQ(widestText(metrics, texts), measuredWidest(metrics, texts)) << font.toString().toStdString();
        // Each text alone, so the one widest is found wherever it stands.
        for (const QString& text : texts.mid(0, 40))
            EXPECT_EQ(widestText(metrics, {QStringLiteral("i"), text}), measuredWidest(metrics, {QStringLiteral("i"), text}));
    }
}

TEST(WidestText, NothingToMeasureIsNoWidth)
{
    const QFontMetrics metrics{QFont()};
    EXPECT_EQ(widestText(metrics, {}), 0);
    EXPECT_EQ(widestText(metrics, {QString(), QString()}), 0);
}

} // namespace
