#pragma once
// The tiled background of the main window: the empty area behind the editing
// windows shows a bitmap repeated edge to edge, anchored at its top left.

#include <QPointer>

class QMdiArea;

namespace Resource {
class Picture;
}

namespace QelmSet::mFormTiledBitmap {

// Tiles the bitmap over the MDI area. False, and nothing changes, when the
// picture is not a bitmap (an icon or a cursor) or has no size.
bool SetTiledBackground(const Resource::Picture& picture, QMdiArea& area);

// Gives the area its own background back; nothing when none is tiled.
void RemoveTiledBackground();

} // namespace QelmSet::mFormTiledBitmap
