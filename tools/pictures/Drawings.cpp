#include "Drawings.h"

#include "PixelFont.h"

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace pictures {

namespace {

const QColor kInk(32, 32, 32);
// The inks of the step grid's marks: logic words black, states blue,
// relations olive (AND, OR), magenta (END) and brown (counter relations).
const QColor kLogicInk(0, 0, 0);
const QColor kStateInk(0, 0, 255);
const QColor kOlive(96, 96, 0);
const QColor kMagenta(160, 0, 160);
const QColor kRelationBrown(128, 64, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(192, 192, 192);
const QColor kDarkGrey(128, 128, 128);
const QColor kBlue(32, 80, 192);
const QColor kLightBlue(160, 200, 240);
const QColor kRed(208, 32, 32);
const QColor kPureRed(255, 0, 0); // the back colour of a difference cell
const QColor kGreen(32, 160, 64);
const QColor kYellow(240, 200, 48);
const QColor kPaleYellow(248, 232, 144);
const QColor kBrown(160, 96, 48);
const QColor kSkin(240, 200, 160);
// Toolbar and button images: the programs' image lists treat this colour
// (&HFF00FF) as transparent.
const QColor kMask(255, 0, 255);
const QColor kTransparent(0, 0, 0, 0);

// ---- drawing primitives, in the glyph's own pixel grid ----------------------

void box(QPainter& p, int x, int y, int w, int h, const QColor& fill, const QColor& outline = kInk)
{
    p.fillRect(x, y, w, h, outline);
    p.fillRect(x + 1, y + 1, w - 2, h - 2, fill);
}

void line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour)
{
    p.setPen(QPen(colour, 1));
    p.drawLine(x1, y1, x2, y2);
}

void shape(QPainter& p, std::initializer_list<QPoint> points, const QColor& fill, const QColor& outline = kInk)
{
    p.setPen(QPen(outline, 1));
    p.setBrush(fill);
    p.drawPolygon(points.begin(), static_cast<int>(points.size()));
}

void ellipse(QPainter& p, const QRect& r, const QColor& fill, const QColor& outline = kInk)
{
    p.setPen(QPen(outline, 1));
    p.setBrush(fill);
    p.drawEllipse(r);
}

void arrowRight(QPainter& p, int x, int y, int w, int h, const QColor& fill)
{
    const int mid = y + h / 2, shaft = h / 4, head = x + w - h / 2 - 1;
    shape(p, {{x, mid - shaft}, {head, mid - shaft}, {head, y}, {x + w - 1, mid}, {head, y + h - 1},
              {head, mid + shaft}, {x, mid + shaft}},
          fill);
}

void arrowLeft(QPainter& p, int x, int y, int w, int h, const QColor& fill)
{
    p.save();
    p.translate(2 * x + w - 1, 0);
    p.scale(-1, 1);
    arrowRight(p, x, y, w, h, fill);
    p.restore();
}

void sheet(QPainter& p, int x, int y, int w, int h)
{
    box(p, x, y, w, h, kWhite);
    for (int row = y + 2; row < y + h - 1; row += 2)
        p.fillRect(x + 2, row, w - 4, 1, kGrey);
}

void table(QPainter& p, int x, int y, int w, int h)
{
    box(p, x, y, w, h, kWhite);
    p.fillRect(x + 1, y + 1, w - 2, 2, kLightBlue);
    for (int row = y + 4; row < y + h - 1; row += 3)
        p.fillRect(x + 1, row, w - 2, 1, kGrey);
    p.fillRect(x + 4, y + 3, 1, h - 4, kGrey);
}

void window(QPainter& p, int x, int y, int w, int h)
{
    box(p, x, y, w, h, kWhite);
    p.fillRect(x + 1, y + 1, w - 2, 2, kBlue);
}

// ---- glyphs on a 16 x 16 grid: toolbar images and icons ---------------------

void closeMark(QPainter& p)
{
    for (int d : {0, 1}) {
        line(p, 3 + d, 3, 12, 12 - d, kRed);
        line(p, 3, 3 + d, 12 - d, 12, kRed);
        line(p, 12 - d, 3, 3, 12 - d, kRed);
        line(p, 12, 3 + d, 3 + d, 12, kRed);
    }
}

void folderClosed(QPainter& p)
{
    box(p, 1, 2, 6, 3, kYellow);
    box(p, 1, 4, 14, 10, kYellow);
    p.fillRect(2, 4, 4, 1, kYellow); // the tab opens into the folder
}

void folderOpen(QPainter& p)
{
    folderClosed(p);
    shape(p, {{4, 7}, {15, 7}, {13, 13}, {1, 13}}, kPaleYellow);
}

void disk(QPainter& p)
{
    box(p, 1, 1, 14, 14, kBlue);
    box(p, 4, 1, 8, 6, kWhite);
    p.fillRect(5, 3, 6, 1, kGrey);
    box(p, 4, 10, 8, 5, kGrey);
    p.fillRect(9, 11, 2, 3, kInk);
}

void printer(QPainter& p)
{
    box(p, 4, 1, 8, 6, kWhite);
    box(p, 1, 6, 14, 6, kGrey);
    box(p, 4, 10, 8, 5, kWhite);
    p.fillRect(5, 12, 6, 1, kGrey);
    p.fillRect(12, 8, 1, 1, kGreen);
}

void newSheet(QPainter& p)
{
    shape(p, {{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}, kWhite);
    line(p, 10, 1, 10, 4, kInk);
    line(p, 10, 4, 13, 4, kInk);
    p.fillRect(1, 1, 3, 1, kYellow); // a spark: something new
    p.fillRect(2, 0, 1, 3, kYellow);
}

void copySheets(QPainter& p)
{
    sheet(p, 1, 1, 8, 10);
    sheet(p, 7, 5, 8, 10);
}

void pasteBoard(QPainter& p)
{
    box(p, 1, 2, 10, 13, kBrown);
    box(p, 4, 1, 4, 3, kGrey);
    sheet(p, 7, 6, 8, 9);
}

void insertRow(QPainter& p)
{
    box(p, 6, 1, 9, 4, kWhite);
    box(p, 6, 6, 9, 4, kLightBlue);
    box(p, 6, 11, 9, 4, kWhite);
    arrowRight(p, 0, 5, 6, 6, kGreen);
}

void magnifier(QPainter& p)
{
    line(p, 9, 9, 14, 14, kBrown);
    line(p, 10, 9, 14, 13, kBrown);
    line(p, 9, 10, 13, 14, kBrown);
    ellipse(p, QRect(1, 1, 9, 9), kLightBlue);
}

void undoArrow(QPainter& p)
{
    p.setPen(QPen(kBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(3, 4, 10, 9), 0, 180 * 16);
    shape(p, {{0, 8}, {6, 8}, {3, 11}}, kBlue, kBlue);
}

void memo(QPainter& p)
{
    box(p, 2, 2, 12, 13, kPaleYellow);
    for (int row : {6, 8, 10, 12})
        p.fillRect(4, row, 8, 1, kDarkGrey);
    for (int x : {4, 7, 10})
        p.fillRect(x, 1, 1, 3, kInk);
}

void gear(QPainter& p)
{
    for (int turn = 0; turn < 4; ++turn) {
        p.save();
        p.translate(8, 8);
        p.rotate(45 * turn);
        p.fillRect(-1, -7, 3, 15, kDarkGrey);
        p.restore();
    }
    ellipse(p, QRect(3, 3, 10, 10), kGrey);
    ellipse(p, QRect(6, 6, 4, 4), kWhite);
}

void arrangeWindows(QPainter& p)
{
    window(p, 1, 1, 10, 9);
    window(p, 5, 6, 10, 9);
}

void sliders(QPainter& p)
{
    for (const auto& [row, knob] : {std::pair{3, 9}, std::pair{8, 3}, std::pair{13, 11}}) {
        p.fillRect(1, row, 14, 1, kInk);
        box(p, knob, row - 2, 3, 5, kBlue);
    }
}

void tableStack(QPainter& p)
{
    table(p, 5, 0, 10, 9);
    table(p, 3, 3, 10, 9);
    table(p, 1, 6, 11, 9);
}

void singleTable(QPainter& p)
{
    table(p, 2, 1, 12, 14);
}

void dataCopy(QPainter& p)
{
    table(p, 0, 0, 7, 9);
    table(p, 9, 7, 7, 9);
    arrowRight(p, 1, 9, 8, 5, kGreen);
}

void scissors(QPainter& p)
{
    for (int d : {0, 1}) {
        line(p, 4 + d, 10, 11 + d, 1, kDarkGrey);
        line(p, 11 - d, 10, 4 - d, 1, kDarkGrey);
    }
    p.fillRect(7, 5, 2, 2, kInk);
    ellipse(p, QRect(1, 10, 4, 4), kWhite);
    ellipse(p, QRect(10, 10, 4, 4), kWhite);
}

void staircase(QPainter& p)
{
    shape(p, {{1, 14}, {1, 11}, {5, 11}, {5, 7}, {9, 7}, {9, 3}, {14, 3}, {14, 14}}, kBlue);
}

void remark(QPainter& p)
{
    box(p, 1, 1, 14, 10, kWhite);
    shape(p, {{4, 10}, {4, 14}, {8, 10}}, kWhite);
    p.fillRect(5, 10, 3, 1, kWhite); // the tail opens into the bubble
    p.fillRect(3, 4, 10, 1, kDarkGrey);
    p.fillRect(3, 6, 10, 1, kDarkGrey);
    p.fillRect(3, 8, 6, 1, kDarkGrey);
}

void pencil(QPainter& p)
{
    shape(p, {{1, 14}, {2, 10}, {11, 1}, {14, 4}, {5, 13}}, kYellow);
    shape(p, {{11, 1}, {14, 4}, {12, 6}, {9, 3}}, kRed);
    shape(p, {{1, 14}, {2, 11}, {4, 13}}, kInk);
}

void pointingHand(QPainter& p)
{
    box(p, 1, 8, 4, 4, kSkin);
    box(p, 3, 7, 10, 8, kSkin);
    box(p, 6, 1, 3, 8, kSkin);
    p.fillRect(9, 9, 1, 3, kInk);
    p.fillRect(11, 9, 1, 3, kInk);
}

void swapArrows(QPainter& p)
{
    arrowRight(p, 1, 1, 14, 7, kBlue);
    arrowLeft(p, 1, 8, 14, 7, kRed);
}

void redArrow(QPainter& p) { arrowRight(p, 1, 2, 14, 12, kRed); }
void blueArrow(QPainter& p) { arrowRight(p, 1, 2, 14, 12, kBlue); }
void greenArrow(QPainter& p) { arrowRight(p, 1, 2, 14, 12, kGreen); }

void doubleChevron(QPainter& p)
{
    for (int x : {0, 6})
        shape(p, {{x + 1, 2}, {x + 4, 2}, {x + 9, 8}, {x + 4, 14}, {x + 1, 14}, {x + 6, 8}}, kGreen);
}

// A 16 x 16 glyph placed in the middle of the picture, enlarged by a whole
// factor when the picture is at least twice as large (the 32 x 32 icons).
template <void (*Glyph)(QPainter&)>
void centred(QPainter& p, QSize size)
{
    constexpr int kGrid = 16;
    const int scale = std::max(1, std::min(size.width(), size.height()) / kGrid);
    p.translate((size.width() - kGrid * scale) / 2, (size.height() - kGrid * scale) / 2);
    p.scale(scale, scale);
    Glyph(p);
}

// ---- pictures drawn at their own size ---------------------------------------

void helpMark(QPainter& p, QSize)
{
    drawGlyph(p, 0, 0, letter('?'), kBlue, 2);
}

void resetArrow(QPainter& p, QSize)
{
    p.setPen(QPen(kBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(4, 2, 10, 10), 90 * 16, 270 * 16);
    shape(p, {{11, 8}, {17, 8}, {14, 4}}, kBlue, kBlue);
}

// The difference marks of the feed-pitch window: lower (down) or higher (up).
// The feed-pitch window's marks on its red difference cells: a yellow arrow
// pointing up (the user value is the larger) or down (the smaller).
void differenceMark(QPainter& p, bool up)
{
    const auto y = [up](int v) { return up ? v : 13 - v; };
    shape(p, {{6, y(1)}, {11, y(6)}, {8, y(6)}, {8, y(12)}, {4, y(12)}, {4, y(6)}, {1, y(6)}}, kYellow, kYellow);
}

void eye(QPainter& p, bool crossedOut)
{
    ellipse(p, QRect(1, 3, 17, 11), kWhite);
    ellipse(p, QRect(6, 5, 7, 7), kBlue);
    p.fillRect(9, 8, 2, 2, kInk);
    if (crossedOut) {
        p.setPen(QPen(kRed, 2));
        p.drawLine(2, 16, 17, 1);
    }
}

void differenceDelta(QPainter& p, QSize)
{
    p.setPen(QPen(kRed, 2));
    p.setBrush(kWhite);
    p.drawPolygon(QPolygon({{10, 2}, {18, 19}, {1, 19}}));
}

// The main window's background: a quiet diamond lattice whose period (20)
// divides the tile, so that neighbouring tiles join without a seam.
void backgroundTile(QPainter& p, QSize size)
{
    p.fillRect(QRect(QPoint(0, 0), size), QColor(208, 214, 226));
    p.setPen(QPen(QColor(222, 227, 236), 1));
    for (int k = -size.width(); k <= size.width(); k += 20) {
        p.drawLine(k, 0, k + size.height(), size.height());
        p.drawLine(k + size.height(), 0, k, size.height());
    }
    for (int x = 0; x < size.width(); x += 10)
        for (int y = 0; y < size.height(); y += 10)
            if ((x + y) % 20 == 10)
                p.fillRect(x, y, 1, 1, QColor(190, 198, 214));
}

// Input state marks: a signal trace over 15 columns, 'H' high and 'L' low,
// with an arrowhead on the one change of an edge mark.
void signalTrace(QPainter& p, std::string_view levels, bool edge)
{
    const QColor kInk = kStateInk;
    constexpr int kHigh = 2, kLow = 8;
    for (int i = 0; i < static_cast<int>(levels.size()); ++i) {
        const int x = 1 + i;
        p.fillRect(x, levels[i] == 'H' ? kHigh : kLow, 1, 1, kInk);
        if (i == 0 || levels[i] == levels[i - 1])
            continue;
        p.fillRect(x, kHigh, 1, kLow - kHigh + 1, kInk);
        if (!edge)
            continue;
        const int wingRow = levels[i] == 'H' ? 4 : 6; // rising: head up, falling: head down
        p.fillRect(x - 1, wingRow, 1, 1, kInk);
        p.fillRect(x + 1, wingRow, 1, 1, kInk);
        p.fillRect(x - 2, 5, 1, 1, kInk);
        p.fillRect(x + 2, 5, 1, 1, kInk);
    }
}

Drawing icon(int id, int side, void (*paint)(QPainter&, QSize))
{
    return {Kind::Icon, id, QSize(side, side), kTransparent, paint};
}

Drawing bitmap(int id, QSize size, std::function<void(QPainter&, QSize)> paint, const QColor& background = kMask)
{
    return {Kind::Bitmap, id, size, background, std::move(paint)};
}

std::vector<Drawing> buildTable()
{
    const QSize tool19(19, 19), tool20(20, 20);
    std::vector<Drawing> table = {
        icon(2, 32, centred<dataCopy>),
        icon(3, 16, centred<singleTable>),
        icon(6, 32, centred<folderClosed>),
        icon(6, 16, centred<folderClosed>),
        icon(7, 32, centred<redArrow>),
        icon(8, 32, centred<doubleChevron>),
        icon(8, 16, centred<doubleChevron>),
        icon(9, 32, centred<blueArrow>),
        icon(10, 16, centred<magnifier>),
        icon(11, 16, centred<gear>),
        icon(12, 16, centred<pencil>),
        icon(14, 32, centred<memo>),
        icon(15, 32, centred<pointingHand>),
        icon(16, 32, centred<greenArrow>),
        icon(16, 16, centred<greenArrow>),
        icon(17, 32, centred<swapArrows>),

        bitmap(101, tool19, centred<closeMark>),
        bitmap(104, tool19, centred<sliders>),
        bitmap(105, QSize(10, 14), helpMark, kWhite),
        bitmap(107, tool19, centred<folderOpen>),
        bitmap(108, QSize(20, 18), centred<printer>),
        bitmap(109, tool19, centred<disk>),
        bitmap(110, QSize(100, 100), backgroundTile),
        bitmap(111, tool19, centred<arrangeWindows>),
        bitmap(112, QSize(18, 14), resetArrow),
        bitmap(135, tool19, centred<gear>),
        bitmap(136, tool20, centred<copySheets>),
        bitmap(137, tool20, centred<pasteBoard>),
        bitmap(139, tool20, centred<insertRow>),
        bitmap(140, tool20, centred<disk>),
        bitmap(141, tool20, centred<newSheet>),
        bitmap(142, tool20, centred<folderOpen>),
        bitmap(143, tool20, centred<magnifier>),
        bitmap(144, tool20, centred<printer>),
        bitmap(145, tool20, centred<undoArrow>),
        bitmap(146, tool20, centred<memo>),
        bitmap(147, QSize(12, 14), [](QPainter& p, QSize) { differenceMark(p, true); }, kPureRed),
        bitmap(148, QSize(12, 14), [](QPainter& p, QSize) { differenceMark(p, false); }, kPureRed),
        bitmap(149, QSize(20, 18), [](QPainter& p, QSize) { eye(p, false); }),
        bitmap(150, QSize(20, 18), [](QPainter& p, QSize) { eye(p, true); }),
        bitmap(151, QSize(20, 22), differenceDelta),
        bitmap(158, tool20, centred<remark>),
        bitmap(160, tool19, centred<tableStack>),
        bitmap(161, tool19, centred<singleTable>),
        bitmap(162, tool19, centred<dataCopy>),
        bitmap(163, tool20, centred<scissors>),
        bitmap(164, tool19, centred<staircase>),
    };

    // Step grid marks: white cells with a glyph in the colour of its kind.
    const std::pair<std::string_view, bool> states[] = {
        {"LLLHHHHHHHHLLLL", false}, {"LLLLLLLHHHHHHHH", true}, {"HHHLLLLLLLLHHHH", false}, {"HHHHHHHLLLLLLLL", true}};
    int id = kFirstStateMark;
    for (const auto& state : states)
        table.push_back(bitmap(id++, QSize(17, 11), [state](QPainter& p, QSize) {
            signalTrace(p, state.first, state.second);
        }, kWhite));

    for (std::string_view word : {"LOW", "HIGH", "NOT", "JMP", "INC", "DEC", "SET", "CLR", "ADD", "SUB", "CALL", "RET"})
        table.push_back(bitmap(id++, QSize(27, 9), [=](QPainter& p, QSize size) {
            drawWord(p, (size.width() - wordWidth(word)) / 2, 1, word, kLogicInk);
        }, kWhite));

    // AND and OR olive, END magenta, the counter relations brown.
    const std::pair<const Glyph*, QColor> relations[] = {
        {&sign::And, kOlive},
        {&sign::Or, kOlive},
        {&sign::End, kMagenta},
        {&sign::GreaterEqual, kRelationBrown},
        {&sign::LessEqual, kRelationBrown},
        {&sign::Equal, kRelationBrown},
        {&sign::NotEqual, kRelationBrown},
        {&sign::Plus, kRelationBrown},
        {&sign::Minus, kRelationBrown}};
    for (const auto& [glyph, ink] : relations)
        table.push_back(bitmap(id++, QSize(9, 9), [glyph = glyph, ink = ink](QPainter& p, QSize) {
            drawGlyph(p, 1, 1, *glyph, ink);
        }, kWhite));
    return table;
}

} // namespace

const std::vector<Drawing>& drawings()
{
    static const std::vector<Drawing> table = buildTable();
    return table;
}

} // namespace pictures
