#include "datamodel/okuri/colclsOkuri.h"

#include "ScriptedUi.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <type_traits>
#include <vector>

using namespace Telva27;
using testsupport::scriptedUi;

namespace {

constexpr int kTable = 8192;
constexpr int kBlock = 128;

struct Row {
    int p1, p2, t1, t2, b;
};

// Sixteen rows with the edges of every field: P at 0 and 255, words at 0,
// 255/256 (byte order), 32767/32768 (sign bit) and 65535.
std::vector<Row> edgeRows()
{
    std::vector<Row> rows;
    const int words[] = {0, 1, 255, 256, 9999, 32767, 32768, 65535};
    for (int i = 0; i < 16; ++i)
        rows.push_back({i == 15 ? 255 : i, 255 - i, words[i % 8], words[(i + 3) % 8], words[(i + 5) % 8]});
    return rows;
}

// The record bytes written out by hand, little-endian words.
QByteArray record(const Row& r)
{
    QByteArray out;
    for (const int v : {r.p1, r.p2})
        out.append(static_cast<char>(v));
    for (const int v : {r.t1, r.t2, r.b}) {
        out.append(static_cast<char>(v & 0xFF));
        out.append(static_cast<char>((v >> 8) & 0xFF));
    }
    return out;
}

QByteArray block(const std::vector<Row>& rows)
{
    QByteArray out;
    for (const Row& r : rows)
        out += record(r);
    return out.leftJustified(kBlock, '\0');
}

// Tables whose every byte is non-zero and differs from its neighbours, so a
// write in the wrong place shows.
QByteArray image(int tables)
{
    QByteArray out(tables * kTable, '\0');
    for (int i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(1 + i % 251);
    return out;
}

QByteArray placed(QByteArray content, const std::vector<int>& positions, const QByteArray& bytes)
{
    for (const int p : positions)
        content.replace(p - 1, bytes.size(), bytes);
    return content;
}

class OkuriTest : public testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("new")) const { return QDir(dir.path()).filePath(name); }

    void writeFile(const QByteArray& content, const QString& name = QStringLiteral("new")) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    QByteArray readFile(const QString& name = QStringLiteral("new")) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void fill(colclsOkuri& table, const std::vector<Row>& rows)
    {
        table.ResetCollection();
        for (const Row& r : rows)
            table.Add(static_cast<uint8_t>(r.p1), static_cast<uint8_t>(r.p2), r.t1, r.t2, r.b);
    }

    static void expectRows(const colclsOkuri& table, const std::vector<Row>& rows)
    {
        ASSERT_EQ(table.Count(), static_cast<int32_t>(rows.size()));
        for (int i = 0; i < table.Count(); ++i) {
            const auto row = table.Item(i + 1);
            const Row& r = rows[static_cast<size_t>(i)];
            EXPECT_EQ(row->P1(), r.p1) << "row " << i + 1;
            EXPECT_EQ(row->P2(), r.p2) << "row " << i + 1;
            EXPECT_EQ(row->T1(), r.t1) << "row " << i + 1;
            EXPECT_EQ(row->T2(), r.t2) << "row " << i + 1;
            EXPECT_EQ(row->B(), r.b) << "row " << i + 1;
        }
    }

    // Exactly one error report, under that label and with that error number.
    static void expectReport(const QString& label, int code)
    {
        const auto& calls = scriptedUi().calls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].title, QStringLiteral("ERROR"));
        EXPECT_TRUE(calls[0].text.startsWith(label + "\r\n")) << calls[0].text.toStdString();
        EXPECT_TRUE(calls[0].text.contains(QStringLiteral("[ErrCode] %1\r\n").arg(code))) << calls[0].text.toStdString();
    }

    QTemporaryDir dir;
    colclsOkuri okuri;
};

} // namespace

TEST_F(OkuriTest, PitchCaptionsNameTheSixteenBands)
{
    const char* const captions[] = {"0.1 - 0.8", "0.9 - 1.6", "1.7 - 2.4",   "2.5 - 3.2",   "3.3 - 4.0",
                                    "4.1 - 4.8", "4.9 - 5.6", "5.7 - 6.4",   "6.5 - 7.2",   "7.3 - 8.0",
                                    "8.1 - 8.8", "8.9 - 9.6", "9.7 - 10.4", "10.5 - 11.2", "11.3 - 12.0",
                                    "12.1 - 12.7"};
    for (int row = 1; row <= 16; ++row)
        EXPECT_EQ(okuri.GetPitchCaption(row), QVariant(QString::fromLatin1(captions[row - 1]))) << row;
    for (const int row : {INT_MIN, -1, 0, 17})
        EXPECT_FALSE(okuri.GetPitchCaption(row).isValid()) << row;
}

TEST_F(OkuriTest, ReadTakesTheBlocksOfTheChosenTableInRecordOrder)
{
    std::vector<Row> y = edgeRows();
    std::reverse(y.begin(), y.end());
    const int table3 = 3 * kTable + 1;
    writeFile(placed(placed(image(8), {table3 + 512}, block(edgeRows())), {table3 + 640}, block(y)));

    ASSERT_TRUE(okuri.ReadData(path(), table3 + 512));
    expectRows(okuri, edgeRows());
    colclsOkuri okuriY;
    ASSERT_TRUE(okuriY.ReadData(path(), table3 + 640));
    expectRows(okuriY, y);
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(OkuriTest, RoundTripChangesOnlyTheTwoBlocks)
{
    const QByteArray before = image(1);
    writeFile(before);
    std::vector<Row> y = edgeRows();
    std::reverse(y.begin(), y.end());
    colclsOkuri okuriY;
    fill(okuri, edgeRows());
    fill(okuriY, y);

    ASSERT_TRUE(okuri.SaveData(eETB, path(), 1 + 512, eETB, 512));
    ASSERT_TRUE(okuriY.SaveData(eETB, path(), 1 + 640, eETB, 640));

    EXPECT_EQ(readFile(), placed(placed(before, {513}, block(edgeRows())), {641}, block(y)));
    colclsOkuri readX, readY;
    ASSERT_TRUE(readX.ReadData(path(), 513));
    ASSERT_TRUE(readY.ReadData(path(), 641));
    expectRows(readX, edgeRows());
    expectRows(readY, y);
}

TEST_F(OkuriTest, WordValuesAtTheEdgesOfTheirField)
{
    struct Case {
        int32_t written;
        int lo, hi;
        int32_t readBack;
    };
    const Case cases[] = {
        {0, 0x00, 0x00, 0},         {9999, 0x0F, 0x27, 9999},     {32767, 0xFF, 0x7F, 32767},
        {65535, 0xFF, 0xFF, 65535}, {-1, 0xFF, 0xFF, 65535},      {-32768, 0x00, 0x80, 32768},
    };
    for (const Case& c : cases) {
        writeFile(image(1));
        okuri.ResetCollection();
        okuri.Add(0, 255, c.written, c.written, c.written);
        ASSERT_TRUE(okuri.SaveData(eETB, path(), 513, eETB, 512)) << c.written;

        const QByteArray stored = readFile().mid(512, 8);
        const QByteArray lohi = QByteArray(1, static_cast<char>(c.lo)) + QByteArray(1, static_cast<char>(c.hi));
        EXPECT_EQ(stored, QByteArray::fromHex("00ff") + lohi + lohi + lohi) << c.written;
        ASSERT_TRUE(okuri.ReadData(path(), 513));
        std::vector<Row> expected(16, Row{0, 0, 0, 0, 0});
        expected[0] = {0, 255, c.readBack, c.readBack, c.readBack};
        expectRows(okuri, expected);
    }
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(OkuriTest, ShortTableWritesZeroRecordsForTheMissingRows)
{
    std::vector<Row> rows = edgeRows();
    rows.resize(10);
    writeFile(image(1));
    fill(okuri, rows);

    ASSERT_TRUE(okuri.SaveData(eETB, path(), 513, eETB, 512));

    EXPECT_EQ(readFile().mid(512, kBlock), block(rows)); // rows 11 to 16 all zero
    ASSERT_TRUE(okuri.ReadData(path(), 513));
    rows.resize(16, Row{0, 0, 0, 0, 0});
    expectRows(okuri, rows);
}

TEST_F(OkuriTest, SaveWritesTheBlocksTheFileKindsCallFor)
{
    struct Case {
        const char* name;
        ENUM_ETBSTG from, to;
        int tables;
        int32_t starting, offset;
        std::vector<int> positions;
    };
    const Case cases[] = {
        {"ETB->ETB", eETB, eETB, 1, 513, 512, {513}},
        {"STG->ETB", eSTG, eETB, 1, 641, 640, {641}},
        {"STG->STG writes only the chosen table", eSTG, eSTG, 8, 5 * kTable + 513, 512, {5 * kTable + 513}},
        {"ETB->STG writes every table", eETB, eSTG, 8, 641, 640,
         {641, kTable + 641, 2 * kTable + 641, 3 * kTable + 641, 4 * kTable + 641, 5 * kTable + 641,
          6 * kTable + 641, 7 * kTable + 641}},
    };
    fill(okuri, edgeRows());
    for (const Case& c : cases) {
        writeFile(image(c.tables));
        ASSERT_TRUE(okuri.SaveData(c.from, path(), c.starting, c.to, c.offset)) << c.name;
        EXPECT_EQ(readFile(), placed(image(c.tables), c.positions, block(edgeRows()))) << c.name;
    }
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(OkuriTest, ReadRefusesABlockItCannotReadWholeAndKeepsTheRows)
{
    struct Case {
        const char* name;
        int fileSize; // -1: no file
        int32_t position;
        int code;
    };
    const Case cases[] = {
        {"missing file", -1, 513, platform::errFileNotFound},
        {"file ends inside the block", 513 + 60, 513, platform::errInputPastEnd},
        {"file ends one byte short", 640 - 1, 513, platform::errInputPastEnd},
        {"file ends before the block", 512, 513, platform::errInputPastEnd},
        {"position below 1", kTable, 0, platform::errBadRecordNumber},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        if (c.fileSize >= 0)
            writeFile(image(1).left(c.fileSize));
        fill(okuri, {{1, 2, 3, 4, 5}});
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);

        EXPECT_FALSE(okuri.ReadData(path(), c.position));

        expectReport(QStringLiteral("ReadData"), c.code);
        expectRows(okuri, {{1, 2, 3, 4, 5}});
    }
    // A file that ends exactly with the block is whole.
    writeFile(image(1).left(640));
    EXPECT_TRUE(okuri.ReadData(path(), 513));
    EXPECT_EQ(okuri.Count(), 16);
}

// A kind outside the named values, as a caller may pass it, must be a value of
// the kind (storing it in an enum without a fixed type is undefined) so that
// the save can refuse it.
static_assert(std::is_same_v<std::underlying_type_t<ENUM_ETBSTG>, int32_t>);

TEST_F(OkuriTest, SaveRefusesToWriteOutsideTheBlockOrIntoNoFile)
{
    struct Case {
        const char* name;
        int fileSize; // -1: no file
        ENUM_ETBSTG from, to;
        int32_t starting, offset;
        int code;
    };
    const Case cases[] = {
        {"missing file", -1, eETB, eETB, 513, 512, platform::errFileNotFound},
        {"file ends inside the block", 600, eETB, eETB, 513, 512, platform::errBadRecordNumber},
        {"eight tables into a one-table file", kTable, eETB, eSTG, 513, 512, platform::errBadRecordNumber},
        {"offset running into the next table", 8 * kTable, eETB, eSTG, 513, kTable - 64, platform::errBadRecordNumber},
        {"negative offset", 8 * kTable, eETB, eSTG, 513, -1, platform::errBadRecordNumber},
        {"block across a table boundary", 8 * kTable, eSTG, eSTG, kTable - 63, 512, platform::errBadRecordNumber},
        {"position below 1", kTable, eETB, eETB, 0, 512, platform::errBadRecordNumber},
        {"unknown target kind", kTable, eETB, static_cast<ENUM_ETBSTG>(2), 513, 512, platform::errInvalidCall},
        {"unknown source kind", kTable, static_cast<ENUM_ETBSTG>(2), eETB, 513, 512, platform::errInvalidCall},
        {"negative kind", kTable, eSTG, static_cast<ENUM_ETBSTG>(-1), 513, 512, platform::errInvalidCall},
    };
    fill(okuri, edgeRows());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        const QByteArray before = image(8).left(std::max(c.fileSize, 0));
        if (c.fileSize >= 0)
            writeFile(before);
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);

        EXPECT_FALSE(okuri.SaveData(c.from, path(), c.starting, c.to, c.offset));

        expectReport(QStringLiteral("SaveData"), c.code);
        EXPECT_EQ(QFile::exists(path()), c.fileSize >= 0);
        EXPECT_EQ(readFile(), before);
    }
}

TEST_F(OkuriTest, SaveRefusesRowsTheBlockCannotHold)
{
    struct Case {
        const char* name;
        std::vector<Row> rows;
        int code;
    };
    std::vector<Row> seventeen = edgeRows();
    seventeen.push_back({1, 1, 1, 1, 1});
    const Case cases[] = {
        {"seventeen rows", seventeen, platform::errSubscript},
        {"T1 above 65535", {{0, 0, 65536, 0, 0}}, platform::errOverflow},
        {"T2 below -32768", {{0, 0, 0, -32769, 0}}, platform::errOverflow},
        {"B far out of range", {{0, 0, 0, 0, INT_MIN}}, platform::errOverflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(image(8));
        fill(okuri, c.rows);
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);

        EXPECT_FALSE(okuri.SaveData(eETB, path(), 513, eSTG, 512));

        expectReport(QStringLiteral("ConvertudtOkuri"), c.code);
        EXPECT_EQ(readFile(), image(8));
    }
}

TEST_F(OkuriTest, RowsAreAddressedByPosition)
{
    fill(okuri, {{1, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {3, 0, 0, 0, 0}});
    okuri.Remove(2);
    std::vector<int> order;
    for (const auto& row : okuri)
        order.push_back(row->P1());
    EXPECT_EQ(order, (std::vector<int>{1, 3}));
    for (const int position : {0, 3}) {
        try {
            okuri.Item(position);
            ADD_FAILURE() << position;
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::errSubscript);
        }
    }
    okuri.ResetCollection();
    EXPECT_EQ(okuri.Count(), 0);
}
