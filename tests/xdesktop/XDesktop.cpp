#include "XDesktop.h"

#include "XConnection.h"

#include "ScriptedUi.h"

#include "platform/QtUi.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

namespace xdesktop {

namespace {

constexpr int kWaitMs = 5000;

std::string text(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// Notes the release of one key when the program is handed it.
class ReleaseWatch final : public QObject {
public:
    explicit ReleaseWatch(unsigned long keysym) : keysym_(keysym) { qApp->installEventFilter(this); }
    ~ReleaseWatch() override { qApp->removeEventFilter(this); }
    bool seen() const { return seen_; }

private:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease && event->spontaneous() &&
            static_cast<QKeyEvent*>(event)->nativeVirtualKey() == keysym_)
            seen_ = true;
        return false;
    }

    unsigned long keysym_;
    bool seen_ = false;
};

} // namespace

bool onXServer() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

bool strikeKey(unsigned long keysym)
{
    const ReleaseWatch watch(keysym);
    if (const std::string error = xconnection::strike(keysym); !error.empty()) {
        ADD_FAILURE() << error;
        return false;
    }
    return QTest::qWaitFor([&] { return watch.seen(); }, kWaitMs);
}

bool clickWidget(QWidget& widget, const QPoint& point)
{
    bool released = false;
    // Notes the release of the button when the program is handed it.
    class Watch final : public QObject {
    public:
        explicit Watch(bool& seen) : seen_(seen) { qApp->installEventFilter(this); }
        ~Watch() override { qApp->removeEventFilter(this); }

    private:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::MouseButtonRelease && event->spontaneous())
                seen_ = true;
            return false;
        }
        bool& seen_;
    } watch(released);
    const QPoint global = widget.mapToGlobal(point);
    if (const std::string error = xconnection::click(global.x(), global.y()); !error.empty()) {
        ADD_FAILURE() << error;
        return false;
    }
    return QTest::qWaitFor([&] { return released; }, kWaitMs);
}

void closeFromFrame(QWidget& window)
{
    const std::string error = xconnection::sendDeleteWindow(static_cast<unsigned long>(window.winId()));
    EXPECT_EQ(error, "");
}

bool waitUntilFramed(QWidget& window)
{
    return QTest::qWaitFor([&] { return window.frameGeometry().top() < window.geometry().top(); }, kWaitMs);
}

bool waitUntilKeptAbove(QWidget& window)
{
    const auto id = static_cast<unsigned long>(window.winId());
    return QTest::qWaitFor([&] { return xconnection::keptAbove(id); }, kWaitMs);
}

bool waitUntilOnTop(QWidget& window)
{
    const auto id = static_cast<unsigned long>(window.winId());
    return QTest::qWaitFor(
        [&] {
            const std::vector<unsigned long> order = xconnection::stackingOrder();
            return !order.empty() && order.back() == id;
        },
        kWaitMs);
}

void expectFrameOnScreen(const QWidget& window)
{
    const QRect available = window.screen()->availableGeometry();
    // The window manager takes the final placement in its own time.
    static_cast<void>(QTest::qWaitFor([&] { return available.contains(window.frameGeometry()); }, kWaitMs));
    const QRect frame = window.frameGeometry();
    EXPECT_GE(frame.top(), available.top()) << "the title bar is above the screen: frame " << text(frame);
    EXPECT_TRUE(available.contains(frame)) << "frame " << text(frame) << " beyond the available area "
                                           << text(available);
}

RealUi::RealUi() { platform::installUi(std::make_shared<platform::QtUi>()); }

RealUi::~RealUi()
{
    platform::installUi(std::shared_ptr<platform::Ui>(&testsupport::scriptedUi(), [](platform::Ui*) {}));
}

} // namespace xdesktop
