#include "mMOD.h"

#include "dialogs/MessageTable.h"
#include "platform/FileOps.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace QelmStp::mMOD {

namespace {

using Sorvi27::MessageTable;
constexpr auto* res = &MessageTable::res;
constexpr auto* paragraphs = &MessageTable::paragraphs;
constexpr auto* extra = &MessageTable::extra;

// "Min = " x1 ", Max = " x2 on one line.
QString range(const std::optional<QVariant>& x1, const std::optional<QVariant>& x2)
{
    return res(225) + extra(x1) + res(226) + extra(x2);
}

std::optional<QString> composedText(int16_t number, const MessageTable::Extra& x1, const MessageTable::Extra& x2)
{
    switch (number) {
    case 8: return paragraphs({res(216), QStringLiteral("*.stp")});
    case 9: return paragraphs({res(217), QStringLiteral("65536")});
    case 29: return paragraphs({res(17), res(18), res(19)});
    case 43: return paragraphs({res(224), range(x1, x2)});
    case 58: return paragraphs({res(237), res(238)});
    case 70: return paragraphs({res(250), res(251), res(252), res(253)});
    case 75: return paragraphs({res(258), extra(x1) + res(259)});
    case 79: return paragraphs({res(327), res(326)});
    case 81: return paragraphs({res(330), range(x1, x2)});
    // Not from the catalogue: the text is the same in every language.
    case 83: return QStringLiteral("This S/W runs already!\"");
    default: return std::nullopt;
    }
}

const MessageTable& messages()
{
    static const MessageTable table{
        .single = {{2, 214},  {4, 215},  {13, 218}, {19, 220}, {36, 221}, {42, 223}, {48, 230}, {49, 231},
                   {50, 232}, {52, 233}, {53, 234}, {57, 236}, {59, 239}, {62, 242}, {64, 244}, {67, 247},
                   {69, 249}, {71, 254}, {72, 255}, {73, 256}, {74, 257}, {76, 260}, {77, 319}, {78, 326},
                   {80, 328}, {87, 359}, {89, 361}, {90, 369}, {91, 370}, {93, 397}, {95, 399}, {96, 400},
                   {97, 405}, {98, 410}, {99, 414}, {100, 424}, {46, 229}, {56, 235}, {85, 353}, {86, 354},
                   {88, 360}, {92, 392}},
        .composed = &composedText,
        // The last six of the texts above are followed by the value the caller names.
        .appendsX1 = {46, 56, 85, 86, 88, 92},
        .title = &ProgramName,
        // Kinds 9 and 10 exist only in the step editor.
        .ownKinds = {{9, platform::vbQuestion | platform::vbOKCancel},
                     {10, platform::vbExclamation | platform::vbOKCancel}},
    };
    return table;
}

} // namespace

QString ProgramName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

QString MessageText(int16_t number, const std::optional<QVariant>& x1, const std::optional<QVariant>& x2)
{
    return messages().Text(number, x1, x2);
}

QVariant ShowMessage(int16_t number, int16_t kind, const std::optional<QVariant>& x1,
                     const std::optional<QVariant>& x2, const std::optional<QVariant>& /*x3*/)
{
    return messages().Show(number, kind, x1, x2);
}

void Del(const QString& path)
{
    Ostrel7::clsMethod method;
    Ostrel7::trapped(method, QStringLiteral("Del"), [&] {
        const QFileInfo file(path);
        if (!file.exists() && !file.isSymLink())
            return;
        // Without forcing, a read-only file stays.
        if (!file.isSymLink() && !(file.permissions() & QFile::WriteOwner))
            throw platform::RuntimeError(platform::errPermissionDenied);
        if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
            throw platform::RuntimeError(platform::fileops::errorNumberFor(errno, path));
    });
}

} // namespace QelmStp::mMOD
