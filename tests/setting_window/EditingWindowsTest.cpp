// The main window's bookkeeping of its editing windows.

#include "MainWindowFixture.h"

#include "dialogs/SelectionForm.h"
#include "dialogs/clsSelectKino.h"
#include "setting/EditingWindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

using namespace testsupport;
using settingtest::MainWindowFixture;

namespace {

class TestWindow final : public QelmSet::EditingWindow {
public:
    TestWindow(const QString& formName, const QString& tag) : EditingWindow(formName)
    {
        setTag(tag);
        setWindowTitle(formName + QLatin1Char(' ') + tag);
        (new QPushButton(QStringLiteral("Save"), this))->setObjectName(QStringLiteral("BTN1"));
    }
    bool Update_Variable() override { return true; }
    void BTN_Click(int index) override { clicks << index; }
    QList<int> clicks;
};

} // namespace

class EditingWindows : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        window().show();
    }

    TestWindow* open(const char* formName, const char* tag)
    {
        auto* form = new TestWindow(QLatin1String(formName), QLatin1String(tag));
        window().mdiArea().addSubWindow(form)->show();
        return form;
    }
};

TEST_F(EditingWindows, FoundByTagAndAskedForChanges)
{
    EXPECT_FALSE(window().IsExistChanged());
    EXPECT_FALSE(window().QueryChanged());

    TestWindow* params = open("fParam", "SPEED");
    TestWindow* pins = open("fCusData", "3");
    open("fHeader", "Other"); // not an editing window
    EXPECT_TRUE(window().ExistForm(QStringLiteral("SPEED")));
    EXPECT_FALSE(window().ExistForm(QStringLiteral("speed")));
    EXPECT_FALSE(window().ExistForm(QStringLiteral("Other")));
    EXPECT_EQ(window().IsLoadedFormByTag(QStringLiteral("SPEED")), params);
    EXPECT_EQ(window().IsLoadedFormByTag(QStringLiteral("3")), nullptr); // a customize window

    pins->ControlChange(true);
    EXPECT_TRUE(pins->findChild<QPushButton*>(QStringLiteral("BTN1"))->isEnabled());
    EXPECT_TRUE(window().IsExistChanged());
    EXPECT_TRUE(window().QueryChanged());
    window().CancelAllUpdate();
    EXPECT_FALSE(window().IsExistChanged());
    EXPECT_FALSE(pins->findChild<QPushButton*>(QStringLiteral("BTN1"))->isEnabled());

    window().SetFocusToForm(QStringLiteral("SPEED"));
    EXPECT_EQ(window().mdiArea().activeSubWindow()->widget(), params);
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(EditingWindows, ClosingAllAsksOnlyForChangedWindows)
{
    TestWindow* changed = open("fParam", "AllFunctions");
    open("fOkuriParam", "");
    open("fHeader", "Other");
    changed->ControlChange(true);

    scriptedUi().answerMessageBox(platform::vbCancel);
    window().CloseAllForm();
    // Cancel keeps the changed window open with its edits; the unchanged one closed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(scriptedUi().callsOf(UiCall::MessageBox).size(), 1u);
    EXPECT_TRUE(window().ExistForm(QStringLiteral("AllFunctions")));
    EXPECT_EQ(window().mdiArea().subWindowList().size(), 2); // the changed one and the header

    scriptedUi().answerMessageBox(platform::vbYes);
    window().CloseAllForm();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window().ExistForm(QStringLiteral("AllFunctions")));
    EXPECT_EQ(window().mdiArea().subWindowList().size(), 1);
}

TEST_F(EditingWindows, CloseAllFormUnloadsTheCustomizeSelections)
{
    const auto selections = [] {
        QList<Sorvi27::SelectionForm*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = dynamic_cast<Sorvi27::SelectionForm*>(w); form && form->objectName() == "fSelCus")
                found << form;
        return found;
    };
    state().selectKino->LoadCustomForms();
    ASSERT_EQ(selections().size(), 2);
    for (auto* form : selections())
        EXPECT_TRUE(form->IsLoaded());

    EXPECT_TRUE(window().CloseAllForm()); // also with no editing window open
    for (auto* form : selections())
        EXPECT_FALSE(form->IsLoaded());
}

TEST_F(EditingWindows, ParameterMenuGrowsByOneItemAtATime)
{
    // Start-up loaded items 1 to 9: All, Difference, a line and the six groups.
    EXPECT_EQ(window().Load_mnuParamCotentn(), 10);
    EXPECT_EQ(window().Load_mnuParamCotentn(), 11);
    EXPECT_EQ(window().mnuParamContent(11)->objectName(), QStringLiteral("mnuParamContent11"));
    EXPECT_EQ(window().mnuParamContent(12), nullptr);
}
