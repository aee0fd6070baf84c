#include "GridFile.h"

#include "GridData.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace platform::grid {

namespace {

constexpr quint32 kMagic = 0x51474C44; // "QGLD"
constexpr quint16 kVersion = 2;

// The largest grid file read: room for a full grid with its pictures, while a
// damaged or hostile file can't make the load take more memory than that.
constexpr int64_t kMaxFileBytes = int64_t(64) << 20;

// Guards against absurd sizes in a damaged file before anything is allocated.
constexpr qint32 kMaxCount = 1 << 20;

void writeOptional(QDataStream& out, const std::optional<uint32_t>& value)
{
    out << value.has_value() << static_cast<quint32>(value.value_or(0));
}

void readOptional(QDataStream& in, std::optional<uint32_t>& value)
{
    bool has = false;
    quint32 raw = 0;
    in >> has >> raw;
    value = has ? std::optional<uint32_t>(raw) : std::nullopt;
}

[[noreturn]] void badFormat()
{
    throw RuntimeError(errInvalidFileFormat, QStringLiteral("Invalid file format"));
}

// Qt reads a list by first reserving room for the count the stream gives, so a
// damaged count would take gigabytes before the file runs out. No list is read
// from the file: the font is kept as its description text, and cell data only
// as one of the plain types (those Qt reads without a count of elements).
bool isPlainType(int typeId)
{
    switch (typeId) {
    case QMetaType::UnknownType:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QChar:
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return true;
    default:
        return false;
    }
}

void writeData(QDataStream& out, const QVariant& data)
{
    if (!isPlainType(data.metaType().id()))
        throw RuntimeError(errInvalidPropertyValue,
                           QStringLiteral("A cell holds data of a type a grid file does not keep"));
    out << data;
}

// A variant begins with its type: it is looked at before Qt reads the rest.
void readData(QDataStream& in, QVariant& data)
{
    const QByteArray type = in.device()->peek(sizeof(quint32));
    if (type.size() != sizeof(quint32) || !isPlainType(static_cast<int>(qFromBigEndian<quint32>(type.constData()))))
        badFormat();
    in >> data;
}

void readFont(QDataStream& in, QFont& font)
{
    QString description;
    in >> description;
    if (in.status() != QDataStream::Ok || !font.fromString(description))
        badFormat();
}

} // namespace

// The private members of GridData are read and written field by field, so the
// order here is the file format.
struct GridFileAccess {
    static void write(QDataStream& out, const GridData& grid);
    static void read(QDataStream& in, GridData& grid);
};

void GridFile::save(const GridData& grid, const QString& fileName, Durability durability)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << kMagic << kVersion;
        GridFileAccess::write(out, grid);
    }
    if (durability == Durability::Scratch)
        replaceScratchFile(fileName, bytes);
    else
        replaceFile(fileName, bytes);
}

void GridFile::load(GridData& grid, const QString& fileName)
{
    // Only a regular file is read (a pipe would block the load for ever).
    const QByteArray bytes = readWholeFile(fileName, kMaxFileBytes);
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion)
        badFormat();
    GridFileAccess::read(in, grid);
    if (in.status() != QDataStream::Ok || !in.atEnd())
        badFormat();
}

void GridFileAccess::write(QDataStream& out, const GridData& grid)
{
    const GridData::State& s = grid.s_;
    out << qint32(s.cols) << qint32(s.rowHeights.size()) << qint32(s.fixedRows) << qint32(s.fixedCols);
    out << qint32(s.row) << qint32(s.col) << qint32(s.rowSel) << qint32(s.colSel);
    out << qint32(s.selectionMode) << qint32(s.editable) << qint32(s.allowUserResizing) << s.ownerDraw;
    out << quint32(s.backColor) << quint32(s.foreColor) << quint32(s.backColorFixed) << quint32(s.foreColorFixed)
        << quint32(s.backColorSel) << quint32(s.foreColorSel) << quint32(s.gridColor);
    out << s.font.toString() << s.comboList << s.formatString;
    for (const auto& col : s.colEntries)
        out << qint32(col.width) << col.hidden << qint32(col.data) << qint32(col.alignment) << col.comboList;
    for (size_t r = 0; r < s.rowHeights.size(); ++r) {
        out << qint32(s.rowHeights[r]);
        for (int32_t c = 0; c < s.cols; ++c) {
            const GridData::CellLook& look = grid.look(static_cast<int32_t>(r), c);
            out << grid.TextMatrix(static_cast<int32_t>(r), c);
            writeData(out, grid.CellData(static_cast<int32_t>(r), c));
            writeOptional(out, look.backColor);
            writeOptional(out, look.foreColor);
            out << look.font.name << look.font.size << qint8(look.font.bold) << qint8(look.font.italic)
                << qint8(look.font.underline) << qint32(look.alignment) << qint32(look.pictureAlignment)
                << !look.picture.isNull();
            if (!look.picture.isNull())
                out << look.picture;
        }
    }
}

void GridFileAccess::read(QDataStream& in, GridData& grid)
{
    GridData::State s;
    qint32 cols = 0, rows = 0, fixedRows = 0, fixedCols = 0;
    in >> cols >> rows >> fixedRows >> fixedCols;
    if (in.status() != QDataStream::Ok || cols < 0 || rows < 0 || cols > kMaxCount || rows > kMaxCount ||
        qint64(cols) * rows > kMaxCount * 16 || fixedRows < 0 || fixedRows > rows || fixedCols < 0 || fixedCols > cols)
        badFormat();
    s.cols = cols;
    s.fixedRows = fixedRows;
    s.fixedCols = fixedCols;
    qint32 row = 0, col = 0, rowSel = 0, colSel = 0, mode = 0, editable = 0, resizing = 0;
    in >> row >> col >> rowSel >> colSel >> mode >> editable >> resizing >> s.ownerDraw;
    s.row = row;
    s.col = col;
    s.rowSel = rowSel;
    s.colSel = colSel;
    s.selectionMode = mode == selByRow ? selByRow : selFree;
    s.editable = editable >= editNone && editable <= editKbdMouse ? editable : editNone;
    s.allowUserResizing = resizing;
    quint32 colors[7] = {};
    for (quint32& color : colors)
        in >> color;
    s.backColor = colors[0];
    s.foreColor = colors[1];
    s.backColorFixed = colors[2];
    s.foreColorFixed = colors[3];
    s.backColorSel = colors[4];
    s.foreColorSel = colors[5];
    s.gridColor = colors[6];
    readFont(in, s.font);
    in >> s.comboList >> s.formatString;
    s.colEntries.resize(static_cast<size_t>(cols));
    for (auto& entry : s.colEntries) {
        qint32 width = 0, data = 0, alignment = 0;
        in >> width >> entry.hidden >> data >> alignment >> entry.comboList;
        entry.width = width;
        entry.data = data;
        entry.alignment = alignment >= alignLeftTop && alignment <= alignGeneral ? alignment : alignGeneral;
        entry.parsedList = ComboList::parse(entry.comboList);
    }
    grid.s_ = std::move(s);
    grid.setRows(rows);
    for (int32_t r = 0; r < rows; ++r) {
        qint32 height = 0;
        in >> height;
        grid.s_.rowHeights[static_cast<size_t>(r)] = height;
        for (int32_t c = 0; c < cols; ++c) {
            GridData::ColEntry& column = grid.s_.colEntries[static_cast<size_t>(c)];
            GridData::CellLook look;
            QVariant data;
            qint8 bold = 0, italic = 0, underline = 0;
            qint32 alignment = 0, pictureAlignment = 0;
            bool hasPicture = false;
            in >> column.texts[static_cast<size_t>(r)];
            readData(in, data);
            readOptional(in, look.backColor);
            readOptional(in, look.foreColor);
            in >> look.font.name >> look.font.size >> bold >> italic >> underline >> alignment >> pictureAlignment >>
                hasPicture;
            look.font.bold = bold;
            look.font.italic = italic;
            look.font.underline = underline;
            look.alignment = alignment;
            look.pictureAlignment = pictureAlignment;
            if (hasPicture)
                in >> look.picture;
            if (in.status() != QDataStream::Ok)
                badFormat();
            if (data.isValid()) {
                if (column.cellData.empty())
                    column.cellData.resize(column.texts.size());
                column.cellData[static_cast<size_t>(r)] = std::move(data);
            }
            column.looks[static_cast<size_t>(r)] = grid.lookNumber(look);
        }
    }
    grid.keepCurrentCellInside();
}

} // namespace platform::grid
