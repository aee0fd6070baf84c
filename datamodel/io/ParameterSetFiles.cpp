#include "ParameterSetFiles.h"

#include "datamodel/io/SetTextFile.h"
#include "datamodel/parameters/colclsFunction.h"
#include "datamodel/parameters/colclsSelection.h"
#include "platform/Trim.h"
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
        for (QStringView line : text.lines())
            if (!perLine(line))
                return false;
        return true;
    });
}

} // namespace

bool ParameterSetFiles::ReadSet01e()
{
    return readLines(model_, "Set01.e", "ReadSet01e", [&](QStringView line) {
        const auto f = SetTextFile::fields(line, 2);
        model_.Add(f[0].toString(), f[1].toString());
        return true;
    });
}

bool ParameterSetFiles::ReadSet02e()
{
    return readLines(model_, "Set02.e", "ReadSet02e", [&](QStringView line) {
        const auto f = SetTextFile::fields(line, 11);
        const auto ramAddress = SetTextFile::number<int32_t>(f[8]);
        const auto bit = SetTextFile::number<uint8_t>(f[9]);
        const auto dataRam = SetTextFile::number<uint8_t>(f[10]);
        model_.Item(f[1].toString())
            ->Items()
            ->Add(f[0].toString(), f[2].toString(), f[3].toString(), f[4].toString(), f[5].toString(),
                  f[6].toString(), f[7].toString(), QString::number(ramAddress), bit, dataRam);
        return true;
    });
}

bool ParameterSetFiles::ReadSet03e()
{
    return readLines(model_, "Set03.e", "ReadSet03e", [&](QStringView line) {
        const auto f = SetTextFile::fields(line, 5);
        QString description = f[4].toString();
        description.replace(QLatin1String("<RETURN>"), QLatin1String("\r\n"));
        const auto value = SetTextFile::number<int32_t>(f[3]);
        model_.Item(f[0].toString())->Items()->Item(f[1].toString())->AddSelection(f[2].toString(), value, description);
        return true;
    });
}

bool ParameterSetFiles::ReadSet10e()
{
    return readLines(model_, "Set10.e", "ReadSet10e", [&](QStringView line) {
        const QString name = platform::Trim(line);
        if (name.startsWith(QLatin1Char(';')))
            return true;
        return model_.Delete_Digital(name);
    });
}

} // namespace Telva27
