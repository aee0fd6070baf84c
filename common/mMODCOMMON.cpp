#include "mMODCOMMON.h"

#include "platform/AtomicFile.h"
#include "platform/EventGuard.h"
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
#include <QStyle>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

QRect WorkAreaFrame(const QRect& workArea)
{
    const QRect area = platform::pixelsToTwips(workArea);
    const QRect twips(area.left() + 5, area.top() + 5, area.width() - 5, area.height() - 5 - 10);
    return platform::twipsToPixels(twips) & workArea;
}

namespace {

// The window's frame as the window manager draws it; estimated from the
// style's title bar while the window has not been framed yet.
QMargins frameOf(QWidget& form)
{
    const QWindow* window = form.windowHandle();
    const QMargins frame = window ? window->frameMargins() : QMargins();
    if (!frame.isNull() || (window && window->isExposed()))
        return frame;
    return QMargins(0, form.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &form), 0, 0);
}

// Places the window and answers the geometry (inside the frame) it was given.
QRect placeFramed(QWidget& form)
{
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return form.geometry();
    const QRect outer = WorkAreaFrame(screen->availableGeometry());
    form.setGeometry(outer.marginsRemoved(frameOf(form)));
    return form.geometry();
}

// Places the window once more when the window manager has framed it and its
// real frame is known, if that frame does not lie where the work area wants
// it: the frame arrives after the window is shown, and a frame sticking out
// above the screen hides the title bar. The frame's size may become known
// without any event of the window's own, so it is also looked at on a short
// timer until it is seen inside the work area. A window once seen inside is
// left alone after that, wherever the user moves it.
class PlaceWhenFramed final : public QObject {
public:
    static constexpr const char* kName = "FitToWorkAreaWhenFramed";

    explicit PlaceWhenFramed(QWidget& form) : QObject(&form), form_(form)
    {
        setObjectName(QLatin1String(kName));
        form.windowHandle()->installEventFilter(this);
        timer_.setInterval(kPollMs);
        connect(&timer_, &QTimer::timeout, this, [this] { check(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == form_.windowHandle() && isPlacementEvent(event->type())) {
            if (!timer_.isActive()) {
                timer_.start();
                if (!waited_.isValid())
                    waited_.start();
            }
            check();
        }
        return false;
    }

private:
    static constexpr int kPollMs = 50;
    // The window manager's time to frame the window, counted in time rather
    // than in looks: on a busy machine the window's own events alone could
    // use up a count before the frame arrives.
    static constexpr qint64 kPatienceMs = 10000;
    static constexpr int kPlacings = 3;  // never a fight with a window manager that disagrees

    static bool isPlacementEvent(QEvent::Type type)
    {
        return type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize;
    }

    void check()
    {
        platform::guarded(QStringLiteral("FitToWorkArea"), [&] {
            QWindow* window = form_.windowHandle();
            if (waited_.isValid() && waited_.elapsed() > kPatienceMs)
                return finish();
            if (!window || window->frameMargins().isNull())
                return;
            const QScreen* screen = form_.screen();
            if (!screen || WorkAreaFrame(screen->availableGeometry()).contains(form_.frameGeometry()))
                return finish();
            if (placings_++ == kPlacings)
                return finish();
            placeFramed(form_);
        });
    }

    void finish()
    {
        timer_.stop();
        if (QWindow* window = form_.windowHandle())
            window->removeEventFilter(this);
        deleteLater();
    }

    QWidget& form_;
    QTimer timer_;
    QElapsedTimer waited_;
    int placings_ = 0;
};

} // namespace

void FitToWorkArea(QWidget& form)
{
    // The native window exists from here on, so its frame can be asked for.
    form.winId();
    placeFramed(form);
    if (!form.windowHandle()->frameMargins().isNull())
        return;
    // Only this helper names a child so.
    if (!form.findChild<QObject*>(QLatin1String(PlaceWhenFramed::kName), Qt::FindDirectChildrenOnly))
        new PlaceWhenFramed(form);
}

} // namespace QelmCommon::mMODCOMMON
