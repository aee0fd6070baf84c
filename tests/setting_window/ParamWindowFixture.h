#pragma once
// The main window with the demo tables read (DEMO_STD.etb as STD, DEMO_USR.etb
// as USR), and the parameter windows opened from its parameter menu.

#include "MainWindowFixture.h"

#include "datamodel/common/Enums.h"
#include "datamodel/parameters/clsDigital.h"
#include "datamodel/parameters/clsFunction.h"
#include "datamodel/parameters/colclsDigital.h"
#include "datamodel/parameters/colclsFunction.h"
#include "platform/Ui.h"
#include "platform/grid/FlexGrid.h"
#include "setting/fParam.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTest>

namespace settingtest {

// The parameter menu's items (Create_mnuParam) on the demo data.
enum MenuItem { itemAll = 1, itemDif = 2, itemSpeed = 4, itemTrim = 5, itemFeed = 6, itemTiming = 7,
                itemPresser = 8, itemSpecial = 9 };

class ParamWindowFixture : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        loadDemoTables();
        window().resize(1280, 720);
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }

    // Chooses the menu item; password is typed when a password is asked for.
    // The window of the item, or nullptr when none opened.
    QelmSet::fParam* open(MenuItem item, const char* password = nullptr)
    {
        if (password)
            testsupport::scriptedUi().answerInput(QLatin1String(password));
        QAction* entry = window().mnuParamContent(item);
        entry->trigger();
        return windowOf(entry->data().toString());
    }

    QelmSet::fParam* windowOf(const QString& tag)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // closed windows go
        for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
            if (auto* param = qobject_cast<QelmSet::fParam*>(frame->widget()); param && param->Tag() == tag)
                return param;
        return nullptr;
    }

    Telva27::clsDigital& digital(const char* function, const char* name)
    {
        return *state().functions->Item(QLatin1String(function))->Items()->Item(QLatin1String(name));
    }

    static platform::grid::GridData& cells(QelmSet::fParam& w) { return w.grid().data(); }

    // The Digital column, top to bottom.
    static QStringList digitals(QelmSet::fParam& w)
    {
        QStringList names;
        for (int32_t row = cells(w).FixedRows(); row < cells(w).Rows(); ++row)
            names << cells(w).TextMatrix(row, QelmSet::fParam::colDigital);
        return names;
    }

    static int32_t rowOf(QelmSet::fParam& w, const char* name)
    {
        return cells(w).FindRow(QLatin1String(name), -1, QelmSet::fParam::colDigital);
    }

    static QString text(QelmSet::fParam& w, const char* name, int32_t col)
    {
        return cells(w).TextMatrix(rowOf(w, name), col);
    }

    // A mouse move over the grid, as the window system reports it.
    static void moveMouse(QelmSet::fParam& w, const QPoint& at)
    {
        QWidget* viewport = w.grid().viewport();
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(viewport, &move);
    }
};

} // namespace settingtest
