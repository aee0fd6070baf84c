#pragma once
// The setting program's main window on a real X server, with the demo tables
// read and the parameter windows at hand (ParamWindowFixture), the window
// active, and the customize and feed-pitch windows opened as a user opens them.

#include "XDesktop.h"

#include "ParamWindowFixture.h"
#include "ScriptedUi.h"

#include "platform/grid/FlexGrid.h"
#include "setting/EditingWindow.h"
#include "setting/fCusData.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

namespace xdesktop {

class SettingDesktopFixture : public settingtest::ParamWindowFixture {
protected:
    void SetUp() override
    {
        XDESKTOP_SKIP_WITHOUT_X_SERVER();
        // A test may close the main window; the run goes on.
        QApplication::setQuitOnLastWindowClosed(false);
        ParamWindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    // The open editing window of that form name and tag; nullptr when none is open.
    QelmSet::EditingWindow* editingWindow(const QString& formName, const QString& tag = {})
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // closed windows go
        for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
            if (auto* w = qobject_cast<QelmSet::EditingWindow*>(frame->widget());
                w && w->objectName() == formName && (tag.isEmpty() || w->Tag() == tag))
                return w;
        return nullptr;
    }

    // Opens the customize window of the connector from the customize menu.
    QelmSet::fCusData* openCustomize(int conId)
    {
        for (QAction* item : window().mnuCustomize().actions())
            if (!item->isSeparator() && item->data().toString() == QString::number(conId))
                item->trigger();
        return static_cast<QelmSet::fCusData*>(editingWindow(QStringLiteral("fCusData"), QString::number(conId)));
    }

    // Opens the feed-pitch window through its guarded button: Shift and Ctrl
    // held, the question answered Yes.
    QelmSet::EditingWindow* openPitch()
    {
        window().heldModifiers = [] { return Qt::ShiftModifier | Qt::ControlModifier; };
        testsupport::scriptedUi().answerMessageBox(platform::vbYes);
        window().toolKey(QStringLiteral("keyOKURIPARAM"))->trigger();
        return editingWindow(QStringLiteral("fOkuriParam"));
    }
};

} // namespace xdesktop
