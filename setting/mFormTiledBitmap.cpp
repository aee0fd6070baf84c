#include "mFormTiledBitmap.h"

#include "resource/Picture.h"

#include <QBrush>
#include <QMdiArea>

namespace QelmSet::mFormTiledBitmap {

namespace {

// The area that shows tiles and the background it had before.
struct Tiled {
    QPointer<QMdiArea> area;
    QBrush previous;
};

Tiled& tiled()
{
    static Tiled state;
    return state;
}

} // namespace

bool SetTiledBackground(const Resource::Picture& picture, QMdiArea& area)
{
    if (picture.kind() != Resource::Picture::Kind::Bitmap || picture.bitmap().isNull())
        return false;
    Tiled& state = tiled();
    if (state.area != &area) {
        RemoveTiledBackground();
        state.area = &area;
        state.previous = area.background();
    }
    // A texture brush repeats from the area's top-left corner; the area paints
    // it behind its windows on every paint, so no paint handler is needed.
    area.setBackground(QBrush(picture.bitmap()));
    return true;
}

void RemoveTiledBackground()
{
    Tiled& state = tiled();
    if (state.area)
        state.area->setBackground(state.previous);
    state.area = nullptr;
    state.previous = QBrush();
}

} // namespace QelmSet::mFormTiledBitmap
