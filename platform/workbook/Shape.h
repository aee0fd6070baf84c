#pragma once
// A text box or a picture placed on a worksheet.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace platform::workbook {

struct Shape {
    enum Kind { TextBox, Picture };
    Kind kind = TextBox;
    // Where it stands, in points from the sheet's top left corner (a picture
    // takes the top left corner of the cell it was inserted at, plus its moves).
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    int32_t anchorRow = 1; // a picture's cell
    int32_t anchorColumn = 1;
    QString text;     // a text box's text
    double fontSize = 11;
    bool fillVisible = true;
    double fillTransparency = 0;
    bool lineVisible = true;
    QString picturePath; // a picture's file
    // A picture's content, read when it was inserted (the file may go away
    // before the workbook is saved), and the corner of its cell at that time:
    // a picture keeps its moves relative to its cell when widths change later.
    QByteArray pictureData;
    double anchorLeft = 0;
    double anchorTop = 0;
};

// The handle the reports hold on a shape they added: text through
// Characters, the font, fill and line, and moves in points.
class ShapeRef {
public:
    ShapeRef(Shape& shape) : shape_(&shape) {}

    // Characters(start).Text = text: replaces the text from the 1-based start to its end.
    void setCharacters(int32_t start, const QString& text);
    void setCharacters(const QString& text) { setCharacters(1, text); }
    void setFontSize(double size) { shape_->fontSize = size; }
    void setFillVisible(bool visible) { shape_->fillVisible = visible; }
    void setFillTransparency(double transparency) { shape_->fillTransparency = transparency; }
    void setLineVisible(bool visible) { shape_->lineVisible = visible; }
    void IncrementLeft(double points) { shape_->left += points; }
    void IncrementTop(double points) { shape_->top += points; }
    const Shape& shape() const { return *shape_; }

private:
    Shape* shape_;
};

} // namespace platform::workbook
