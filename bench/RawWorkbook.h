#pragma once
// The baseline of the report benchmarks: the workbook a report made, written
// again with plain libxlsxwriter calls.
//
// What to write (cells with their values and formats, column widths, row
// heights, pictures, the memo area, the page setup) is taken from a finished
// report's worksheet before the timing starts, so the timed write is the
// library's own work: a new workbook, its formats, columns, rows, cells,
// pictures inserted from their files, closing it. The suite saves a report in
// its private working folder and then replaces the target whole with those
// bytes (a new file beside the target, written, synced to disk, renamed over
// it, the folder synced); the baseline ends with that same replacement, so
// both pay for it.

#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::workbook {
class Worksheet;
struct ResolvedStyle;
}

namespace benchsupport {

class RawWorkbook {
public:
    explicit RawWorkbook(const platform::workbook::Worksheet& sheet);

    // Writes the workbook as workFile (in a private folder), then replaces
    // target with its bytes. False when any step fails.
    bool write(const QString& workFile, const QString& target) const;

    std::size_t cellCount() const { return cells_.size(); }
    std::size_t pictureCount() const { return pictures_.size(); }

private:
    // A cell format in the library's own terms; -1 stands for "not set".
    struct Format {
        std::string fontName;
        double fontSize = 0;
        bool bold = false;
        bool italic = false;
        bool wrap = false;
        int64_t fontColor = -1;
        uint8_t align = 0;
        uint8_t verticalAlign = 0;
        uint8_t pattern = 0;
        int64_t foreground = -1;
        int64_t background = -1;
        uint8_t border[4] = {}; // left, top, right, bottom
        int64_t borderColor[4] = {-1, -1, -1, -1};
        bool operator==(const Format&) const = default;
    };
    struct Cell {
        uint32_t row;
        uint16_t column;
        enum Kind : uint8_t { Blank, Boolean, Number, Text } kind;
        int32_t format;
        double number;
        std::string text;
    };
    struct Columns {
        uint16_t first;
        uint16_t last;
        double width;
        int32_t format;
    };
    struct Row {
        uint32_t row;
        double height;
        int32_t format;
    };
    struct Picture {
        uint32_t row;
        uint16_t column;
        int32_t x;
        int32_t y;
        std::string file;
        std::string description;
    };
    struct Merge {
        uint32_t top;
        uint16_t left;
        uint32_t bottom;
        uint16_t right;
        std::string text;
        int32_t format;
    };

    int32_t formatOf(const platform::workbook::ResolvedStyle& style);
    void recordColumns(const platform::workbook::Worksheet& sheet);
    void recordRows(const platform::workbook::Worksheet& sheet);
    void recordCells(const platform::workbook::Worksheet& sheet);
    void recordShapes(const platform::workbook::Worksheet& sheet);

    std::string name_;
    std::vector<Format> formats_;
    std::map<std::string, int32_t> formatKeys_; // resolved style -> index in formats_
    std::vector<Columns> columns_;
    std::optional<double> defaultRowHeight_;
    std::vector<Row> rows_;
    std::vector<Cell> cells_;
    std::vector<Picture> pictures_;
    std::vector<Merge> merges_;
    bool hideGridlines_ = false;
    bool landscape_ = false;
    int32_t scale_ = 100;
    double margins_[6] = {}; // left, right, top, bottom, header, footer (inches)
    std::string header_;
    std::string footer_;
    uint32_t selection_[4] = {}; // first row, first column, last row, last column
};

} // namespace benchsupport
