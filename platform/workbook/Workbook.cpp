#include "platform/workbook/Workbook.h"

#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "platform/Folders.h"
#include "platform/RuntimeError.h"
#include "platform/workbook/XlConstants.h"
#include "platform/workbook/XlsxWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRandomGenerator>

namespace platform::workbook {

Worksheet& Workbook::Worksheets(int32_t index)
{
    if (index != 1)
        throw RuntimeError(errSubscript);
    return sheet_;
}

void Workbook::SaveAs(const QString& path)
{
    if (closed_)
        throw RuntimeError(kApplicationError, QStringLiteral("The workbook is closed"));
    XlsxWriter(sheet_).write(path);
}

namespace {

// A name in the private working folder that no earlier draft holds (a run
// killed while saving leaves its draft there until the folder is removed).
QString freeDraftName()
{
    const QDir folder(folders::workingFolder());
    for (;;) {
        const QString name = folder.filePath(
            QStringLiteral("workbook-%1.xlsx").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (!QFileInfo(name).exists() && !QFileInfo(name).isSymLink())
            return name;
    }
}

} // namespace

void Workbook::SaveReplacing(const QString& path)
{
    const QString draft = freeDraftName();
    struct Draft {
        const QString& name;
        ~Draft() { fileops::removeQuietly(name); }
    } removedAtEnd{draft};
    SaveAs(draft);
    QFile written(draft);
    if (!written.open(QIODevice::ReadOnly))
        throw RuntimeError(kApplicationError, QStringLiteral("Cannot read the workbook written as \"%1\"").arg(draft));
    const QByteArray bytes = written.readAll();
    if (written.error() != QFileDevice::NoError)
        throw RuntimeError(errDeviceIO);
    replaceFile(path, bytes);
}

} // namespace platform::workbook
