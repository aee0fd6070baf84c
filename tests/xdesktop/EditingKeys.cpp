#include "EditingKeys.h"

#include "XDesktop.h"

#include "platform/grid/FlexGrid.h"

#include <QApplication>
#include <QTest>

#include <X11/keysym.h>

namespace xdesktop {

namespace {

struct Key {
    const char* name;
    unsigned long keysym;
};

const Key kEditingKeys[] = {
    {"F1", XK_F1},         {"F2", XK_F2},          {"F3", XK_F3},        {"F4", XK_F4},       {"F5", XK_F5},
    {"F6", XK_F6},         {"F7", XK_F7},          {"F8", XK_F8},        {"F9", XK_F9},       {"F10", XK_F10},
    {"F11", XK_F11},       {"F12", XK_F12},        {"Insert", XK_Insert}, {"Delete", XK_Delete},
    {"Home", XK_Home},     {"End", XK_End},        {"Page Up", XK_Prior}, {"Page Down", XK_Next},
};

bool editorHasFocus(const platform::grid::FlexGrid& grid)
{
    const QWidget* focus = QApplication::focusWidget();
    return grid.editor() && focus && (focus == grid.editor() || grid.editor()->isAncestorOf(focus));
}

// Closes what a key may have popped up (a list's drop-down), as Escape does.
void closePopups()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void openEditor(platform::grid::FlexGrid& grid, int row, int col)
{
    grid.ShowCell(row, col);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.cellRect(row, col).center());
    grid.EditCell();
    ASSERT_TRUE(grid.isEditing()) << "no editor opened on row " << row << ", column " << col;
    ASSERT_TRUE(QTest::qWaitFor([&] { return editorHasFocus(grid); }, 5000)) << "the editor has no keyboard focus";
}

} // namespace

void strikeEditingKeys(platform::grid::FlexGrid& grid, int row, int col)
{
    for (const Key& key : kEditingKeys) {
        SCOPED_TRACE(key.name);
        openEditor(grid, row, col);
        if (testing::Test::HasFatalFailure())
            return;
        EXPECT_TRUE(strikeKey(key.keysym)) << "the key never reached the program";
        closePopups();
        grid.cancelEdit();
        QApplication::processEvents();
    }
}

} // namespace xdesktop
