#include "mMOD.h"

#include "platform/MessageKinds.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/VariantText.h"
#include "resource/clsResource.h"

#include <initializer_list>
#include <map>

namespace Sorvi27::mMOD {

namespace {

QString blankLine() { return QStringLiteral("\r\n\r\n"); }

QString res(int32_t n) { return Resource::clsResource().Res(n); }

// Catalogue texts joined by a blank line.
QString paragraphs(std::initializer_list<int32_t> numbers)
{
    QStringList texts;
    for (int32_t n : numbers)
        texts << res(n);
    return texts.join(blankLine());
}

// The catalogue texts of the messages that are one catalogue text, or one
// followed by the caller's extra text.
const std::map<int16_t, int32_t>& singleTexts()
{
    static const std::map<int16_t, int32_t> texts = {
        {2, 127},  {5, 128},  {6, 129},  {15, 130}, {21, 131}, {22, 132}, {25, 133}, {26, 134},
        {39, 135}, {41, 139}, {47, 140}, {54, 141}, {55, 142}, {56, 143}, {60, 149}, {61, 363},
        {62, 373}, {64, 320}, {65, 374}, {66, 375}, {67, 4},   {68, 376}, {69, 369}, {70, 377},
        {71, 411}, {72, 412}, {73, 439},
    };
    return texts;
}

bool appendsExtra(int16_t number) { return number == 6 || number == 56 || number == 62 || number == 63 || number == 64; }

} // namespace

QString LibraryTitle() { return QStringLiteral("Sorvi27"); }

QString MessageText(int16_t number, const std::optional<QVariant>& x1)
{
    QString text;
    if (number == 40)
        text = res(136) + blankLine() + res(137) + QLatin1Char('1') + blankLine() + res(138) + QStringLiteral("192");
    else if (number == 58)
        text = paragraphs({144, 145, 146});
    else if (number == 63)
        text = QString::fromUtf8("コピー先で指定された次のファイルが存在しません！");
    else if (const auto it = singleTexts().find(number); it != singleTexts().end())
        text = res(it->second);
    if (appendsExtra(number)) {
        if (!x1)
            throw platform::RuntimeError(platform::errTypeMismatch);
        text += blankLine() + platform::variantText(*x1);
    }
    return text;
}

QVariant ShowMessage(int16_t number, int16_t kind, const std::optional<QVariant>& x1,
                     const std::optional<QVariant>& /*x2*/, const std::optional<QVariant>& /*x3*/)
{
    if (!platform::isMessageKind(kind))
        return {};
    const QString text = MessageText(number, x1);
    const int32_t answer = platform::ui().messageBox(text, platform::messageKindStyle(kind), LibraryTitle());
    return platform::messageKindAnswers(kind) ? QVariant(answer) : QVariant();
}

} // namespace Sorvi27::mMOD
