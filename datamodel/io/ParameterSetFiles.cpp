#include "ParameterSetFiles.h"

#include "datamodel/io/SetTextFile.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"
#include "platform/Folders.h"
#include "util/method/Trap.h"

#include <QDir>

namespace Telva27 {

namespace {

QString setFilePath(const char* name) { return QDir(platform::folders::libraryFolder()).filePath(QLatin1String(name)); }

// Runs a reader over every line of a setting file under the reader's trap.
template <typename PerLine>
bool readLines(colclsFunction& model, const char* file, const char* label, PerLine&& perLine)
{
    return Ostrel7::trapped(model.method(), QLatin1String(label), [&] {
        const SetTextFile text(setFilePath(file));
        for (const QString& line : text.lines())
            if (!perLine(line))
                return false;
        return true;
    });
}

// Blanks only: a TAB is part of the name.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

bool ParameterSetFiles::ReadSet01e()
{
    return readLines(model_, "Set01.e", "ReadSet01e", [&](const QString& line) {
        const QStringList f = SetTextFile::fields(line, 2);
        model_.Add(f[0], f[1]);
        return true;
    });
}

bool ParameterSetFiles::ReadSet02e()
{
    return readLines(model_, "Set02.e", "ReadSet02e", [&](const QString& line) {
        const QStringList f = SetTextFile::fields(line, 11);
        const auto ramAddress = SetTextFile::number<int32_t>(f[8]);
        const auto bit = SetTextFile::number<uint8_t>(f[9]);
        const auto dataRam = SetTextFile::number<uint8_t>(f[10]);
        model_.Item(f[1])->Items()->Add(f[0], f[2], f[3], f[4], f[5], f[6], f[7], QString::number(ramAddress), bit,
                                        dataRam);
        return true;
    });
}

bool ParameterSetFiles::ReadSet03e()
{
    return readLines(model_, "Set03.e", "ReadSet03e", [&](const QString& line) {
        const QStringList f = SetTextFile::fields(line, 5);
        QString description = f[4];
        description.replace(QLatin1String("<RETURN>"), QLatin1String("\r\n"));
        const auto value = SetTextFile::number<int32_t>(f[3]);
        model_.Item(f[0])->Items()->Item(f[1])->AddSelection(f[2], value, description);
        return true;
    });
}

bool ParameterSetFiles::ReadSet10e()
{
    return readLines(model_, "Set10.e", "ReadSet10e", [&](const QString& line) {
        const QString name = trimBlanks(line);
        if (name.startsWith(QLatin1Char(';')))
            return true;
        return model_.Delete_Digital(name);
    });
}

} // namespace Telva27
