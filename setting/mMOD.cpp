#include "mMOD.h"

#include "EditingWindow.h"
#include "ProgramSettings.h"
#include "ProgramState.h"

#include "common/MdiArrangement.h"
#include "dialogs/MessageTable.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/property/SettingsTable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace QelmSet::mMOD {

namespace {

using Sorvi27::MessageTable;
constexpr auto* paragraphs = &MessageTable::paragraphs;
constexpr auto* res = &MessageTable::res;

// The range of a byte or pitch field, after "Input value is out of range.".
QString rangeText(int max) { return QStringLiteral("Min = 0\u3001Max = %1").arg(max); }

std::optional<QString> composedText(int16_t number, const MessageTable::Extra&, const MessageTable::Extra&)
{
    switch (number) {
    case 8: return paragraphs({res(5), QStringLiteral("*.etb , *.stg")});
    case 9: return paragraphs({res(6), QString::number(kEtbFileSize)});
    case 10: return paragraphs({res(7), QString::number(kStgFileSize)});
    case 28: return paragraphs({res(16), rangeText(255)});
    case 29: return paragraphs({res(17), res(18), res(19)});
    case 36: return paragraphs({res(22), res(23)});
    case 37: return paragraphs({res(16), rangeText(9999)});
    case 44: return paragraphs({res(327), res(326)});
    case 46: return QStringLiteral("This S/W runs already!");
    default: return std::nullopt;
    }
}

const MessageTable& messages()
{
    static const MessageTable table{
        .single = {{1, 1},    {2, 2},    {4, 3},    {7, 4},    {11, 8},   {12, 9},   {13, 10},  {18, 11},  {19, 12},
                   {24, 13},  {25, 14},  {26, 15},  {32, 21},  {38, 24},  {39, 25},  {40, 320}, {41, 323}, {42, 324},
                   {45, 334}, {47, 368}, {48, 369}, {49, 407}, {50, 408}, {51, 440}, {52, 442}, {53, 443}, {54, 444}},
        .composed = &composedText,
        // The messages that name a file, a window or a limit the caller gives.
        .appendsX1 = {1, 13, 18, 39, 40},
        .title = &ProgramName,
    };
    return table;
}

// The buttons BTN1, BTN2 ... of a form, by their index.
std::vector<QWidget*> buttonsOf(QWidget& form)
{
    static const QRegularExpression name(QStringLiteral("^BTN(\\d+)$"));
    std::vector<std::pair<int, QWidget*>> found;
    for (QWidget* child : form.findChildren<QWidget*>()) {
        const auto match = name.match(child->objectName());
        if (match.hasMatch())
            found.emplace_back(match.captured(1).toInt(), child);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*> buttons;
    for (const auto& entry : found)
        buttons.push_back(entry.second);
    return buttons;
}

QWidget& childNamed(QWidget& form, const QString& name)
{
    QWidget* child = form.findChild<QWidget*>(name);
    if (!child)
        throw platform::RuntimeError(platform::errMethodNotSupported,
                                     QStringLiteral("The window has no control %1").arg(name));
    return *child;
}

// Places a control at a rectangle given in twips.
void place(QWidget& control, int32_t left, int32_t top, int32_t width, int32_t height)
{
    control.setGeometry(platform::twipsToPixels(QRect(left, top, std::max(width, 0), std::max(height, 0))));
}

QRect twipsOf(const QWidget& control) { return platform::pixelsToTwips(control.geometry()); }

// Whole-number division of the old forms: a quotient cut towards zero.
int32_t wholeDiv(int32_t a, int32_t b) { return a / b; }

} // namespace

QString ProgramName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

QString MessageText(int16_t number, const std::optional<QVariant>& x1) { return messages().Text(number, x1); }

QVariant ShowMessage(int16_t number, int16_t kind, const std::optional<QVariant>& x1,
                     const std::optional<QVariant>& /*x2*/, const std::optional<QVariant>& /*x3*/)
{
    return messages().Show(number, kind, x1);
}

bool ExactPassWord(const ProgramState& state)
{
    return Ostrel7::trapped(*state.method, QStringLiteral("ExactPassWord"), [&] {
        if (!state.DoesNeedPassWord)
            return true;
        const QString typed = platform::ui().inputBox(res(126), ProgramName(), QString());
        return !typed.isEmpty() && typed == state.PassWordSpecial;
    });
}

void PaintButtonBar(QWidget& form, QPainter& painter)
{
    Ostrel7::clsMethod method;
    for (QWidget* button : buttonsOf(form))
        method.DrawButtonEdge(&painter, button, Ostrel7::EDGE_BUMP, 2);
}

void ExpandToMax(QWidget& form, bool twoByTwo)
{
    Ostrel7::clsMethod method;
    Ostrel7::trapped(method, QStringLiteral("ExpandToMax"), [&] {
        auto* frame = qobject_cast<QMdiSubWindow*>(form.parentWidget());
        QWidget& window = frame ? static_cast<QWidget&>(*frame) : form;
        if (window.isMinimized())
            return;
        // The design took the main window's outer width less its borders
        // (170 twips): the width of the area that holds the window.
        QMdiArea* area = frame ? frame->mdiArea() : nullptr;
        const int width = area ? QelmCommon::WindowWidth(*area)
                               : platform::twipsToPixels(platform::pixelsToTwips(form.window()->width()) - 170);
        window.resize(width, window.height());
        if (frame && frame->layout())
            frame->layout()->activate();

        const int32_t scaleWidth = platform::pixelsToTwips(form.width());
        const int32_t scaleHeight = platform::pixelsToTwips(form.height());
        QWidget& bar = childNamed(form, QStringLiteral("picCMD"));
        const int32_t barWidth = twipsOf(bar).width();
        place(bar, scaleWidth - barWidth, 3, barWidth, scaleHeight - 3 - 3);
        const QRect cmd = twipsOf(bar);

        if (!twoByTwo) {
            place(childNamed(form, QStringLiteral("fg")), 3, cmd.top(), cmd.left() - 3 - 2, cmd.height());
            return;
        }
        const int32_t halfHeight = wholeDiv(cmd.height(), 2);
        const int32_t halfWidth = wholeDiv(cmd.left() - 3 - 2, 2);
        place(childNamed(form, QStringLiteral("fg1")), 3, cmd.top(), halfWidth, halfHeight);
        const QRect g1 = twipsOf(childNamed(form, QStringLiteral("fg1")));
        place(childNamed(form, QStringLiteral("fg2")), g1.left(), g1.top() + g1.height() + 2, g1.width(), halfHeight);
        place(childNamed(form, QStringLiteral("fg3")), g1.left() + g1.width() + 2, g1.top(), g1.width(), g1.height());
        const QRect g2 = twipsOf(childNamed(form, QStringLiteral("fg2")));
        const QRect g3 = twipsOf(childNamed(form, QStringLiteral("fg3")));
        place(childNamed(form, QStringLiteral("fg4")), g3.left(), g2.top(), g3.width(), g3.height());
    });
}

void Form_Unload(EditingWindow& form, bool changed, bool& cancel)
{
    Ostrel7::clsMethod method;
    Ostrel7::trapped(method, QStringLiteral("Form_Unload"), [&] {
        if (!changed)
            return;
        const QVariant answer = ShowMessage(13, 6, form.windowTitle());
        if (answer.toInt() == platform::vbCancel) {
            cancel = true;
        } else if (answer.toInt() == platform::vbYes) {
            form.BTN_Click(1);
            // A save that failed leaves the edits unsaved: the window stays open with them.
            if (form.IsChanged())
                cancel = true;
        }
    });
}

void SaveRegSettings(const ProgramState& state)
{
    using namespace settingkeys;
    const Ostrel7::SettingsTable& settings = *state.settings;
    settings.write(kStdReadingPath, state.StdReadingPath);
    settings.write(kPrevStd_ExtFilterIndex, state.PrevStd_ExtFilterIndex);
    settings.write(kPrevUsr_ExtFilterIndex, state.PrevUsr_ExtFilterIndex);
    settings.write(kWdt_Custom_StdKino, state.wdt_Custom_StdKino);
    settings.write(kWdt_Custom_UsrKino, state.wdt_Custom_UsrKino);
}

} // namespace QelmSet::mMOD
