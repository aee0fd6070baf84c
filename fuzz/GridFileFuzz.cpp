// The grid file reader on arbitrary bytes: the input is loaded as a saved grid
// (undo snapshots are such files). A file it takes must give a grid whose every
// cell can be read, and which saves to a file that loads again.

#include "FuzzSupport.h"

#include "platform/RuntimeError.h"
#include "platform/grid/GridData.h"
#include "platform/grid/GridFile.h"

#include <QGuiApplication>

#include <cstdlib>

namespace grid = platform::grid;

namespace {

// Reads everything a view would show of the grid.
void readEveryCell(const grid::GridData& data)
{
    for (int32_t row = 0; row < data.Rows(); ++row) {
        (void)data.RowHeight(row);
        for (int32_t col = 0; col < data.Cols(); ++col) {
            (void)data.TextDisplay(row, col);
            (void)data.ValueMatrix(row, col);
            (void)data.CellFont(row, col);
            (void)data.CellBackColor(row, col);
            (void)data.CellPicture(row, col);
            (void)data.editList(row, col);
        }
    }
    for (int32_t col = 0; col < data.Cols(); ++col)
        (void)data.colComboListParsed(col);
    // A grid whose rows or columns are all fixed has no current cell (-1);
    // any other must have it inside.
    const bool rowInside = data.Row() >= data.FixedRows() && data.Row() < data.Rows();
    const bool colInside = data.Col() >= data.FixedCols() && data.Col() < data.Cols();
    if (!(data.Row() == -1 || rowInside) || !(data.Col() == -1 || colInside))
        std::abort();
    if (rowInside && colInside) {
        (void)data.Text();
        (void)data.selection();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Pictures and fonts need a GUI application; nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = fuzzsupport::writeFile(
        QStringLiteral("fuzz.grid"), QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    grid::GridData loaded;
    try {
        grid::GridFile::load(loaded, file);
    } catch (const platform::RuntimeError&) {
        return 0; // not a grid file: refused, as it should be
    }
    readEveryCell(loaded);

    const QString again = fuzzsupport::writeFile(QStringLiteral("again.grid"), QByteArray());
    grid::GridFile::save(loaded, again);
    grid::GridData reloaded;
    grid::GridFile::load(reloaded, again); // throws (and so fails) when a saved grid does not load
    if (reloaded.Rows() != loaded.Rows() || reloaded.Cols() != loaded.Cols())
        std::abort();
    return 0;
}
