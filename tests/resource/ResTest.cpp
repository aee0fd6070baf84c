// Catalogue texts through clsResource::Res: texts come back exactly as stored,
// and every failure shows the library's own error box and answers "".

#include "resource/MessageCatalogue.h"
#include "resource/clsResource.h"

#include "ScriptedUi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using testsupport::scriptedUi;
using testsupport::UiCall;

struct StoredText {
    int32_t number;
    const char16_t* text;
};

// Texts whose blanks, line breaks, non-ASCII characters or odd spelling are
// easily lost on the way.
const StoredText kExactTexts[] = {
    {1, u"Cannot find following file. Cannot load."},
    {2, u"Failed to read registry. "},
    {10, u"Data is chaneged on this window. Do you save it ?"},
    {48, u"  [Std file] =  "},
    {52, u"Close   "},
    {73, u"Function|Digital|Overview|Unit|Min|Max|Std|User|?|DIF"},
    {162, u"   Toggle:[SPACE]"},
    {194, u"Close         "},
    {252, u" "},
    {253, u" "},
    {259, u" "},
    {378, u"SEK file path\uFF1A"},
    {391, u"Input title caption.\r\n\r\nTo Erase title = input *"},
    {439, u"Autohr must be alphanumeric. Max length = 16."},
    {446, u":"},
};

TEST(Res, ReturnsTextsExactlyAsStored)
{
    const Resource::clsResource resource;
    for (const StoredText& entry : kExactTexts)
        EXPECT_EQ(resource.Res(entry.number), QString::fromUtf16(entry.text)) << "text " << entry.number;
    EXPECT_TRUE(scriptedUi().calls().empty());
}

TEST(Res, CatalogueHoldsEveryNumberedText)
{
    // 1-446 without 20, 219, 245 and 431.
    EXPECT_EQ(Resource::MessageCatalogue::textCount(), 442);
}

// The box Res shows for an error: its text is "<number> <description>".
void expectErrorBox(const UiCall& call, const QString& text)
{
    EXPECT_EQ(call.kind, UiCall::MessageBox);
    EXPECT_EQ(call.text, text);
    EXPECT_EQ(call.title, QStringLiteral("Resource"));
    EXPECT_EQ(call.style, platform::vbOKOnly);
}

TEST(Res, MissingTextShowsErrorBoxAndAnswersEmpty)
{
    const Resource::clsResource resource;
    // Gaps in the numbering, both ends of the range, and numbers whose
    // resource id falls in the Japanese set, which is not carried.
    for (const int32_t number : {20, 219, 245, 431, 0, 447, -1, -999, -1000}) {
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_EQ(resource.Res(number), QString()) << number;
        ASSERT_EQ(scriptedUi().calls().size(), 1u) << number;
        expectErrorBox(scriptedUi().calls().front(),
                       QStringLiteral("326 Resource with identifier '%1' not found").arg(number + 1000));
    }
}

TEST(Res, ResourceIdOverflowShowsErrorBoxAndAnswersEmpty)
{
    const Resource::clsResource resource;
    for (const int32_t number : {2147482648, std::numeric_limits<int32_t>::max()}) {
        scriptedUi().clearCalls();
        scriptedUi().answerMessageBox(platform::vbOK);
        EXPECT_EQ(resource.Res(number), QString()) << number;
        ASSERT_EQ(scriptedUi().calls().size(), 1u) << number;
        expectErrorBox(scriptedUi().calls().front(), QStringLiteral("6 Overflow"));
    }
}

TEST(Res, LargestNumberWithoutOverflowIsAMissingText)
{
    const Resource::clsResource resource;
    scriptedUi().answerMessageBox(platform::vbOK);
    EXPECT_EQ(resource.Res(2147482647), QString());
    ASSERT_EQ(scriptedUi().calls().size(), 1u);
    expectErrorBox(scriptedUi().calls().front(),
                   QStringLiteral("326 Resource with identifier '2147483647' not found"));
}

} // namespace
