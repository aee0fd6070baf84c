#pragma once
// The customize window on the demo data: the real main window with the demo
// factory and user tables read, and the customize window of a connector
// opened from the customize menu as a user opens it.

#include "MainWindowFixture.h"
#include "ScriptedUi.h"
#include "WindowDriver.h"

#include "datamodel/common/Enums.h"
#include "datamodel/customize/clsCustom.h"
#include "datamodel/customize/colclsCustom.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "platform/grid/FlexGrid.h"
#include "platform/tree/SelectionTree.h"
#include "setting/fCusData.h"
#include "setting/mMOD.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

namespace settingtest {

class CusDataFixture : public MainWindowFixture {
protected:
    using Grid = platform::grid::FlexGrid;
    using Cus = QelmSet::fCusData;

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(start());
        window().resize(1280, 900);
        window().show();
        loadDemoTables();
    }

    // The customize menu's item for connector id `conId` ("0" to "5").
    QAction* menuItem(int conId)
    {
        for (QAction* item : window().mnuCustomize().actions())
            if (!item->isSeparator() && item->data().toString() == QString::number(conId))
                return item;
        ADD_FAILURE() << "no customize menu item for connector " << conId;
        return nullptr;
    }

    // Opens the window of a connector from the menu.
    Cus& open(int conId)
    {
        menuItem(conId)->trigger();
        QApplication::processEvents();
        for (QMdiSubWindow* frame : window().mdiArea().subWindowList())
            if (auto* cus = qobject_cast<Cus*>(frame->widget()); cus && cus->Tag() == QString::number(conId))
                return *cus;
        throw std::runtime_error("the customize window did not open");
    }

    static Grid& grid(Cus& cus) { return cus.fg(); }

    // The grid row of a pin, -1 when it has none.
    static int rowOf(Cus& cus, const QString& location)
    {
        return cus.fg().data().FindRow(location, 1, Cus::colLocation);
    }

    static QString text(Cus& cus, int row, int col) { return cus.fg().data().TextMatrix(row, col); }
    static int code(Cus& cus, int row, int col) { return cus.fg().data().CellData(row, col).toInt(); }
    static uint32_t back(Cus& cus, int row, int col) { return cus.fg().data().CellBackColor(row, col); }
    static uint32_t fore(Cus& cus, int row, int col) { return cus.fg().data().CellForeColor(row, col); }

    // Makes a cell current by clicking it, scrolled into view first.
    static void clickCell(Cus& cus, int row, int col, Qt::MouseButton button = Qt::LeftButton)
    {
        Grid& g = cus.fg();
        g.ShowCell(row, col);
        QTest::mouseClick(g.viewport(), button, Qt::NoModifier, g.cellRect(row, col).center());
    }

    static void doubleClickCell(Cus& cus, int row, int col)
    {
        Grid& g = cus.fg();
        g.ShowCell(row, col);
        const QPoint at = g.cellRect(row, col).center();
        QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    static void key(Cus& cus, Qt::Key k) { QTest::keyClick(&cus.fg(), k); }
    static void typeKeys(Cus& cus, const QString& keys) { QTest::keyClicks(&cus.fg(), keys); }

    // Plays the function selection dialog: picks the function of that code, or cancels (-1).
    static void chooseFunction(int code)
    {
        testsupport::scriptedUi().answerDialog([code](QDialog& d) {
            const testsupport::WindowDriver w(d);
            if (code < 0) {
                w.cancel();
                return;
            }
            auto* tree = w.child<platform::tree::SelectionTree>(QStringLiteral("tv"));
            platform::tree::SelectionNode* node = tree->Nodes().Find(QStringLiteral("%1key").arg(code));
            ASSERT_NE(node, nullptr) << code;
            tree->scrollToItem(node->item());
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node->item()).center());
            w.ok();
        });
    }

    // Saves a picture of the window where QEL_GRAB_DIR names a folder, for a person to look at.
    static void keepPicture(QWidget& window, const QString& name)
    {
        const QString folder = QString::fromLocal8Bit(qgetenv("QEL_GRAB_DIR"));
        const QImage picture = window.grab().toImage();
        EXPECT_FALSE(picture.isNull());
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }

    Telva27::clsCustom& usrPin(const char* location) { return *state().customUsr->Item(QLatin1String(location)); }
    Telva27::clsCustom& stdPin(const char* location) { return *state().customStd->Item(QLatin1String(location)); }
};

} // namespace settingtest
