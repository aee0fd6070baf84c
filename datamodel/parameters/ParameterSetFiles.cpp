#include "ParameterSetFiles.h"

#include "datamodel/parameters/ParameterStage.h"
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

// Runs a reader over every line of a setting file under the reader's trap. The
// lines build into a stage that the model takes over only when every line was
// applied, so a file that fails part way leaves the model as it was.
template <typename PerLine>
bool readLines(colclsFunction& model, const char* file, const char* label, PerLine&& perLine)
{
    return Ostrel7::trapped(model.method(), QLatin1String(label), [&] {
        SetTextFile text(setFilePath(file));
        ParameterStage stage(model);
        for (QStringView line : text.lines())
            if (!perLine(stage, text, line))
                return false;
        stage.commit();
        return true;
    });
}

// A description with each "<RETURN>" made a line break, in one pass: the
// result is never longer than the field.
QString descriptionOf(QStringView field)
{
    const QStringView mark = u"<RETURN>";
    QString text(field.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < field.size();) {
        if (field[i] == u'<' && field.sliced(i).startsWith(mark)) {
            *out++ = u'\r';
            *out++ = u'\n';
            i += mark.size();
        } else {
            *out++ = field[i++];
        }
    }
    text.truncate(out - text.constData());
    return text;
}

} // namespace

bool ParameterSetFiles::ReadSet01e()
{
    return readLines(model_, "Set01.e", "ReadSet01e", [&](ParameterStage& stage, SetTextFile&, QStringView line) {
        const auto f = SetTextFile::fields(line, 2);
        stage.groups().Add(f[0].toString(), f[1].toString());
        return true;
    });
}

bool ParameterSetFiles::ReadSet02e()
{
    return readLines(model_, "Set02.e", "ReadSet02e", [&](ParameterStage& stage, SetTextFile& text, QStringView line) {
        const auto f = SetTextFile::fields(line, 11);
        const auto ramAddress = SetTextFile::number<int32_t>(f[8]);
        const auto bit = SetTextFile::number<uint8_t>(f[9]);
        const auto dataRam = SetTextFile::number<uint8_t>(f[10]);
        stage.items(f[1]).Add(text.shared(f[0]), f[2].toString(), text.shared(f[3]), text.shared(f[4]),
                              text.shared(f[5]), text.shared(f[6]), f[7].toString(), ramAddress, bit, dataRam);
        return true;
    });
}

bool ParameterSetFiles::ReadSet03e()
{
    return readLines(model_, "Set03.e", "ReadSet03e", [&](ParameterStage& stage, SetTextFile& text, QStringView line) {
        const auto f = SetTextFile::fields(line, 5);
        const QString description = descriptionOf(f[4]);
        const auto value = SetTextFile::number<int32_t>(f[3]);
        stage.parameter(f[0], f[1]).AddSelection(text.shared(f[2]), value, description);
        return true;
    });
}

bool ParameterSetFiles::ReadSet10e()
{
    return readLines(model_, "Set10.e", "ReadSet10e", [&](ParameterStage& stage, SetTextFile&, QStringView line) {
        const QString name = platform::Trim(line);
        if (name.startsWith(QLatin1Char(';')))
            return true;
        return stage.groups().Delete_Digital(name);
    });
}

} // namespace Telva27
