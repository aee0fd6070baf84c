#include "mMOD.h"

#include "MessageTable.h"

namespace Sorvi27::mMOD {

namespace {

using Extra = MessageTable::Extra;

std::optional<QString> composedText(int16_t number, const Extra&, const Extra&)
{
    using T = MessageTable;
    switch (number) {
    case 40: return T::paragraphs({T::res(136), T::res(137) + QLatin1Char('1'), T::res(138) + QStringLiteral("192")});
    case 58: return T::paragraphs({T::res(144), T::res(145), T::res(146)});
    case 63: return QString::fromUtf8("コピー先で指定された次のファイルが存在しません！");
    default: return std::nullopt;
    }
}

const MessageTable& messages()
{
    static const MessageTable table{
        .single = {{2, 127},  {5, 128},  {6, 129},  {15, 130}, {21, 131}, {22, 132}, {25, 133}, {26, 134}, {39, 135},
                   {41, 139}, {47, 140}, {54, 141}, {55, 142}, {56, 143}, {60, 149}, {61, 363}, {62, 373}, {64, 320},
                   {65, 374}, {66, 375}, {67, 4},   {68, 376}, {69, 369}, {70, 377}, {71, 411}, {72, 412}, {73, 439}},
        .composed = &composedText,
        .appendsX1 = {6, 56, 62, 63, 64},
        .title = &LibraryTitle,
    };
    return table;
}

} // namespace

QString LibraryTitle() { return QStringLiteral("Sorvi27"); }

QString MessageText(int16_t number, const std::optional<QVariant>& x1) { return messages().Text(number, x1); }

QVariant ShowMessage(int16_t number, int16_t kind, const std::optional<QVariant>& x1,
                     const std::optional<QVariant>& /*x2*/, const std::optional<QVariant>& /*x3*/)
{
    return messages().Show(number, kind, x1);
}

} // namespace Sorvi27::mMOD
