// The step editor's options in the per-user store: defaults at the first
// start, reading back, writing all of them at every change, and the program
// folder published for the setting program.

#include "StepEditorFixture.h"

#include "dialogs/clsSelectKino.h"
#include "platform/Settings.h"
#include "platform/grid/FlexGrid.h"
#include "stepeditor/mMOD.h"

#include <QAction>
#include <QStandardPaths>

using namespace testsupport;
using steptest::StepEditorFixture;

namespace {

QString app() { return QelmStp::mMOD::ProgramName(); }

std::optional<QString> stored(const char* section, const char* key, const QString& application = app())
{
    return platform::settings::read(application, QLatin1String(section), QLatin1String(key));
}

void store(const char* section, const char* key, const QString& value)
{
    platform::settings::write(app(), QLatin1String(section), QLatin1String(key), value);
}

struct Option {
    const char* section;
    const char* key;
};

const Option kOptions[] = {
    {"FileInfo", "InitialPath"},          {"General", "DoesViewRemarkColumn"},
    {"General", "DoesViewButtonCaption"}, {"General", "DoesViewInputMethod"},
    {"General", "DoesReplaceFunction"},   {"General", "DoesAskInReplacing"},
    {"General", "DoesAskInEditingMode"},  {"Location", "RemarkColumnWidth"},
};

} // namespace

class StepEditorSettings : public StepEditorFixture {};

TEST_F(StepEditorSettings, FirstStartWritesTheDefaultsAndPublishesTheProgramFolder)
{
    ASSERT_TRUE(start());
    const QString expected[] = {programFolder_.path() + QLatin1Char('/'),
                                QStringLiteral("True"),
                                QStringLiteral("True"),
                                QStringLiteral("True"),
                                QStringLiteral("True"),
                                QStringLiteral("True"),
                                QStringLiteral("True"),
                                QStringLiteral("1200")};
    for (size_t i = 0; i < std::size(kOptions); ++i)
        EXPECT_EQ(stored(kOptions[i].section, kOptions[i].key), expected[i]) << kOptions[i].key;
    // Always under the program's fixed name, without a trailing separator.
    EXPECT_EQ(stored("SETTING", "MYPATH", QStringLiteral("QELM_STP")), programFolder_.path());
    EXPECT_EQ(stored("SETTING", "MYPATH"), std::nullopt);

    const QelmStp::ProgramState& s = state();
    EXPECT_EQ(s.InitialPath, programFolder_.path() + QLatin1Char('/'));
    EXPECT_TRUE(s.DoesViewRemarkColumn && s.DoesViewButtonCaption && s.DoesViewInputMethod &&
                s.DoesReplaceFunction && s.DoesAskInReplacing && s.selectKino->DoesAskInEditingMode());
    EXPECT_EQ(s.RemarkColumnWidth, 1200);
}

TEST_F(StepEditorSettings, StoredValuesAreReadAndOnesThatDoNotConvertFallBackQuietly)
{
    store("FileInfo", "InitialPath", QStringLiteral("/home/user/steps/"));
    store("General", "DoesViewRemarkColumn", QStringLiteral("False"));
    store("General", "DoesViewButtonCaption", QStringLiteral("0"));
    store("General", "DoesViewInputMethod", QStringLiteral("maybe"));
    store("General", "DoesReplaceFunction", QString()); // empty counts as missing
    store("General", "DoesAskInReplacing", QStringLiteral("false"));
    store("General", "DoesAskInEditingMode", QStringLiteral("False"));
    store("Location", "RemarkColumnWidth", QStringLiteral("wide"));
    platform::settings::write(QStringLiteral("QELM_STP"), QStringLiteral("SETTING"), QStringLiteral("MYPATH"),
                              QStringLiteral("/opt/old"));

    ASSERT_TRUE(start());
    EXPECT_TRUE(scriptedUi().callsOf(UiCall::MessageBox).empty());
    const QelmStp::ProgramState& s = state();
    EXPECT_EQ(s.InitialPath, QStringLiteral("/home/user/steps/"));
    EXPECT_FALSE(s.DoesViewRemarkColumn);
    EXPECT_FALSE(s.DoesViewButtonCaption);
    EXPECT_TRUE(s.DoesViewInputMethod);
    EXPECT_TRUE(s.DoesReplaceFunction);
    EXPECT_EQ(stored("General", "DoesReplaceFunction"), QStringLiteral("True"));
    EXPECT_FALSE(s.DoesAskInReplacing);
    EXPECT_FALSE(s.selectKino->DoesAskInEditingMode());
    EXPECT_EQ(s.RemarkColumnWidth, 1200);
    // Existing values are left as they are stored.
    EXPECT_EQ(stored("General", "DoesViewInputMethod"), QStringLiteral("maybe"));
    EXPECT_EQ(stored("SETTING", "MYPATH", QStringLiteral("QELM_STP")), programFolder_.path());
    // The window follows the options read.
    EXPECT_TRUE(userWindow().fg().data().ColHidden(1));
}

TEST_F(StepEditorSettings, AStoredWidthIsTheRemarkColumnsWidth)
{
    store("Location", "RemarkColumnWidth", QStringLiteral("2400"));
    ASSERT_TRUE(start());
    EXPECT_EQ(state().RemarkColumnWidth, 2400);
    EXPECT_EQ(userWindow().fg().data().ColWidth(1), 2400);
    EXPECT_FALSE(userWindow().fg().data().ColHidden(1));
}

TEST_F(StepEditorSettings, ChangingOneOptionWritesAllEight)
{
    ASSERT_TRUE(start());
    for (const Option& o : kOptions)
        platform::settings::remove(app(), QLatin1String(o.section), QLatin1String(o.key));
    state().RemarkColumnWidth = 1500;
    scriptedUi().answerPopupMenu(QStringLiteral("mnuOptionContent2"));
    window().toolKey(QStringLiteral("keyOption"))->trigger();

    const char* expected[] = {nullptr, "True", "True", "True", "True", "False", "True", "1500"};
    for (size_t i = 0; i < std::size(kOptions); ++i) {
        const QString value = expected[i] ? QLatin1String(expected[i]) : programFolder_.path() + QLatin1Char('/');
        EXPECT_EQ(stored(kOptions[i].section, kOptions[i].key), value) << kOptions[i].key;
    }
}

TEST_F(StepEditorSettings, AStoreThatCannotBeWrittenIsToldAndTheStartGoesOn)
{
    // A folder where the file belongs, in place of the one the start of the case wrote.
    const QString file = platform::settings::filePath(app());
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    scriptedUi().answerMessageBox(platform::vbOK); // the report of the first default
    scriptedUi().answerMessageBox(platform::vbOK); // message 2
    scriptedUi().answerMessageBox(platform::vbOK); // the report of the reading

    ASSERT_TRUE(start());
    const auto boxes = scriptedUi().callsOf(UiCall::MessageBox);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("RegDefaultKey\r\n"))) << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, QStringLiteral("Failed to read registry. "));
    EXPECT_EQ(platform::msgIcon(boxes[1].style), platform::vbCritical);
    EXPECT_TRUE(boxes[2].text.startsWith(QStringLiteral("ReadSettings\r\n"))) << boxes[2].text.toStdString();
    // The defaults stand in for what could not be read; the program folder is still published.
    EXPECT_EQ(state().InitialPath, programFolder_.path() + QLatin1Char('/'));
    EXPECT_TRUE(state().DoesViewRemarkColumn);
    EXPECT_EQ(state().RemarkColumnWidth, 1200);
    EXPECT_EQ(stored("SETTING", "MYPATH", QStringLiteral("QELM_STP")), programFolder_.path());
    EXPECT_TRUE(userWindow().IsLoaded());
}
