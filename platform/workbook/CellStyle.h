#pragma once
// What a range operation sets on cells. Every field is optional: a style is a
// set of changes, laid over the sheet's, then the column's or row's, then the
// cell's own, later changes winning.

#include <QString>
#include <optional>

namespace platform::workbook {

// One side of a cell.
struct BorderLine {
    int32_t weight = 0;       // an XlBorderWeight; 0 = none
    int32_t colorIndex = -4105; // automatic
};

struct CellStyle {
    std::optional<double> fontSize;
    std::optional<QString> fontName;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<int32_t> fontColorIndex;
    std::optional<int32_t> horizontalAlignment;
    std::optional<int32_t> verticalAlignment;
    std::optional<bool> wrapText;
    std::optional<int32_t> interiorColorIndex;
    std::optional<int32_t> pattern;
    std::optional<int32_t> patternColorIndex;
    std::optional<BorderLine> left;
    std::optional<BorderLine> top;
    std::optional<BorderLine> right;
    std::optional<BorderLine> bottom;

    // Lays the other's set fields over this one's.
    void apply(const CellStyle& other);
};

// The effective style's values with the application's defaults filled in.
struct ResolvedStyle {
    double fontSize = 11;
    QString fontName = QStringLiteral("Calibri");
    bool bold = false;
    bool italic = false;
    int32_t fontColorIndex = -4105;
    int32_t horizontalAlignment = 1; // general
    int32_t verticalAlignment = -4107; // bottom
    bool wrapText = false;
    int32_t interiorColorIndex = -4142; // none
    int32_t pattern = -4142;            // none
    int32_t patternColorIndex = -4105;
    BorderLine left, top, right, bottom;

    static ResolvedStyle from(const CellStyle& style);
};

// The RGB (0xRRGGBB) of one of the 56 colours of the application's default
// palette (1 black, 2 white, 15 silver...); nullopt for automatic, none and
// out-of-range indices.
std::optional<uint32_t> paletteColor(int32_t colorIndex);

} // namespace platform::workbook
