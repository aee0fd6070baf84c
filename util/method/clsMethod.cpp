#include "clsMethod.h"

#include "util/method/BmpHeader.h"
#include "util/method/Edge3D.h"
#include "util/method/ErrorLog.h"
#include "util/method/KeyState.h"
#include "util/method/TextControl.h"
#include "util/method/Trap.h"
#include "util/need/xNEED.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/PrivateProfile.h"
#include "platform/RuntimeError.h"
#include "platform/SystemColors.h"
#include "platform/Ui.h"
#include "platform/VariantText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <thread>

namespace Ostrel7 {

namespace {

QString crlf() { return QStringLiteral("\r\n"); }

QString notice()
{
    return xNEED::IsJapan() ? QString::fromUtf8("どうかこれを控えて報告をお願いいたします。")
                            : QStringLiteral("Please note this message and report me.");
}

// The missing-value marks of the INI default writer: a key that really holds
// one of them is taken for a missing key.
constexpr int32_t kMissingNumber = 582931;
const char* const kMissingText = "qorvatle";

bool isNumeric(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong: // currency
    case QMetaType::Float:
    case QMetaType::Double: return true;
    default: return false;
    }
}

// Whole numbers as the runtime rounds them: halves to even, overflow an error.
int32_t clng(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        throw platform::RuntimeError(platform::errOverflow);
    return static_cast<int32_t>(rounded);
}

// Sums of Long coordinates overflow as they always did instead of wrapping.
int32_t checkedLong(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw platform::RuntimeError(platform::errOverflow);
    return static_cast<int32_t>(value);
}

void requireObject(const void* object, int32_t number = platform::errObjectNotSet)
{
    if (!object)
        throw platform::RuntimeError(number);
}

bool canPaint(QPainter* painter) { return painter && painter->isActive(); }

// Select all, or drop the selection with the caret at its start.
void selectText(QWidget* widget, bool all)
{
    TextControl control(widget);
    if (all)
        control.selectAll();
    else
        control.dropSelection();
}

// Wait lengths: negative and NaN wait for nothing, huge ones are capped at years.
std::chrono::nanoseconds pauseLength(float seconds)
{
    if (!(seconds > 0))
        return std::chrono::nanoseconds(0);
    constexpr double kCap = 1e18;
    return std::chrono::nanoseconds(static_cast<int64_t>(std::min(double(seconds) * 1e9, kCap)));
}

QScreen* screenOf(QWidget* widget)
{
    QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

void clsMethod::ErrReg(int32_t ERRCode, const QString& ErrString, const QString& ModuleName)
{
    if (ERRCode == 0)
        return;
    try {
        const QString message = ModuleName + crlf() + crlf() + ErrString + crlf() + crlf() +
                                QStringLiteral("[ErrCode] ") + QString::number(ERRCode) + crlf() + crlf() + notice();
        platform::ui().messageBox(message, platform::vbCritical | platform::vbOKOnly, QStringLiteral("ERROR"));
        const QString log = QDir(platform::folders::libraryFolder()).filePath(QStringLiteral("Err.log"));
        errorlog::append(log, errorlog::reportLine(ERRCode, platform::now(), ModuleName, ErrString));
    } catch (...) {
        // The user has seen the box; a log that can't be written must not break
        // the caller's own error handling.
    }
}

void clsMethod::RegIniDefaultKey(const QString& sSection, const QString& sKey, const QVariant& vStdValue,
                                 const QString& sFullFname)
{
    trapped(*this, QStringLiteral("RegIniDefaultKeyInt"), [&] {
        if (isNumeric(vStdValue)) {
            if (platform::profile::getInt(sSection, sKey, kMissingNumber, sFullFname) == kMissingNumber)
                platform::profile::writeString(sSection, sKey, platform::variantText(vStdValue), sFullFname);
        } else if (vStdValue.typeId() == QMetaType::QString) {
            const QString missing = QString::fromLatin1(kMissingText);
            if (platform::profile::getString(sSection, sKey, missing, 256, sFullFname) == missing)
                platform::profile::writeString(sSection, sKey, vStdValue.toString(), sFullFname);
        } else {
            platform::ui().messageBox(QStringLiteral("Unknown vartype !"), platform::vbOKOnly,
                                      xNEED::applicationTitle());
        }
    });
}

void clsMethod::TileBitmap(QPainter* objDest, const QPixmap& BmpDest)
{
    requireObject(objDest);
    if (BmpDest.width() == 0 || BmpDest.height() == 0)
        throw platform::RuntimeError(platform::errDivisionByZero);
    if (!canPaint(objDest) || !objDest->device())
        return;
    const int w = objDest->device()->width();
    const int h = objDest->device()->height();
    const int32_t rows = clng(double(h) / BmpDest.height());
    const int32_t columns = clng(double(w) / BmpDest.width());
    objDest->save();
    objDest->setClipRect(QRect(0, 0, w, h), Qt::IntersectClip);
    objDest->setCompositionMode(QPainter::CompositionMode_Source); // tiles replace what was there
    for (int32_t i = 0; i <= rows; ++i)
        for (int32_t j = 0; j <= columns; ++j)
            objDest->drawPixmap(j * BmpDest.width(), i * BmpDest.height(), BmpDest);
    objDest->restore();
}

void clsMethod::DrawButtonEdge(QPainter* hdc, QWidget* btn, ENUM_EDGE lngStyle, int32_t lngSA)
{
    requireObject(btn);
    const int64_t left = btn->x(), top = btn->y();
    edge3d::draw(hdc, checkedLong(left - lngSA), checkedLong(top - lngSA), checkedLong(left + btn->width() + lngSA),
                 checkedLong(top + btn->height() + lngSA), lngStyle, edge3d::All);
}

void clsMethod::DrawSeparateLine(QPainter* hdc, int32_t Left, int32_t Top, int32_t Right)
{
    edge3d::draw(hdc, Left, Top, Right, checkedLong(int64_t(Top) + 1), EDGE_ETCHED, edge3d::Top);
}

void clsMethod::Gradate(QWidget* hwnd, QPainter* hdcDest, uint32_t clrStart, uint32_t clrEnd,
                        ENUM_GradeDirection lngDirection)
{
    const QRect client = hwnd ? hwnd->rect() : QRect();
    QImage work;
    std::optional<QPainter> painter;
    if (!client.isEmpty()) {
        work = QImage(client.size(), QImage::Format_RGB32);
        painter.emplace(&work);
    }
    DrawGradation(client, painter ? &*painter : nullptr, clrStart, clrEnd, lngDirection);
    painter.reset();
    if (canPaint(hdcDest) && !work.isNull())
        hdcDest->drawImage(client.topLeft(), work);
}

void clsMethod::DrawGradation(const QRect& rect, QPainter* painter, uint32_t clrStart, uint32_t clrEnd,
                              ENUM_GradeDirection direction)
{
    trapped(*this, QStringLiteral("DrawGradation"), [&] {
        const QColor start = platform::oleColor(clrStart);
        const QColor end = platform::oleColor(clrEnd);
        const auto fill = [&](const QRect& band, const QColor& colour) {
            if (painter)
                painter->fillRect(band, colour);
        };
        if (direction != eLeftRight && direction != eTopBottom) {
            fill(rect, start);
            throw platform::RuntimeError(platform::errInvalidCall);
        }
        const bool across = direction == eLeftRight;
        const int32_t d = across ? rect.x() + rect.width() : rect.y() + rect.height();
        if (d <= 0) { // nothing to blend over: one band of the start colour
            fill(rect, start);
            return;
        }
        const int32_t s = d / 255.0 < 1 ? 1 : clng(d / 255.0);
        const int dR = start.red() - end.red(), dG = start.green() - end.green(), dB = start.blue() - end.blue();
        QColor current = start;
        // Each band takes the colour of the position before it, so the first
        // two bands both show the start colour.
        for (int64_t v = 0; v <= d; v += s) {
            const int position = static_cast<int>((across ? rect.x() : rect.y()) + v);
            fill(across ? QRect(position, rect.y(), s, rect.height()) : QRect(rect.x(), position, rect.width(), s),
                 current);
            const auto channel = [&](int delta, int endValue) { return clng(double(d - v) * delta / d + endValue); };
            current = QColor(channel(dR, end.red()), channel(dG, end.green()), channel(dB, end.blue()));
        }
    });
}

void clsMethod::DrawWaku(QPainter* hdc, int32_t lngLeft, int32_t lngTop, int32_t lngRight, int32_t lngBottom,
                         int32_t lngSA, ENUM_EDGE lngStyle)
{
    const ENUM_EDGE style = lngStyle == 0 ? EDGE_RAISED : lngStyle;
    edge3d::draw(hdc, checkedLong(int64_t(lngLeft) - lngSA), checkedLong(int64_t(lngTop) - lngSA),
                 checkedLong(int64_t(lngRight) + lngSA), checkedLong(int64_t(lngBottom) + lngSA), style, edge3d::All);
}

void clsMethod::SendTab(int16_t& KeyAscii)
{
    if (KeyAscii != 13)
        return;
    // Queued like a typed key, so the caller's key handler finishes first.
    if (QWidget* target = QApplication::focusWidget()) {
        const QString tab = QStringLiteral("\t");
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, tab));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, tab));
    }
    KeyAscii = 0;
}

void clsMethod::SetTextRect(QWidget* hwnd, int32_t lngLeft, int32_t lngTop, int32_t lngRight, int32_t lngBottom)
{
    auto* line = qobject_cast<QLineEdit*>(hwnd);
    auto* rich = qobject_cast<QTextEdit*>(hwnd);
    const QRect client = line ? line->rect() : rich ? rich->viewport()->rect() : QRect();
    int32_t right = lngRight, bottom = lngBottom;
    if (lngRight == 0) {
        right = checkedLong(int64_t(client.width()) - lngLeft);
        bottom = checkedLong(int64_t(client.height()) - lngTop);
    }
    // The text area as margins inside the control; a rectangle reaching beyond it gets no margin there.
    const auto margin = [](int64_t m) { return static_cast<int>(std::clamp<int64_t>(m, 0, 1 << 24)); };
    const QMargins margins(margin(lngLeft), margin(lngTop), margin(int64_t(client.width()) - right),
                           margin(int64_t(client.height()) - bottom));
    if (line) {
        line->setTextMargins(margins);
    } else if (rich) {
        QTextFrame* root = rich->document()->rootFrame();
        QTextFrameFormat format = root->frameFormat();
        format.setLeftMargin(margins.left());
        format.setTopMargin(margins.top());
        format.setRightMargin(margins.right());
        format.setBottomMargin(margins.bottom());
        root->setFrameFormat(format);
    }
}

void clsMethod::SetComboListHeight(QComboBox* cmbDest, int32_t lngpixNewHeight)
{
    requireObject(cmbDest);
    // The height counts the box itself and its open list; Qt sizes the list in rows.
    const int64_t listHeight = int64_t(lngpixNewHeight) - cmbDest->height();
    const int row = cmbDest->count() > 0 ? cmbDest->view()->sizeHintForRow(0) : cmbDest->fontMetrics().height();
    const int64_t rows = row > 0 ? listHeight / row : 1;
    cmbDest->setMaxVisibleItems(static_cast<int>(std::clamp<int64_t>(rows, 1, std::numeric_limits<int>::max())));
    cmbDest->update();
}

void clsMethod::TextSelOp(QWidget* txtCTL)
{
    try {
        selectText(txtCTL, keystate::tabDown() || keystate::altDown());
    } catch (...) {
        // No control, or one without text: left as it is, without a report.
    }
}

void clsMethod::TextSelOpABS(QWidget* txtCTL)
{
    try {
        selectText(txtCTL, true);
    } catch (...) {
        // As TextSelOp: silently nothing.
    }
}

void clsMethod::msgOpenComboBox(QWidget* hwnd)
{
    if (auto* combo = qobject_cast<QComboBox*>(hwnd))
        combo->showPopup();
}

void clsMethod::SetComboListWidth(QComboBox* cmbDest, int32_t lngpixNewWidth)
{
    requireObject(cmbDest);
    cmbDest->view()->setMinimumWidth(std::max(lngpixNewWidth, 0));
}

void clsMethod::CheckWhere(QString& WhereStr)
{
    if (WhereStr.length() >= 2)
        WhereStr += QStringLiteral(" AND ");
}

void clsMethod::MakeWhereStr(QString& OrgWhere, const QString& NewWhere)
{
    CheckWhere(OrgWhere);
    OrgWhere += NewWhere;
}

void clsMethod::Separate32WithSign(int32_t tLong, int16_t& tx, int16_t& ty)
{
    // The halves as stored bits, also for a negative y with a non-zero x.
    const auto bits = static_cast<uint32_t>(tLong);
    tx = static_cast<int16_t>(bits & 0xFFFFu);
    ty = static_cast<int16_t>(bits >> 16);
}

void clsMethod::DrawEdgeAPI(QPainter* hdc, int32_t lngLeft, int32_t lngTop, int32_t lngRight, int32_t lngBottom,
                            ENUM_EDGE lngWTYPE)
{
    edge3d::draw(hdc, lngLeft, lngTop, lngRight, lngBottom, lngWTYPE, edge3d::All);
}

void clsMethod::DrawMyEdge(ENUM_EDGE WTYPE, QPainter* hdc, QWidget* hwnd, int32_t xMINUS, int32_t yMINUS,
                           int32_t xRIGHTHOSEI, int32_t yBOTTOMHOSEI)
{
    const QRect client = hwnd ? hwnd->rect() : QRect();
    const int32_t left = checkedLong(int64_t(client.x()) - xMINUS);
    const int32_t top = checkedLong(int64_t(client.y()) - yMINUS);
    const int32_t right = checkedLong(int64_t(client.x()) + client.width() + xMINUS + xRIGHTHOSEI);
    const int32_t bottom = checkedLong(int64_t(client.y()) + client.height() + yMINUS + yBOTTOMHOSEI);
    edge3d::draw(hdc, left, top, right, bottom, WTYPE, edge3d::Left | edge3d::Top);
    edge3d::draw(hdc, left, top, right, bottom, WTYPE, edge3d::Right | edge3d::Bottom);
}

void clsMethod::ClipCursor32(QWidget* /*hwnd*/, int16_t /*pixelWidth*/, int16_t /*pixelHeight*/)
{
    // Neither X11 nor Wayland lets a window confine the pointer portably; grabbing
    // it instead could lock the user out of the desktop.
}

void clsMethod::PutCursorToCenter32(QPainter* userHDC)
{
    if (!canPaint(userHDC))
        return;
    QScreen* screen = screenOf(dynamic_cast<QWidget*>(userHDC->device()));
    if (!screen)
        return;
    const QRect area = screen->geometry();
    QCursor::setPos(screen, area.x() + clng(area.width() / 2.0), area.y() + clng(area.height() / 2.0 + 35));
}

void clsMethod::PutFormAtCenter(QWidget* TForm)
{
    requireObject(TForm, 424); // "Object required"
    QScreen* screen = screenOf(TForm);
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize form = TForm->frameGeometry().size();
    QPoint target(area.x() + clng(area.width() / 2.0 - form.width() / 2.0),
                  area.y() + clng(area.height() / 2.0 - form.height() / 2.0));
    if (!TForm->isWindow() && TForm->parentWidget())
        target = TForm->parentWidget()->mapFromGlobal(target);
    TForm->move(target);
}

void clsMethod::ReleaseCursor32()
{
    // Nothing is ever confined (see ClipCursor32).
}

void clsMethod::RunHelp32(QWidget* /*hwnd*/, const QString& FullHelpName)
{
    trapped(*this, QStringLiteral("RunHelp32"), [&] {
        const QFileInfo help(FullHelpName);
        if (help.isFile()) {
            platform::ui().startProgram(QStringLiteral("xdg-open"), {help.absoluteFilePath()}, false);
            return;
        }
        const QString lead = xNEED::IsJapan() ? QString::fromUtf8("次のヘルプファイルが見つかりません ")
                                              : QStringLiteral("I cannot find help files.");
        platform::ui().messageBox(lead + crlf() + crlf() + FullHelpName, platform::vbCritical | platform::vbOKOnly,
                                  QStringLiteral("ERROR"));
    });
}

void clsMethod::WaitChotto(float PauseTIME)
{
    // A monotonic clock: the wait ends on time across midnight too.
    const int64_t length = pauseLength(PauseTIME).count();
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents();
        const int64_t left = length - timer.nsecsElapsed();
        if (left >= 0) // a short nap between yields instead of spinning
            QThread::usleep(static_cast<unsigned long>(std::min<int64_t>(left / 1000 + 1, 1000)));
    } while (timer.nsecsElapsed() <= length);
}

void clsMethod::WaitChottoWithoutEvent(float PauseTIME)
{
    const auto length = pauseLength(PauseTIME);
    const auto deadline = std::chrono::steady_clock::now() + length;
    while (std::chrono::steady_clock::now() <= deadline)
        std::this_thread::sleep_until(deadline + std::chrono::nanoseconds(1));
}

void clsMethod::GetBmpSize(const QString& strBmpName, int32_t& lngWidth, QVariant& lngHeight)
{
    trapped(*this, QStringLiteral(" GetBmpSize"), [&] {
        if (!QFileInfo(strBmpName).isFile()) {
            lngWidth = 0;
            lngHeight = QVariant::fromValue<int16_t>(0);
            return;
        }
        const bmp::Header header = bmp::readHeader(strBmpName);
        lngWidth = header.width;
        lngHeight = QVariant::fromValue<int32_t>(header.height);
    });
}

void clsMethod::SeparateFNAME(const QString& FileName, QString& tHidari, QString& tMigi)
{
    trapped(*this, QStringLiteral("SeparateFNAME"), [&] {
        if (FileName.isEmpty()) {
            tHidari.clear();
            tMigi.clear();
            return;
        }
        const qsizetype dot = FileName.indexOf(QLatin1Char('.'));
        if (dot < 0) {
            tHidari = FileName;
            return;
        }
        tHidari = FileName.left(dot);
        tMigi = FileName.mid(dot + 1);
    });
}

} // namespace Ostrel7
