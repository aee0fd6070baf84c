#pragma once
// The one arrangement both programs give the windows of their MDI area
// ("tile horizontally"): the windows one above the other, each as wide as the
// area, sharing its height. Where they cannot share it at their least height,
// they keep that height and the area scrolls (its scroll bars are shown as
// needed; Qt's MDI area has them off unless told).

class QMdiArea;

namespace QelmCommon {

// Stacks the area's shown, not minimised windows in the order they were opened.
void TileHorizontally(QMdiArea& area);

// The width the area gives each of its windows: its whole width, less the
// vertical scroll bar while its windows reach beyond its height.
int WindowWidth(const QMdiArea& area);

} // namespace QelmCommon
