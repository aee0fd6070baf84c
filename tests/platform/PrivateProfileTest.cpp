#include "platform/PrivateProfile.h"

#include "TestFiles.h"
#include "platform/Cp932.h"
#include "platform/RuntimeError.h"
#include "tests/platform/SpecialFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace profile = platform::profile;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

constexpr int32_t kIntSentinel = 582931;
const QString kTextSentinel = QStringLiteral("????????");

// A file in the shapes found in the wild: comments, blanks around names and
// values, quotes, mixed line ends, a repeated key and a repeated section.
class PrivateProfileRead : public testing::Test {
protected:
    void SetUp() override
    {
        writeFile(path, "; options\r\n"
                       "[Main]\r\n"
                       "Count = 42 apples\r\n"
                       "Neg=-17\n"
                       "Hex=0x1F\n"
                       "Big=4294967297\n"
                       "Word=apples\r\n"
                       "Empty=\r\n"
                       ";Commented=9\r\n"
                       "Quoted = \"  spaced  \"\r\n"
                       "Single='x'\r\n"
                       "Lone=\"\r\n"
                       "  Spaced Key  =  value with blanks   \r\n"
                       "Dup=first\r\n"
                       "Dup=second\r\n"
                       "  [ Other ]  \r\n"
                       "Count=7\r\n"
                       "[main]\r\n"
                       "Late=1");
    }

    QTemporaryDir dir;
    QString path = dir.filePath("opt.ini");
};

} // namespace

TEST_F(PrivateProfileRead, IntegersAsTheSystemReadThem)
{
    struct Case {
        const char* section;
        const char* key;
        int32_t expected;
    };
    const Case cases[] = {
        {"Main", "Count", 42},          // trailing words ignored
        {"MAIN", "count", 42},          // names compared without ASCII case
        {"Main", "Neg", -17},
        {"Main", "Hex", 31},
        {"Main", "Big", 1},             // wraps modulo 2^32 like the system
        {"Main", "Word", 0},            // present but not a number
        {"Main", "Empty", kIntSentinel},
        {"Main", "Commented", kIntSentinel},
        {"Main", "Missing", kIntSentinel},
        {"Other", "Count", 7},
        {"Nowhere", "Count", kIntSentinel},
        {"Main", "Late", kIntSentinel}, // only the first section of a name counts
    };
    for (const Case& c : cases)
        EXPECT_EQ(profile::getInt(c.section, c.key, kIntSentinel, path), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(profile::getInt("Main", "Count", kIntSentinel, dir.filePath("none.ini")), kIntSentinel);
}

TEST_F(PrivateProfileRead, TextsTrimmedUnquotedOrDefault)
{
    struct Case {
        const char* section;
        const char* key;
        QString expected;
    };
    const Case cases[] = {
        {"Main", "Quoted", "  spaced  "},
        {"Main", "Single", "x"},
        {"Main", "Lone", "\""},
        {"main", "spaced key", "value with blanks"},
        {"Main", "Empty", ""}, // present but empty is not missing
        {"Main", "Dup", "first"},
        {"Main", "Missing", kTextSentinel},
        {"Nowhere", "Count", kTextSentinel},
        {"Main", "Late", kTextSentinel},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profile::getString(c.section, c.key, kTextSentinel, 2560, path), c.expected)
            << c.section << "/" << c.key;
    EXPECT_EQ(profile::getString("Main", "Count", kTextSentinel, 2560, dir.filePath("none.ini")), kTextSentinel);
}

TEST(PrivateProfile, TextIsCutToTheCallersBuffer)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.ini");
    const QString ascii(3000, u'a');
    const QString kanji(2000, QChar(0x3042)); // two CP932 bytes each
    ASSERT_TRUE(profile::writeString("S", "Ascii", ascii, path));
    ASSERT_TRUE(profile::writeString("S", "Kanji", kanji, path));

    EXPECT_EQ(profile::getString("S", "Ascii", kTextSentinel, 2560, path), ascii.left(2559));
    // The buffer counts ANSI bytes; a double-byte character is never split.
    EXPECT_EQ(profile::getString("S", "Kanji", kTextSentinel, 2560, path), kanji.left(1279));
    EXPECT_EQ(profile::getString("S", "Missing", kTextSentinel, 5, path), "????");
}

TEST(PrivateProfile, WriteCreatesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new.ini");
    ASSERT_TRUE(profile::writeString("Main", "Key", QString::fromUtf8("日本"), path));
    EXPECT_EQ(readFile(path), "[Main]\r\nKey=" + platform::cp932::encode(QString::fromUtf8("日本")) + "\r\n");
    EXPECT_EQ(profile::getString("main", "KEY", kTextSentinel, 256, path), QString::fromUtf8("日本"));
}

TEST(PrivateProfile, WriteChangesOnlyItsOwnLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.ini");
    writeFile(path, "; settings\n[Main]\r\nCount=1\r\n; note\r\nName = old \r\n\r\n[Other]\nCount=2\n; tail");

    struct Step {
        const char* section;
        const char* key;
        const char* value;
        QByteArray expected;
    };
    const Step steps[] = {
        {"MAIN", "count", "5", // in place, the file's spelling of the key kept
         "; settings\n[Main]\r\nCount=5\r\n; note\r\nName = old \r\n\r\n[Other]\nCount=2\n; tail"},
        {"main", "Added", "x", // after the section's last key, before its blank line
         "; settings\n[Main]\r\nCount=5\r\n; note\r\nName = old \r\nAdded=x\r\n\r\n[Other]\nCount=2\n; tail"},
        {"Other", "New", "y", // before the trailing comment
         "; settings\n[Main]\r\nCount=5\r\n; note\r\nName = old \r\nAdded=x\r\n\r\n[Other]\nCount=2\nNew=y\r\n; tail"},
        {"Third", "K", "z", // a new section at the end; the unterminated last line gets an end
         "; settings\n[Main]\r\nCount=5\r\n; note\r\nName = old \r\nAdded=x\r\n\r\n[Other]\nCount=2\nNew=y\r\n; tail\r\n"
         "[Third]\r\nK=z\r\n"},
    };
    for (const Step& s : steps) {
        ASSERT_TRUE(profile::writeString(s.section, s.key, s.value, path)) << s.section << "/" << s.key;
        EXPECT_EQ(readFile(path), s.expected) << s.section << "/" << s.key;
    }
    EXPECT_EQ(profile::getInt("Main", "Count", kIntSentinel, path), 5);
    EXPECT_EQ(profile::getInt("Other", "Count", kIntSentinel, path), 2);
}

TEST(PrivateProfile, RefusedWritesLeaveTheFileAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("opt.ini");
    const QByteArray original = "[Main]\r\nKey=1\r\n";
    writeFile(path, original);

    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case unsafe[] = {
        {"Main", "Key", "2\r\nInjected=1"}, // would add a key of its own
        {"Main\r\n[Evil]", "Key", "2"},
        {"Main", "", "2"},
        {"Main", "a=b", "2"},
        {"Main", ";Key", "2"},
        {"Main", "[Main]", "2"},
    };
    for (const Case& c : unsafe) {
        EXPECT_FALSE(profile::writeString(c.section, c.key, c.value, path)) << c.section << "/" << c.key;
        EXPECT_EQ(readFile(path), original);
    }

    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadUser);
    EXPECT_FALSE(profile::writeString("Main", "Key", "2", path));
    EXPECT_EQ(readFile(path), original);

    const QString lost = dir.filePath("no/such/folder/opt.ini");
    EXPECT_FALSE(profile::writeString("Main", "Key", "2", lost));
    EXPECT_FALSE(QFile::exists(lost));
}

// Names holding a lead byte without its trail (as read from a damaged file):
// what is written reads back, and what would not is refused.
TEST(PrivateProfile, NamesWithLoneLeadBytesReadBackOrAreRefused)
{
    const QString lead = platform::cp932::decode(QByteArray("\x83"));
    const QString katakanaA = platform::cp932::decode(QByteArray("\x83\x41"));
    struct Case {
        const char* name;
        QString section, key, value;
        bool written;
    };
    const Case cases[] = {
        // "]" would become the trail byte: the section could never be found
        {"section ending in a lead byte", "Main" + lead, "Key", "2", false},
        // "A" would become the trail byte: another section would be written
        {"section with a lead byte before a letter", lead + "A", "Key", "2", false},
        {"key with a lead byte before a letter", "Main", lead + "A", "2", false},
        {"value with a lead byte before a letter", "Main", "Key", lead + "A", false},
        // "=" and the line end are no trail bytes
        {"key ending in a lead byte", "Main", "Key" + lead, "2", true},
        {"value ending in a lead byte", "Main", "Key", "2" + lead, true},
        {"section of katakana", katakanaA, "Key", "2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("opt.ini");
        const QByteArray original = "[Main]\r\nOther=1\r\n";
        writeFile(path, original);

        EXPECT_EQ(profile::writeString(c.section, c.key, c.value, path), c.written);

        if (c.written) {
            EXPECT_EQ(profile::getString(c.section, c.key, kTextSentinel, 64, path), c.value);
            EXPECT_EQ(profile::getString("Main", "Other", kTextSentinel, 64, path), "1");
        } else {
            EXPECT_EQ(readFile(path), original);
        }
    }
}

TEST(PrivateProfile, WhatIsNoSettingsFileIsRefusedWithoutWaitingOnIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("opt.ini");
    using testsupport::Standing;
    const struct {
        Standing what;
        const char* why;
    } cases[] = {
        {Standing::Fifo, "is not a regular file"},
        {Standing::Folder, "is not a regular file"},
        {Standing::HugeFile, "a file of its kind holds at most 1048576 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testsupport::nameOf(c.what));
        const testsupport::StandIn standIn(path, c.what);
        try {
            profile::getInt("Main", "Count", kIntSentinel, path);
            ADD_FAILURE() << "read";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::errPathFileAccess);
            EXPECT_TRUE(e.description().contains(QLatin1String(c.why))) << e.description().toStdString();
        }
        EXPECT_THROW(profile::getString("Main", "Count", kTextSentinel, 256, path), platform::RuntimeError);
        EXPECT_FALSE(profile::writeString("Main", "Count", "1", path));
        // Still what it was, not replaced by a settings file.
        const QFileInfo after(path);
        EXPECT_EQ(after.isFile(), c.what == Standing::HugeFile);
        EXPECT_EQ(after.size(), c.what == Standing::HugeFile ? testsupport::kHugeFile : after.size());
        standIn.expectRefusedAtOnce();
    }
}
