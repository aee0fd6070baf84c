#include "mMODCOMMON.h"

#include "platform/AtomicFile.h"
#include "platform/Folders.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace QelmCommon::mMODCOMMON {

namespace {

// The largest file a working copy is made of: an eight-table file.
constexpr int64_t kLargestSource = 8 * 8192;

QString workingPath(const char* name) { return QDir(platform::folders::workingFolder()).filePath(QLatin1String(name)); }

} // namespace

QString CreateStepTempName(Ostrel7::clsMethod& method, int32_t kind, bool isStp)
{
    return Ostrel7::trapped(method, QStringLiteral("CreateStepTempName"), [&]() -> QString {
        switch (kind) {
        case 0: return workingPath(isStp ? "eusr2.tmp" : "eusr3.tmp");
        case 1: return workingPath(isStp ? "estd2.tmp" : "estd3.tmp");
        default: return {};
        }
    });
}

QString CreateParaTempName(Ostrel7::clsMethod& method, int32_t kind)
{
    return Ostrel7::trapped(method, QStringLiteral("CreateParaTempName"),
                            [&] { return workingPath(kind == 1 ? "estd.tmp" : "eusr.tmp"); });
}

QString CopyFromFDToHD(Ostrel7::clsMethod& method, bool isStep, int32_t kind, const QString& src)
{
    return Ostrel7::trapped(method, QStringLiteral("CopyFromFDToHD"), [&]() -> QString {
        if (!QFileInfo::exists(src))
            return {};
        const bool stepData = QFileInfo(src).suffix().toUpper() == QLatin1String("STP");
        const QString target =
            isStep ? CreateStepTempName(method, kind, stepData) : CreateParaTempName(method, kind);
        if (target.isEmpty())
            return {};
        // A read-only copy left by an earlier run is replaced all the same.
        if (QFileInfo::exists(target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        platform::replaceScratchFile(target, platform::readWholeFile(src, kLargestSource));
        return target;
    });
}

bool CheckNeedFiles(const QString& appPath)
{
    // The archive is read by a library linked into the program, so only the
    // archive itself can be missing.
    const QString archive = QDir(appPath).filePath(QStringLiteral("QEL.e"));
    if (QFileInfo(archive).isFile())
        return true;
    const QString text = Resource::clsResource().Res(1) + QStringLiteral("\r\n\r\n") + archive;
    platform::ui().messageBox(text, platform::vbCritical | platform::vbOKOnly, QGuiApplication::applicationName());
    return false;
}

void FitToWorkArea(QWidget& form)
{
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = platform::pixelsToTwips(screen->availableGeometry());
    const QRect twips(area.left() + 5, area.top() + 5, area.width() - 5, area.height() - 5 - 10);
    form.setGeometry(platform::twipsToPixels(twips));
}

} // namespace QelmCommon::mMODCOMMON
