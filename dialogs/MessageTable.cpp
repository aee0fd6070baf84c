#include "MessageTable.h"

#include "platform/MessageKinds.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "platform/VariantText.h"
#include "resource/clsResource.h"

#include <QStringList>

namespace Sorvi27 {

namespace {

QString blankLine() { return QStringLiteral("\r\n\r\n"); }

} // namespace

QString MessageTable::paragraphs(std::initializer_list<QString> texts) { return QStringList(texts).join(blankLine()); }

QString MessageTable::extra(const Extra& value)
{
    if (!value)
        throw platform::RuntimeError(platform::errTypeMismatch);
    return platform::variantText(*value);
}

QString MessageTable::res(int32_t n) { return Resource::clsResource().Res(n); }

QString MessageTable::Text(int16_t number, const Extra& x1, const Extra& x2) const
{
    QString text;
    if (std::optional<QString> made = composed ? composed(number, x1, x2) : std::nullopt)
        text = *made;
    else if (const auto it = single.find(number); it != single.end())
        text = res(it->second);
    if (appendsX1.contains(number))
        text += blankLine() + extra(x1);
    return text;
}

QVariant MessageTable::Show(int16_t number, int16_t kind, const Extra& x1, const Extra& x2) const
{
    const auto own = ownKinds.find(kind);
    if (own == ownKinds.end() && !platform::isMessageKind(kind))
        return {};
    const int32_t style = own != ownKinds.end() ? own->second : platform::messageKindStyle(kind);
    const int32_t answer = platform::ui().messageBox(Text(number, x1, x2), style, title ? title() : QString());
    const bool answers = own != ownKinds.end() || platform::messageKindAnswers(kind);
    return answers ? QVariant(answer) : QVariant();
}

} // namespace Sorvi27
