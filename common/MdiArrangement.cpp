#include "MdiArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>
#include <numeric>
#include <vector>

namespace QelmCommon {

namespace {

// The windows that take part: shown (also before the main window itself is)
// and not minimised, in their order of opening.
QList<QMdiSubWindow*> arrangedWindows(const QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* frame : area.subWindowList(QMdiArea::CreationOrder))
        if (!frame->isHidden() && !frame->isMinimized())
            windows << frame;
    return windows;
}

// The least height at which a window still shows its title and its controls.
int leastHeight(const QMdiSubWindow& frame)
{
    return std::max(frame.minimumSizeHint().height(), frame.minimumHeight());
}

// Shares `space` out: equal parts, except that a window whose least height is
// more than its part keeps its least height and the others share the rest.
// When the least heights together exceed the space, each window has its least.
std::vector<int> shareHeight(const std::vector<int>& least, int space)
{
    const size_t count = least.size();
    std::vector<int> heights(count, 0);
    std::vector<bool> atLeast(count, false);
    int left = space;
    int sharing = static_cast<int>(count);
    for (bool settled = false; !settled && sharing > 0;) {
        settled = true;
        const int part = left / sharing;
        for (size_t i = 0; i < count; ++i) {
            if (atLeast[i] || least[i] <= part)
                continue;
            atLeast[i] = true;
            heights[i] = least[i];
            left -= least[i];
            --sharing;
            settled = false;
        }
    }
    if (sharing == 0)
        return heights;
    // The last of the sharing windows takes what the division leaves over.
    const int part = left / sharing;
    int remainder = left - part * sharing;
    for (size_t i = count; i-- > 0;) {
        if (atLeast[i])
            continue;
        heights[i] = part + remainder;
        remainder = 0;
    }
    return heights;
}

// The width a vertical scroll bar takes from the area when it shows one.
int verticalBarWidth(const QMdiArea& area)
{
    return area.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff ? 0 : area.verticalScrollBar()->sizeHint().width();
}

} // namespace

void TileHorizontally(QMdiArea& area)
{
    const QList<QMdiSubWindow*> windows = arrangedWindows(area);
    if (windows.isEmpty())
        return;
    // The stack starts at the top left of the area, whatever was scrolled before.
    area.verticalScrollBar()->setValue(area.verticalScrollBar()->minimum());
    area.horizontalScrollBar()->setValue(area.horizontalScrollBar()->minimum());
    for (QMdiSubWindow* frame : windows)
        if (frame->isMaximized())
            frame->showNormal();

    const QSize space = area.maximumViewportSize();
    std::vector<int> least;
    for (const QMdiSubWindow* frame : windows)
        least.push_back(leastHeight(*frame));
    const std::vector<int> heights = shareHeight(least, space.height());
    const bool scrolls = std::accumulate(heights.begin(), heights.end(), 0) > space.height();
    const int width = space.width() - (scrolls ? verticalBarWidth(area) : 0);
    // Twice: a window that sizes itself to the area while it is being placed
    // sees the others where they were; the second pass finds them all in place.
    for (int pass = 0; pass < 2; ++pass) {
        int top = 0;
        for (qsizetype i = 0; i < windows.size(); ++i) {
            windows[i]->setGeometry(0, top, width, heights[static_cast<size_t>(i)]);
            top += heights[static_cast<size_t>(i)];
        }
    }
}

int WindowWidth(const QMdiArea& area)
{
    const QSize space = area.maximumViewportSize();
    QRect reach;
    for (const QMdiSubWindow* frame : arrangedWindows(area))
        reach |= frame->geometry();
    const bool scrolls = reach.isValid() && (reach.top() < 0 || reach.bottom() >= space.height());
    return space.width() - (scrolls ? verticalBarWidth(area) : 0);
}

} // namespace QelmCommon
