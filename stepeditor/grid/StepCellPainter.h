#pragma once
// Draws the cells of the step grid the grid can't draw alone: the logic,
// state and relation cells show the picture of their code instead of the
// number, a function name wider than its column is drawn narrower so that it
// is never cut, and the relation columns' title "8" shows as an arrowhead.
//
// Pictures come from the resource library (logic 169 + code, state 165 +
// code, relation 181 + code), are decoded once and drawn 5 pixels from the
// cell's left and 2 from its top; their white ground lets the cell's
// background through, as an AND copy does. A picture that can't be loaded is
// reported once, after the paint, and its cell shows its text.

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>

class QFont;
class QPainter;
class QRect;

namespace Ostrel7 {
class clsMethod;
}
namespace platform::grid {
class FlexGrid;
}

namespace QelmStp {

class StepCellPainter {
public:
    // The font family the step grid is shown in: installed with the suite,
    // narrow enough for the function names in their designed widths.
    static const QString kGridFontFamily;
    // The fewest colours the pictures are drawn right with.
    static constexpr double kMinColours = 65535;

    StepCellPainter(platform::grid::FlexGrid& fg, Ostrel7::clsMethod& reporter);

    // Loads a picture by its resource id (a null pixmap when there is none).
    std::function<QPixmap(int32_t id)> loadBitmap;

    // Routes the grid's owner drawing through fg_DrawCell.
    void attach();

    void fg_DrawCell(QPainter& painter, int32_t row, int32_t col, const QRect& rect, bool& done);
    // Draws the picture of value in a column of that kind at the cell's top
    // left; False (nothing drawn) when there is no such picture.
    bool DrawBmp(int32_t kind, QPainter& painter, const QRect& rect, int32_t value, bool selected);

    // The resource id and size of a picture; id 0 for a kind without pictures.
    static int32_t pictureId(int32_t kind, int32_t value);
    static QSize pictureSize(int32_t kind);
    // Whether a display of that many colours shows the pictures wrongly.
    static bool TooFewColours(double colours) { return colours < kMinColours; }

private:
    struct Picture {
        QPixmap normal;   // the white ground made transparent
        QPixmap selected; // the strokes in the selection's text colour
    };
    const Picture* picture(int32_t id);
    void reportMissing(int32_t id);
    // The title "8" of a relation column as the arrowhead; False for any other title.
    bool drawRelationTitle(QPainter& painter, int32_t row, int32_t col, const QRect& rect);
    bool drawFittedName(QPainter& painter, int32_t row, int32_t col, const QRect& rect, bool selected);
    // The width of a text in a font, measured once.
    int textWidth(const QFont& font, const QString& text);

    platform::grid::FlexGrid& fg_;
    Ostrel7::clsMethod& reporter_;
    QHash<int32_t, Picture> pictures_;
    QSet<int32_t> missing_;
    QHash<QString, int> widths_;
    // Ends the reports still waiting when the painter goes.
    QObject reports_;
};

} // namespace QelmStp
