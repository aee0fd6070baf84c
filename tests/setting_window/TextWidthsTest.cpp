// Widths of the texts a column is fitted to: numbers measured once a length
// must come out as each would measure on its own, whatever the digits.

#include "setting/TextWidths.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(TextWidths, EveryTextAsWideAsItsOwnMeasure)
{
    const QStringList texts = {QStringLiteral("1"),      QStringLiteral("7"),     QStringLiteral("60000"),
                               QStringLiteral("11111"),  QStringLiteral("-4"),    QStringLiteral("-98765"),
                               QStringLiteral("-"),      QStringLiteral("1.5"),   QStringLiteral("OFF"),
                               QStringLiteral("ON"),     QStringLiteral("OFF"),   QStringLiteral("WWWWW"),
                               QString::fromUtf8("入"),  QStringLiteral("&H1F"),  QStringLiteral("12345678901234567890123"),
                               QStringLiteral("00042"),  QString()};
    for (const QFont& font : {QApplication::font(), QFont(QStringLiteral("Arial Black")), QFont(QStringLiteral("Arial"), 8)}) {
        const QFontMetrics metrics(font);
        QelmSet::TextWidths widths(font);
        for (int pass = 0; pass < 2; ++pass) // the second from what was measured
            for (const QString& text : texts)
                EXPECT_EQ(widths.width(text), metrics.horizontalAdvance(text)) << font.family().toStdString() << " "
                                                                                << text.toStdString();
        for (const QString& text : texts)
            if (widths.fitsSurely(text, 40))
                EXPECT_LE(metrics.horizontalAdvance(text), 40) << text.toStdString();
    }
}
