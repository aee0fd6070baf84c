#include "util/property/TickCount.h"
#include "util/property/clsProperty.h"

#include "ScriptedUi.h"
#include "TestFiles.h"
#include "platform/Clock.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace Ostrel7;
using testsupport::scriptedUi;
using testsupport::UiCall;

namespace {

class SystemQueries : public testing::Test {
protected:
    void TearDown() override { tick::setCountForTesting({}); }

    // The text of the one error box shown so far.
    QString reportedLabel() const
    {
        const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
        return boxes.size() == 1 ? boxes[0].text.section(QStringLiteral("\r\n"), 0, 0) : QStringLiteral("<none>");
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        testsupport::writeFile(path, bytes);
        return path;
    }

    clsProperty p;
    QTemporaryDir dir;
};

} // namespace

TEST_F(SystemQueries, GuidIsTheClockStampAndTheTicksLastFiveCharacters)
{
    platform::setClockForTesting([] { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)); });
    const struct {
        uint32_t tick;
        const char* tail;
    } cases[] = {
        {1234567u, "34567"},
        {42u, "42"},
        {3000000000u, "67296"}, // -1294967296 as a signed 32-bit count
        {4294967295u, "-1"},
    };
    for (const auto& c : cases) {
        tick::setCountForTesting([&] { return c.tick; });
        EXPECT_EQ(p.GetGUID(), QStringLiteral("20260304050607") + QLatin1String(c.tail)) << c.tick;
    }
}

TEST_F(SystemQueries, KeyboardInfoFollowsTheCountry)
{
    const struct {
        const char* country;
        int16_t flag;
        const char* expected;
    } cases[] = {
        {"Japan", 0, "Japanese Keyboard"},
        {"Japan", 1, "106"},
        {"Japan", 2, "12"},
        {"Germany", 0, "IBM Enhanced or compatible"},
        {"Germany", 1, "101"},
        {"Germany", 6, ""},
        {"Japan", -1, ""},
    };
    for (const auto& c : cases) {
        platform::setCountryForTesting([&] { return QString::fromLatin1(c.country); });
        EXPECT_EQ(p.GetKBDInfo(c.flag), QString::fromUtf8(c.expected)) << c.country << " " << c.flag;
    }
}

TEST_F(SystemQueries, SystemWideActionsAreInert)
{
    EXPECT_EQ(p.ExitWindowAPI(), 0);
    EXPECT_EQ(p.ActivateScreenSaver(true), 0);
    EXPECT_EQ(p.ActivateScreenSaver(false), 0);
    EXPECT_FALSE(p.SetPrinterOrientation(vbPRORLandscape));
    EXPECT_EQ(p.GetPrinterOrientation(), 0);
    p.setNumLockStatus(eNUMLOCK_ON);
    EXPECT_EQ(p.NumLockStatus(), eNUMLOCK_OFF);
    EXPECT_EQ(p.GetAssociatedApp(QStringLiteral("/etc/hosts")), QString());
    EXPECT_FALSE(p.JugeIDE());
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(SystemQueries, DesktopOpenerGetsTheAbsolutePath)
{
    const QString file = writeFile(QStringLiteral("-report.xlsx"), "x");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    scriptedUi().answerOpenDocument(true);
    EXPECT_EQ(p.RunAssociatedApp(nullptr, QStringLiteral("-report.xlsx"), SW_MAXIMIZE), 33);
    QDir::setCurrent(previous);
    scriptedUi().answerOpenDocument(false);
    EXPECT_EQ(p.RunAssociatedApp(nullptr, file, SW_MINIMIZE), 31);
    scriptedUi().answerOpenDocument(true);
    EXPECT_EQ(p.ExploreHere(nullptr, dir.path(), SW_SHOWNORMAL), 33);

    const auto opened = scriptedUi().callsOf(UiCall::OpenDocument);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].text, file);
    EXPECT_EQ(opened[2].text, dir.path());

    scriptedUi().clearCalls();
    EXPECT_EQ(p.RunAssociatedApp(nullptr, dir.filePath(QStringLiteral("gone.xlsx")), SW_MAXIMIZE), 2);
    EXPECT_EQ(p.RunAssociatedApp(nullptr, QString(), SW_MAXIMIZE), 2);
    EXPECT_EQ(p.ExploreHere(nullptr, dir.filePath(QStringLiteral("gone")), SW_SHOW), 2);
    EXPECT_EQ(p.ExploreHere(nullptr, file, SW_SHOW), 31);
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST_F(SystemQueries, BitmapAndIconHeaders)
{
    QByteArray bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<int16_t>(24, bmp.data() + 28);
    EXPECT_EQ(p.GetBmpBitCount(writeFile(QStringLiteral("a.bmp"), bmp)), 24);
    EXPECT_EQ(p.GetBmpBitCount(writeFile(QStringLiteral("short.bmp"), "BM")), 0); // missing bytes read as zero

    QByteArray ico(62, '\0');
    qToLittleEndian<int32_t>(32, ico.data() + 26);
    EXPECT_EQ(p.IconSize(writeFile(QStringLiteral("a.ico"), ico)), 32);
    EXPECT_EQ(p.IconSize(dir.filePath(QStringLiteral("missing.ico"))), 0);
    EXPECT_EQ(p.IconSize(dir.path()), 0);
    EXPECT_TRUE(scriptedUi().calls().empty());

    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_EQ(p.GetBmpBitCount(dir.filePath(QStringLiteral("missing.bmp"))), 0);
    EXPECT_EQ(reportedLabel(), QStringLiteral("GetBmpBitCount"));
}

TEST_F(SystemQueries, IsLoadedComparesFormNamesExactly)
{
    QWidget main, setup;
    main.setObjectName(QStringLiteral("fMain"));
    setup.setObjectName(QStringLiteral("fSetup"));
    const QList<QWidget*> forms{&main, &setup};
    EXPECT_TRUE(p.IsLoaded(forms, QStringLiteral("fSetup")));
    EXPECT_FALSE(p.IsLoaded(forms, QStringLiteral("fsetup")));
    EXPECT_FALSE(p.IsLoaded({}, QStringLiteral("fMain")));

    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_FALSE(p.IsLoaded({&main, nullptr}, QStringLiteral("fSetup")));
    EXPECT_EQ(reportedLabel(), QStringLiteral("IsLoaded"));
}

TEST_F(SystemQueries, SystemTextsAndVersion)
{
    EXPECT_EQ(p.GetAPILastError(2), QStringLiteral("No such file or directory"));
    EXPECT_EQ(p.GetAPILastError(-7), QString());
    EXPECT_FALSE(p.GetUserName().isEmpty());

    int32_t major = -1, minor = -1, platformId = -1;
    EXPECT_EQ(p.GetWinVer(major, minor, platformId), 1);
    EXPECT_GT(major, 0);
    EXPECT_GE(minor, 0);
    EXPECT_EQ(platformId, 2);
}
