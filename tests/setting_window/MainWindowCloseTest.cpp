// Closing the main window: however it is closed, every changed editing window
// is asked first, and nothing is torn down unless all of them agree.

#include "MainWindowFixture.h"

#include "common/mMODCOMMON.h"
#include "datamodel/common/Enums.h"
#include "setting/EditingWindow.h"
#include "setting/ProgramState.h"
#include "util/method/clsMethod.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <functional>

using namespace testsupport;
using settingtest::MainWindowFixture;

namespace {

class TestWindow final : public QelmSet::EditingWindow {
public:
    TestWindow(const QString& tag, bool saves) : EditingWindow(QStringLiteral("fParam")), saves_(saves)
    {
        setTag(tag);
        setWindowTitle(tag);
        (new QPushButton(QStringLiteral("Save"), this))->setObjectName(QStringLiteral("BTN1"));
    }
    bool Update_Variable() override { return true; }
    void BTN_Click(int index) override
    {
        if (index == 1 && saves_)
            ControlChange(false);
    }

private:
    bool saves_;
};

} // namespace

class MainWindowClose : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        startWithFiles();
    }

    // A running program with both files loaded, so that it holds working copies.
    void startWithFiles()
    {
        ASSERT_TRUE(start());
        loadDemoTables();
        window().show();
        // Named while the program runs: its objects are gone once it has ended.
        QelmSet::ProgramState& s = state();
        workingCopies_ = {QelmCommon::mMODCOMMON::CreateParaTempName(*s.method, Telva27::eUSR),
                          QelmCommon::mMODCOMMON::CreateParaTempName(*s.method, Telva27::eSTD)};
        ASSERT_TRUE(workingCopiesExist());
    }

    TestWindow* open(const char* tag, bool changed, bool saves = true)
    {
        auto* form = new TestWindow(QLatin1String(tag), saves);
        window().mdiArea().addSubWindow(form)->show();
        form->ControlChange(changed);
        return form;
    }

    bool workingCopiesExist() const
    {
        return std::all_of(workingCopies_.begin(), workingCopies_.end(),
                           [](const QString& path) { return QFileInfo::exists(path); });
    }

    QStringList workingCopies_;

    QStringList openTags()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList tags;
        for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
            tags << static_cast<QelmSet::EditingWindow*>(frame->widget())->Tag();
        return tags;
    }

    QStringList askedWindows()
    {
        QStringList asked;
        for (const UiCall& call : scriptedUi().callsOf(UiCall::MessageBox))
            asked << call.text.section(QStringLiteral("\r\n\r\n"), 1);
        return asked;
    }
};

TEST_F(MainWindowClose, EveryWayOfClosingAsksTheChangedWindowsAndCancelKeepsAll)
{
    const struct {
        const char* way;
        std::function<void(QelmSet::fMain&)> close;
    } ways[] = {
        {"Close command", [](QelmSet::fMain& w) { w.toolKey(QStringLiteral("keyCLOSE"))->trigger(); }},
        {"close()", [](QelmSet::fMain& w) { w.close(); }},
        // What the window manager sends for the close box and Alt+F4.
        {"close box",
         [](QelmSet::fMain& w) {
             QCloseEvent event;
             event.setAccepted(true);
             QCoreApplication::sendEvent(w.windowHandle(), &event);
         }},
    };
    TestWindow* speed = open("SPEED", true);
    open("TIMER", false);
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbCancel);
        way.close(window());
        EXPECT_TRUE(window().isVisible());
        EXPECT_EQ(askedWindows(), QStringList{QStringLiteral("SPEED")});
        EXPECT_EQ(openTags(), (QStringList{QStringLiteral("SPEED"), QStringLiteral("TIMER")}));
        EXPECT_TRUE(speed->IsChanged());
        EXPECT_TRUE(workingCopiesExist());
        EXPECT_TRUE(window().toolKey(QStringLiteral("keyPARAM"))->isEnabled());
    }
}

TEST_F(MainWindowClose, TheProgramEndsOnlyWhenEveryChangedWindowAgrees)
{
    const struct {
        const char* name;
        bool firstSaves;
        std::vector<int> answers; // to the first changed window, then the second
        bool ends;
        QStringList asked;
        bool firstStillChanged;
    } cases[] = {
        {"Yes to a failed save keeps everything", false, {platform::vbYes}, false, {"SPEED"}, true},
        // A No that a later Cancel overrules drops nothing.
        {"No, then Cancel", true, {platform::vbNo, platform::vbCancel}, false, {"SPEED", "FEED"}, true},
        {"Yes, then Cancel keeps the saved one open", true, {platform::vbYes, platform::vbCancel}, false,
         {"SPEED", "FEED"}, false},
        {"Yes and No end the program", true, {platform::vbYes, platform::vbNo}, true, {"SPEED", "FEED"}, false},
        {"No to both ends it", true, {platform::vbNo, platform::vbNo}, true, {"SPEED", "FEED"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startWithFiles();
        scriptedUi().clearCalls();
        TestWindow* first = open("SPEED", true, c.firstSaves);
        open("TIMER", false);
        open("FEED", true);
        for (int answer : c.answers)
            scriptedUi().answerMessageBox(answer);

        EXPECT_EQ(window().close(), c.ends);
        EXPECT_EQ(askedWindows(), c.asked);
        EXPECT_EQ(workingCopiesExist(), !c.ends);
        if (c.ends) {
            // Asked once each: the windows close without asking again.
            EXPECT_TRUE(openTags().isEmpty());
            EXPECT_FALSE(window().isVisible());
            continue;
        }
        EXPECT_TRUE(window().isVisible());
        EXPECT_EQ(openTags(), (QStringList{QStringLiteral("SPEED"), QStringLiteral("TIMER"), QStringLiteral("FEED")}));
        EXPECT_EQ(first->IsChanged(), c.firstStillChanged);
    }
}

TEST_F(MainWindowClose, NoChangesCloseAtOnceWithoutAQuestion)
{
    open("SPEED", false);
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(scriptedUi().calls().empty());
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(workingCopiesExist());
    EXPECT_TRUE(openTags().isEmpty());
}
