// A message box of the programs' Ui service under a real window manager, while
// the step editor keeps one of its windows above the others (the memo window,
// the find window): the box opens on top of every window, whichever of the
// program's windows was active, and a click answers it.

#include "XDesktop.h"

#include "ModalLoopWatch.h"
#include "StepEditorFixture.h"

#include "platform/grid/FlexGrid.h"
#include "stepeditor/fFind.h"
#include "stepeditor/fInpMemo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace testsupport;

namespace xdesktop {

namespace {

constexpr int kWaitMs = 5000;

QMessageBox* shownMessageBox()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible())
            return box;
    return nullptr;
}

// Makes the window of the widget the active one as the user does, with a
// click on a point of the widget that lies on the screen and that the other
// window does not cover.
bool activateByClick(QWidget& widget, const QWidget& other)
{
    const QRect inside = widget.rect().adjusted(4, 4, -4, -4);
    const QPoint points[] = {inside.topLeft(), inside.topRight(), inside.center(), inside.bottomLeft(),
                             inside.bottomRight()};
    const QRect screen = widget.screen()->geometry();
    for (const QPoint& point : points) {
        const QPoint global = widget.mapToGlobal(point);
        if (screen.contains(global) && (widget.window() == &other || !other.frameGeometry().contains(global)))
            return clickWidget(widget, point) &&
                   QTest::qWaitFor([&] { return QApplication::activeWindow() == widget.window(); }, kWaitMs);
    }
    ADD_FAILURE() << "the widget is hidden under the other window or off the screen";
    return false;
}

// What the user met in the box while it was shown.
struct BoxSeen {
    bool shown = false;
    bool onTop = false;
    QWidget* parent = nullptr;
    bool answeredByClick = false;
};

// Raises an OK / Cancel box through the installed Ui service and, once the
// window manager shows it, notes where it stands and clicks its OK button.
// A box the click cannot reach is cancelled, so the test goes on.
int32_t raiseBoxAndClickOk(BoxSeen& seen)
{
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QMessageBox* box = nullptr;
        seen.shown = QTest::qWaitFor([&] { return (box = shownMessageBox()) != nullptr; }, kWaitMs);
        if (!seen.shown)
            return;
        seen.parent = box->parentWidget();
        static_cast<void>(waitUntilFramed(*box));
        seen.onTop = waitUntilOnTop(*box);
        QAbstractButton& ok = *box->button(QMessageBox::Ok);
        seen.answeredByClick =
            clickWidget(ok, ok.rect().center()) && QTest::qWaitFor([&] { return !box->isVisible(); }, kWaitMs);
        if (box->isVisible())
            box->reject();
    });
    answer.start(0);
    return platform::ui().messageBox(QStringLiteral("The value is out of range."),
                                     platform::vbOKCancel | platform::vbExclamation, QStringLiteral("Step editor"));
}

} // namespace

class MessageBoxOnTop : public steptest::StepEditorFixture {
protected:
    void SetUp() override
    {
        XDESKTOP_SKIP_WITHOUT_X_SERVER();
        QApplication::setQuitOnLastWindowClosed(false);
        StepEditorFixture::SetUp();
        ASSERT_FALSE(startOnDemoProgram().isEmpty());
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    // Raises a box while the window kept on top is open, once with the main
    // window active (a message of the grid) and once with the kept window
    // active (a message of its own command).
    void expectBoxOnTopOf(QWidget& keptOnTop)
    {
        ASSERT_TRUE(waitUntilFramed(keptOnTop));
        ASSERT_TRUE(waitUntilKeptAbove(keptOnTop));
        const RealUi realUi;
        const ModalLoopWatch::Pause answeredHere;
        // A click on the grid, or on the kept window itself.
        QWidget* const clicked[] = {userWindow().fg().viewport(), &keptOnTop};
        for (QWidget* target : clicked) {
            QWidget* const active = target->window();
            SCOPED_TRACE(active->objectName().toStdString() + " active");
            ASSERT_TRUE(activateByClick(*target, keptOnTop));
            BoxSeen seen;
            EXPECT_EQ(raiseBoxAndClickOk(seen), platform::vbOK);
            EXPECT_TRUE(seen.shown);
            EXPECT_EQ(seen.parent, active) << (seen.parent ? seen.parent->metaObject()->className() : "none");
            EXPECT_TRUE(seen.onTop) << "the box opened below another window";
            EXPECT_TRUE(seen.answeredByClick);
            // The kept window is usable again, and still above the main window.
            EXPECT_TRUE(keptOnTop.isVisible());
            EXPECT_FALSE(QApplication::activeModalWidget());
            EXPECT_TRUE(waitUntilKeptAbove(keptOnTop));
        }
    }
};

TEST_F(MessageBoxOnTop, AboveTheMemoWindow)
{
    userWindow().tBar_ButtonMenuClick(QStringLiteral("keyREM"));
    ASSERT_TRUE(QelmStp::fInpMemo::IsOpen(state()));
    expectBoxOnTopOf(*state().frmMemo);
    QelmStp::fInpMemo::UnloadOpen(state());
}

TEST_F(MessageBoxOnTop, AboveTheFindWindow)
{
    userWindow().toolKey(QStringLiteral("keyFIND"))->trigger();
    QelmStp::fFind& find = *state().frmFindUsr;
    ASSERT_TRUE(find.isVisible());
    expectBoxOnTopOf(find);
    find.hide();
}

} // namespace xdesktop
