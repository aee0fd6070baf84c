#include "clsDialogOpenSave.h"

#include "mDialog.h"

#include "platform/Cp932.h"
#include "platform/RuntimeError.h"
#include "platform/Ui.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace Ostrel7 {

namespace {

// The file buffer the dialog record has always had.
constexpr int kFileBufferBytes = 1024;

bool patternMatches(const QString& patterns, const QString& fileName)
{
    for (const QString& raw : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = raw.trimmed();
        // "*.*" has always meant every file, with or without a dot.
        if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
            return true;
        if (!pattern.isEmpty() && QDir::match(pattern, fileName))
            return true;
    }
    return false;
}

} // namespace

QString clsDialogOpenSave::filterList(const QString& sFilter)
{
    QStringList parts;
    if (!sFilter.isEmpty())
        parts = sFilter.split(QChar(u'\0'));
    parts << QStringLiteral("All Files") << QStringLiteral("*.*");
    return parts.join(QLatin1Char('|'));
}

// The Ui service answers only the path: the entry in force is the one asked
// for when the file fits it, else the first entry the file fits.
int32_t clsDialogOpenSave::chosenFilterIndex(const QString& filter, int32_t requested, const QString& path)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QString name = QFileInfo(path).fileName();
    const int32_t entries = static_cast<int32_t>(parts.size() / 2);
    if (requested >= 1 && requested <= entries && patternMatches(parts[2 * (requested - 1) + 1], name))
        return requested;
    for (int32_t i = 1; i <= entries; ++i)
        if (patternMatches(parts[2 * (i - 1) + 1], name))
            return i;
    return requested;
}

// A name typed without an extension gets the default one.
QString clsDialogOpenSave::withDefaultExtension(const QString& path) const
{
    if (path.isEmpty() || record_.defExt.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + record_.defExt;
}

QString clsDialogOpenSave::OpenDialog(int32_t eVALUE, QWidget* hwnd, const QString& sDlgTitle, int32_t lFlags,
                                      const QString& sFilter, const QString& sInitialDir,
                                      const QString& sInitialFile, const QString& sDefExt, int32_t lFilterIndex,
                                      const QString& sOKCaption, const QString& sstc3Caption,
                                      int32_t eDlgPosition)
{
    record_.owner = hwnd;
    record_.title = sDlgTitle;
    record_.flags = lFlags;
    record_.initialDir = sInitialDir;
    record_.defExt = sDefExt;
    record_.filterIndex = lFilterIndex;
    record_.filter = filterList(sFilter);
    if (platform::cp932::byteLength(sInitialFile) > kFileBufferBytes)
        throw platform::RuntimeError(platform::errInvalidCall);
    record_.file = sInitialFile;
    mDialog::setCaptions(sOKCaption, sstc3Caption);
    mDialog::setPlacement(eDlgPosition);

    platform::FileDialogRequest request;
    request.title = record_.title;
    request.filter = record_.filter;
    request.filterIndex = record_.filterIndex;
    request.initialFolder = record_.initialDir;
    request.fileName = record_.file;

    QString chosen;
    if (eVALUE == eDLG_OPEN)
        chosen = platform::ui().openFileName(request);
    else if (eVALUE == eDLG_SAVE)
        chosen = withDefaultExtension(platform::ui().saveFileName(request));
    else
        return QString();
    if (chosen.isEmpty())
        return QString();

    record_.file = chosen;
    record_.fileTitle = QFileInfo(chosen).fileName();
    record_.filterIndex = chosenFilterIndex(record_.filter, record_.filterIndex, chosen);
    filterIndex_ = record_.filterIndex;
    return chosen;
}

} // namespace Ostrel7
