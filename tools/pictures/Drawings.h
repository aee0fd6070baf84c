#pragma once
// Every icon and bitmap of the resource library: its id, size, background and
// the function that paints it.

#include <QColor>
#include <QSize>
#include <functional>
#include <vector>

class QPainter;

namespace pictures {

enum class Kind { Icon, Bitmap };

struct Drawing {
    Kind kind;
    int id;
    QSize size;
    // Icons are transparent; bitmaps are opaque 24-bit images.
    QColor background;
    std::function<void(QPainter&, QSize)> paint;
};

// An icon group appears once per size.
const std::vector<Drawing>& drawings();

// The step grid's input state marks are the bitmaps from this id on, in the
// order of the states: positive level, positive edge, negative level, negative edge.
constexpr int kFirstStateMark = 165;
constexpr int kStateMarks = 4;

} // namespace pictures
