#include "datamodel/io/TableHeader.h"
#include "datamodel/parameters/colclsFunction.h"

#include "ScriptedUi.h"
#include "platform/RuntimeError.h"
#include "tests/platform/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace Telva27;
using testsupport::scriptedUi;

namespace {

constexpr int kTable = 8192;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

uint8_t at(const QByteArray& b, int i) { return static_cast<uint8_t>(b.at(i)); }

// A table with a readable header: table 3, flag set, version 0x1234, model "QX12".
QByteArray sampleTable(char fill = '\x11')
{
    QByteArray t(kTable, fill);
    t.replace(0, 12, bytes({0x83, 0x5A, 0x34, 0x12, 0, 0, 0, 0, 'Q', 'X', '1', '2'}));
    return t;
}

class TableFileTest : public testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    void writeFile(const QString& name, const QByteArray& content) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    QByteArray readFile(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::shared_ptr<clsDigital> add(const QString& name, int address, uint8_t bit, uint8_t dataRam,
                                    const QString& sMin = "0", const QString& advice = "-")
    {
        if (!model.Contains("G"))
            model.Add("G", "NORMAL");
        return model.Item("G")->Items()->Add("K", name, "NUMBER", "", sMin, "9", advice, QString::number(address),
                                             bit, dataRam);
    }

    // The byte, word and two bit fields sharing a byte that most tests use.
    void addStandardModel()
    {
        add("Byte", 100, 0, 1);
        add("Word", 200, 0, 2);
        add("Low", 300, 0x0F, 1);
        add("High", 300, 0x30, 1);
    }

    std::shared_ptr<clsDigital> item(const QString& name) { return model.Item("G")->Items()->Item(name); }

    bool save(ENUM_ETBSTG from, ENUM_ETBSTG to, int start = 1, const QString& current = "cur")
    {
        return model.SaveData(from, path("new"), start, to, path(current));
    }

    static void expectBoxes(const std::vector<QString>& expected)
    {
        const auto& calls = scriptedUi().calls();
        ASSERT_EQ(calls.size(), expected.size());
        for (size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].title == QStringLiteral("ERROR"))
                EXPECT_TRUE(calls[i].text.startsWith(expected[i] + "\r\n")) << calls[i].text.toStdString();
            else
                EXPECT_EQ(calls[i].text, expected[i]);
        }
    }

    static void answerBoxes(int count)
    {
        for (int i = 0; i < count; ++i)
            scriptedUi().answerMessageBox(platform::vbOK);
    }

    QTemporaryDir dir;
    colclsFunction model;
};

} // namespace

// ---- header ----------------------------------------------------------------

TEST_F(TableFileTest, HeaderIsReadFromUserTablesOnlyAndWrittenBack)
{
    QByteArray table = sampleTable();
    table[0] = static_cast<char>(0x85);
    table[2] = static_cast<char>(0xFE);
    table[3] = static_cast<char>(0xFF);
    writeFile("cur", table);

    ASSERT_TRUE(model.ReadData(eSTD, path("cur"), 1, ""));
    EXPECT_EQ(model.SettingTableNo(), 0); // a factory table leaves the header alone
    EXPECT_EQ(model.KishuName(), QString());

    ASSERT_TRUE(model.ReadData(eUSR, path("cur"), 1, ""));
    EXPECT_EQ(model.SettingTableNo(), 5);
    EXPECT_TRUE(model.tableFlag());
    EXPECT_EQ(model.DataVersion(), -2);
    EXPECT_EQ(model.KishuName(), QStringLiteral("QX12"));

    ASSERT_TRUE(save(eETB, eETB));
    const QByteArray written = readFile("new");
    ASSERT_EQ(written.size(), kTable);
    EXPECT_EQ(written.left(12), bytes({0x85, 0x5A, 0xFE, 0xFF, 26, 33, 1, 2, 'Q', 'X', '1', '2'}));
    EXPECT_EQ(written.mid(12), table.mid(12));
}

TEST_F(TableFileTest, OneTableCopiedIntoEightNumbersTheTables)
{
    writeFile("cur", sampleTable());
    ASSERT_TRUE(model.ReadData(eUSR, path("cur"), 1, ""));
    model.setSettingTableNo(9);
    ASSERT_TRUE(save(eETB, eSTG));

    const QByteArray written = readFile("new");
    ASSERT_EQ(written.size(), 8 * kTable);
    const int expected[8] = {0x00, 0x81, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(at(written, i * kTable), expected[i]) << "table " << i;
        EXPECT_EQ(written.mid(i * kTable + 1, kTable - 1), written.mid(1, kTable - 1)) << "table " << i;
    }
}

TEST_F(TableFileTest, EightTableSourcesKeepTheOtherTables)
{
    QByteArray eight;
    for (int i = 0; i < 8; ++i)
        eight += sampleTable(static_cast<char>(0x20 + i));
    writeFile("cur", eight);
    addStandardModel();
    ASSERT_TRUE(model.ReadData(eUSR, path("cur"), kTable + 1, ""));
    item("Byte")->setUserValue(0x77);

    ASSERT_TRUE(save(eSTG, eSTG, kTable + 1));
    QByteArray expected = eight;
    expected[kTable + 4] = 26; // the name codes of table 1
    expected[kTable + 5] = 33;
    expected[kTable + 6] = 1;
    expected[kTable + 7] = 2;
    expected[kTable + 100] = 0x77;
    EXPECT_EQ(readFile("new"), expected);

    // One table taken out of an eight-table file becomes table 0 without the flag.
    ASSERT_TRUE(save(eSTG, eETB, 1));
    const QByteArray one = readFile("new");
    ASSERT_EQ(one.size(), kTable);
    EXPECT_EQ(at(one, 0), 0);
    EXPECT_EQ(at(one, 100), 0x77);
    EXPECT_EQ(at(one, 12), 0x20);
}

TEST(TableHeader, ModelNameBytesAndCodes)
{
    const struct {
        QString name;
        QByteArray offsets4to12; // 0xEE: the byte the table held
        bool ok;
    } cases[] = {
        {"AB12", bytes({10, 11, 1, 2, 'A', 'B', '1', '2', 0xEE}), true},
        // A shorter name replaces the whole field: nothing of the old one stays.
        {"A", bytes({10, 0, 0, 0, 'A', 0, 0, 0, 0xEE}), true},
        {QString("AB") + QChar(0) + QChar(0), bytes({10, 11, 0, 0, 'A', 'B', 0, 0, 0xEE}), true},
        {"", bytes({0, 0, 0, 0, 0, 0, 0, 0, 0xEE}), true},
        {"ABCDEF", bytes({10, 11, 12, 13, 'A', 'B', 'C', 'D', 0xEE}), true},
        {" Z ", bytes({35, 0, 0, 0, ' ', 'Z', ' ', 0, 0xEE}), true},
        // A blank inside the name has no code; what came before it stays written.
        {"A B", bytes({10, 0xEE, 0xEE, 0xEE, 'A', ' ', 'B', 0, 0xEE}), false},
    };
    for (const auto& c : cases) {
        QByteArray table(kTable, '\xEE');
        TableHeader header;
        header.kishuName = c.name;
        if (c.ok)
            EXPECT_NO_THROW(header.encode(table, 1, false)) << c.name.toStdString();
        else
            EXPECT_THROW(header.encode(table, 1, false), platform::RuntimeError) << c.name.toStdString();
        EXPECT_EQ(table.mid(4, 9), c.offsets4to12) << c.name.toStdString();
        EXPECT_EQ(at(table, 1), 0xEE);
    }
}

TEST_F(TableFileTest, ZeroPaddedModelNameCanBeSavedAgain)
{
    QByteArray table = sampleTable();
    table.replace(4, 8, bytes({10, 11, 0, 0, 'A', 'B', 0, 0}));
    writeFile("cur", table);
    ASSERT_TRUE(model.ReadData(eUSR, path("cur"), 1, ""));
    EXPECT_EQ(model.KishuName(), QString("AB") + QChar(0) + QChar(0)); // kept as stored

    ASSERT_TRUE(save(eETB, eETB));
    EXPECT_EQ(readFile("new"), table);
}

// ---- parameter values --------------------------------------------------------

TEST_F(TableFileTest, ValuesAreReadAndMergedIntoTheSourceImage)
{
    addStandardModel();
    add("Header", 9, 0, 1); // a byte inside the header overrides it
    QByteArray table = sampleTable();
    table.replace(100, 1, bytes({0xC8}));
    table.replace(200, 2, bytes({0xFF, 0xFF}));
    table[300] = static_cast<char>(0xFF);
    writeFile("cur", table);

    ASSERT_TRUE(model.ReadData(eUSR, path("cur"), 1, ""));
    EXPECT_EQ(item("Byte")->UserValue(), 200);
    EXPECT_EQ(item("Word")->UserValue(), 65535);
    EXPECT_EQ(item("Low")->UserValue(), 15);
    EXPECT_EQ(item("High")->UserValue(), 3);
    EXPECT_EQ(item("Header")->UserValue(), 'X');

    item("Byte")->setUserValue(7);
    item("Word")->setUserValue(-1);
    item("Low")->setUserValue(5);
    item("High")->setUserValue(2);
    item("Header")->setUserValue('Y');
    ASSERT_TRUE(save(eETB, eETB));
    const QByteArray written = readFile("new");
    EXPECT_EQ(at(written, 100), 7);
    EXPECT_EQ(written.mid(200, 2), bytes({0xFF, 0xFF}));
    EXPECT_EQ(at(written, 300), 0xE5); // bits 6-7 kept from the source
    EXPECT_EQ(at(written, 9), 'Y');

    item("Word")->setUserValue(0x1234);
    ASSERT_TRUE(save(eETB, eETB));
    EXPECT_EQ(readFile("new").mid(200, 2), bytes({0x34, 0x12}));
    ASSERT_TRUE(model.ReadData(eSTD, path("new"), 1, ""));
    EXPECT_EQ(item("Word")->StdValue(), 0x1234);
    EXPECT_EQ(item("Word")->UserValue(), 0x1234);
}

TEST_F(TableFileTest, LimitsComeFromTheLastTableRead)
{
    add("Speed", 50, 0, 1, "L_SPEED_MIN", "40,41,Lowest speed");
    QByteArray factory = sampleTable();
    factory.replace(40, 2, bytes({3, 40}));
    QByteArray user = sampleTable();
    user.replace(40, 2, bytes({5, 0}));
    writeFile("std", factory);
    writeFile("usr", user);

    ASSERT_TRUE(model.ReadData(eSTD, path("std"), 1, ""));
    EXPECT_EQ(item("Speed")->Min(), QStringLiteral("300"));
    EXPECT_EQ(item("Speed")->Max(), QStringLiteral("3999"));
    ASSERT_TRUE(model.ReadData(eUSR, path("usr"), 1, ""));
    EXPECT_EQ(item("Speed")->Min(), QStringLiteral("500"));
    EXPECT_EQ(item("Speed")->Max(), QStringLiteral("-1"));
}

TEST_F(TableFileTest, ValuesThatDoNotFitFailTheSave)
{
    const struct {
        const char* parameter;
        int32_t value;
        const char* label;
    } cases[] = {
        {"High", 16, "GetBytesFrombufData"}, // 256 doesn't fit a byte
        {"High", 5, "GetBytesFrombufData"},  // would spill into bit 6
        {"Low", -1, "GetBytesFrombufData"},
        {"Byte", 256, "SavePrgTable"},
        {"Word", 65536, "SavePrgTable"},
        {"Word", -32769, "SavePrgTable"},
    };
    addStandardModel();
    writeFile("cur", sampleTable());
    for (const auto& c : cases) {
        scriptedUi().clearCalls();
        ASSERT_TRUE(model.ReadData(eUSR, path("cur"), 1, ""));
        item(c.parameter)->setUserValue(c.value);
        answerBoxes(1);
        EXPECT_FALSE(save(eETB, eETB)) << c.parameter << " " << c.value;
        expectBoxes({c.label});
    }
    // A word that fails is written after the image and the header.
    EXPECT_EQ(readFile("new").left(12), bytes({0x83, 0x5A, 0x34, 0x12, 26, 33, 1, 2, 'Q', 'X', '1', '2'}));
}

TEST_F(TableFileTest, AddressesOutsideTheTableFailTheReadAndTheSave)
{
    const struct {
        int address;
        uint8_t bit, dataRam;
        bool ok;
    } cases[] = {
        {8191, 0, 1, true}, {8190, 0, 2, true}, {8191, 0x80, 1, true},
        {8192, 0, 1, false}, {8191, 0, 2, false}, {8192, 0x01, 1, false}, {8192, 0, 0, false},
    };
    writeFile("cur", sampleTable());
    for (const auto& c : cases) {
        scriptedUi().clearCalls();
        colclsDigital& items = *model.Add(QString::number(model.Count()), "")->Items();
        items.Add("K", "P", "NUMBER", "", "0", "9", "-", QString::number(c.address), c.bit, c.dataRam);
        answerBoxes(c.ok ? 0 : 2);
        EXPECT_EQ(model.ReadData(eUSR, path("cur"), 1, ""), c.ok) << c.address;
        EXPECT_EQ(save(eETB, eETB), c.ok) << c.address;
        if (c.ok)
            EXPECT_EQ(readFile("new").size(), kTable);
        else
            expectBoxes({"ReadData", "ResetMyPart"});
        model.Remove(model.Count());
    }

    scriptedUi().clearCalls();
    add("Limited", 10, 0, 1, "H_SPEED_MIN", "0,9000,too far");
    answerBoxes(1);
    EXPECT_FALSE(model.ReadData(eSTD, path("cur"), 1, ""));
    expectBoxes({"ReadData"});
}

// ---- refusals and the source file ------------------------------------------

TEST_F(TableFileTest, AllZeroSourcesAreRefused)
{
    QByteArray eight(8 * kTable, '\0');
    eight[5] = 1; // only table 0 holds anything
    const struct {
        ENUM_ETBSTG from, to;
        int start;
        QByteArray current; // empty: no current file
        const char* message;
    } cases[] = {
        {eETB, eETB, 1, {}, "ETB->ETB Read failure (SaveData) ERR: buf1Table is all zero."},
        {eSTG, eETB, kTable + 1, eight, "ETB->ETB Read failure (SaveData) ERR: buf1Table is all zero."},
        {eSTG, eSTG, 1, QByteArray(100, '\0'), "STG->STG Read failure (SaveData) ERR: buf8Table is all zero."},
        {eSTG, eSTG, kTable + 1, eight, "STG->STG Read failure (SaveData) ERR: buf1Table is all zero."},
        {eETB, eSTG, 1, QByteArray(kTable / 2, '\0'), "ETB->STG Read failure (SaveData) ERR: buf1Table is all zero."},
    };
    for (const auto& c : cases) {
        scriptedUi().clearCalls();
        QFile::remove(path("cur"));
        if (!c.current.isEmpty())
            writeFile("cur", c.current);
        answerBoxes(1);
        EXPECT_FALSE(save(c.from, c.to, c.start)) << c.message;
        expectBoxes({c.message});
        EXPECT_EQ(scriptedUi().calls().front().title, QStringLiteral("Telva27"));
        EXPECT_EQ(scriptedUi().calls().front().style, platform::vbCritical | platform::vbOKOnly);
        EXPECT_EQ(QFileInfo::exists(path("cur")), !c.current.isEmpty()); // never created
        EXPECT_EQ(readFile("cur"), c.current);
    }

    // A source that cannot be read at all is refused the same way.
    writeFile("cur", sampleTable());
    scriptedUi().clearCalls();
    answerBoxes(3);
    EXPECT_FALSE(save(eETB, eETB, 0));
    expectBoxes({"GetOriginalByte", "ValidArray", "ETB->ETB Read failure (SaveData) ERR: buf1Table is all zero."});
}

TEST_F(TableFileTest, SaveChangesOnlyTheModelsBytes)
{
    std::mt19937 random(27);
    QByteArray source(kTable, '\0');
    for (char& b : source)
        b = static_cast<char>(random() & 0xFF);
    source.replace(8, 4, "QX12");
    writeFile("cur", source);
    addStandardModel();
    add("Other", 8000, 0, 0); // no storage of its own: its byte is cleared
    ASSERT_TRUE(model.ReadData(eUSR, path("cur"), 1, ""));
    item("Byte")->setUserValue(1);
    item("Word")->setUserValue(0xBEEF);
    item("Low")->setUserValue(9);
    item("High")->setUserValue(1);

    ASSERT_TRUE(save(eETB, eETB));
    EXPECT_EQ(readFile("cur"), source);
    const QByteArray written = readFile("new");
    ASSERT_EQ(written.size(), kTable);
    const std::set<int> owned = {4, 5, 6, 7, 100, 200, 201, 300, 8000};
    for (int i = 0; i < kTable; ++i) {
        if (!owned.count(i)) {
            ASSERT_EQ(at(written, i), at(source, i)) << "offset " << i;
        }
    }
    EXPECT_EQ(written.mid(4, 4), bytes({26, 33, 1, 2}));
    EXPECT_EQ(at(written, 100), 1);
    EXPECT_EQ(written.mid(200, 2), bytes({0xEF, 0xBE}));
    EXPECT_EQ(at(written, 300), (at(source, 300) & 0xC0) | 0x19);
    EXPECT_EQ(at(written, 8000), 0);

    // The source is read before the new file is made, so a save in place works.
    ASSERT_TRUE(model.SaveData(eETB, path("new"), 1, eETB, path("new")));
    EXPECT_EQ(readFile("new"), written);
}

// ---- SEK companion -----------------------------------------------------------

TEST_F(TableFileTest, SekBufferIsWrittenBesideEverySave)
{
    writeFile("cur", sampleTable());
    ASSERT_TRUE(save(eETB, eETB));
    EXPECT_TRUE(QFileInfo::exists(path("sek.tmp"))); // written even before any SEK read
    EXPECT_EQ(readFile("sek.tmp"), QByteArray());

    writeFile("a.sek", QByteArray("\x01\x02\x00\x03", 4));
    model.ReadSEK(path("a.sek"));
    ASSERT_TRUE(save(eETB, eETB));
    EXPECT_EQ(readFile("sek.tmp"), QByteArray("\x01\x02\x00\x03", 4));

    // A factory read never touches the SEK buffer, whatever it is given.
    ASSERT_TRUE(model.ReadData(eSTD, path("cur"), 1, path("missing.sek")));
    EXPECT_EQ(model.sekBuffer().size(), 4);

    writeFile("empty.sek", {});
    ASSERT_TRUE(model.ReadData(eUSR, path("cur"), 1, path("empty.sek")));
    EXPECT_TRUE(model.sekBuffer().isEmpty());
    ASSERT_TRUE(save(eETB, eETB));
    EXPECT_EQ(readFile("sek.tmp"), QByteArray());
}

TEST_F(TableFileTest, UnreadableSekFailsTheUserRead)
{
    addStandardModel();
    writeFile("cur", sampleTable());
    writeFile("a.sek", "SEK");
    model.ReadSEK(path("a.sek"));
    item("Byte")->setUserValue(42);

    answerBoxes(2);
    EXPECT_FALSE(model.ReadData(eUSR, path("cur"), 1, path("missing.sek")));
    model.ReadSEK(path("missing.sek"));
    expectBoxes({"ReadSEK", "ReadSEK"});
    EXPECT_EQ(model.sekBuffer(), QByteArray("SEK"));
    EXPECT_EQ(item("Byte")->UserValue(), 42); // nothing of that table was taken
    EXPECT_EQ(model.KishuName(), QString());
}

TEST_F(TableFileTest, WhatIsNoTableOrSekFileIsRefusedAtOnce)
{
    using testsupport::Standing;
    addStandardModel();
    writeFile("a.sek", "SEK");
    model.ReadSEK(path("a.sek"));
    // One byte more than eight tables is no table file.
    writeFile("long.stg", QByteArray(8 * kTable + 1, '\x11'));
    answerBoxes(1);
    EXPECT_FALSE(model.ReadData(eSTD, path("long.stg"), 1, QString()));

    for (const Standing what : {Standing::Fifo, Standing::Folder, Standing::HugeFile}) {
        SCOPED_TRACE(testsupport::nameOf(what));
        answerBoxes(2);
        {
            const testsupport::StandIn table(path("bad.stg"), what);
            EXPECT_FALSE(model.ReadData(eSTD, path("bad.stg"), 1, QString()));
            table.expectRefusedAtOnce();
        }
        {
            const testsupport::StandIn sek(path("bad.sek"), what);
            model.ReadSEK(path("bad.sek"));
            sek.expectRefusedAtOnce();
        }
    }
    expectBoxes({"ReadData", "ReadData", "ReadSEK", "ReadData", "ReadSEK", "ReadData", "ReadSEK"});
    for (const auto& call : scriptedUi().calls())
        EXPECT_TRUE(call.text.contains("[ErrCode] 75")) << call.text.toStdString();
    EXPECT_EQ(model.sekBuffer(), QByteArray("SEK"));
    EXPECT_EQ(item("Byte")->StdValue(), 0);
}
