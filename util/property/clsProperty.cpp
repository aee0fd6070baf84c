#include "clsProperty.h"

#include "util/method/BmpHeader.h"

#include "DesktopWindows.h"
#include "FileHeader.h"
#include "KeyboardNames.h"
#include "MonthlyCodes.h"
#include "TickCount.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/need/xNEED.h"
#include "platform/AutomationDate.h"
#include "platform/Clock.h"
#include "platform/PrivateProfile.h"
#include "platform/RuntimeError.h"
#include "platform/Settings.h"
#include "platform/Ui.h"
#include "platform/VariantText.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QHeaderView>
#include <QInputMethod>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QSysInfo>
#include <QTableView>
#include <QTreeView>
#include <QWidget>

#include <pwd.h>
#include <string.h>
#include <unistd.h>

#include <cmath>
#include <limits>

namespace Ostrel7 {

namespace {

// Defaults of the INI readers: a missing key or file reads as these.
constexpr int32_t kMissingProfileInt = 582931;
const char* const kMissingProfileText = "????????";
constexpr int kProfileBufferChars = 2560;

// Results of the shell's open and explore requests.
constexpr int32_t kShellStarted = 33;
constexpr int32_t kShellFileNotFound = 2;
constexpr int32_t kShellNoAssociation = 31;

// CloseApp's answer when no window has the caption.
constexpr int32_t kNoWindowWithCaption = -2;

// Style bits SetFlatHeader reports for a header: a child window, visible, with buttons.
constexpr int32_t kStyleChild = 0x40000000;
constexpr int32_t kStyleVisible = 0x10000000;
constexpr int32_t kHeaderButtons = 2;

// The keyboard a PC of the system's country reports: Japanese 106-key or
// enhanced 101-key, both with 12 function keys.
constexpr int kJapaneseKeyboard = 7;
constexpr int kJapaneseSubtype = 2;
constexpr int kEnhancedKeyboard = 4;
constexpr int kEnhancedSubtype = 0;
constexpr int kFunctionKeys = 12;

QApplication* widgetApplication() { return qobject_cast<QApplication*>(QCoreApplication::instance()); }

bool isActive(const QPainter* hdc) { return hdc && hdc->isActive(); }

// The window a CloseApp argument holds: any QObject pointer that is a live widget.
QWidget* windowHeldBy(const QVariant& var)
{
    if (!(var.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    const QObject* held = *static_cast<QObject* const*>(var.constData());
    if (!widgetApplication())
        return nullptr;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (static_cast<QObject*>(widget) == held)
            return widget;
    }
    return nullptr;
}

// Carries out a show command; False for a number that is no show command.
bool applyShowCommand(QWidget* window, int32_t command)
{
    switch (command) {
    case SW_HIDE: window->hide(); return true;
    case SW_SHOWNORMAL:
    case SW_RESTORE: window->showNormal(); return true;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: window->showMinimized(); return true;
    case SW_SHOWMAXIMIZED: window->showMaximized(); return true;
    case SW_SHOWNOACTIVATE:
    case SW_SHOW:
    case SW_SHOWNA:
    case SW_SHOWDEFAULT: window->show(); return true;
    default: return false;
    }
}

// Hands a file or folder, by its absolute path, to the desktop's opener.
int32_t openOnDesktop(const QString& path, bool folderOnly, ENUM_SW nShowCmd)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return kShellFileNotFound;
    if (folderOnly && !info.isDir())
        return kShellNoAssociation;
    // The desktop decides how the opened program's window is shown.
    Q_UNUSED(nShowCmd);
    return platform::ui().openDocument(info.absoluteFilePath()) ? kShellStarted : kShellNoAssociation;
}

// Units per inch of the mapping modes with a fixed unit; 0 for the others.
int unitsPerInch(ENUM_MAPMODE mode)
{
    switch (mode) {
    case eMM_LOMETRIC: return 254;
    case eMM_HIMETRIC: return 2540;
    case eMM_LOENGLISH: return 100;
    case eMM_HIENGLISH: return 1000;
    case eMM_TWIPS: return 1440;
    default: return 0;
    }
}

// Shrinks the viewport along one axis so that a logical unit is as long in x as in y.
void makeIsotropic(QPainter* hdc)
{
    const QRect window = hdc->window();
    const QRect viewport = hdc->viewport();
    const double scaleX = double(viewport.width()) / window.width();
    const double scaleY = double(viewport.height()) / window.height();
    const double scale = std::min(std::abs(scaleX), std::abs(scaleY));
    const int width = int(std::lround(std::copysign(scale * std::abs(window.width()), scaleX)));
    const int height = int(std::lround(std::copysign(scale * std::abs(window.height()), scaleY)));
    hdc->setViewport(QRect(viewport.x(), viewport.y(), width, height));
}

template <typename T>
QVariant negatedSigned(const QVariant& num)
{
    const T value = num.value<T>();
    return value < 0 ? num : QVariant::fromValue<T>(T(-value));
}

QVariant negatedUnsigned(const QVariant& num)
{
    const qulonglong value = num.toULongLong();
    if (value > qulonglong(std::numeric_limits<qlonglong>::max()))
        return QVariant(-double(value));
    return QVariant(-qlonglong(value));
}

QVariant negatedReal(double value, const QVariant& num)
{
    if (value < 0)
        return num;
    return QVariant(value == 0 ? 0.0 : -value); // never a negative zero
}

// A numeric text as the runtime converts it; throws a type mismatch otherwise.
double numberInText(const QString& text)
{
    bool ok = false;
    double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale::system().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw platform::RuntimeError(platform::errTypeMismatch);
    return value;
}

// The first "major.minor" of the kernel's version text.
bool kernelVersion(int32_t& major, int32_t& minor)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)\\.(\\d+)"));
    const auto match = pattern.match(QSysInfo::kernelVersion());
    if (!match.hasMatch())
        return false;
    major = match.captured(1).toInt();
    minor = match.captured(2).toInt();
    return true;
}

} // namespace

clsProperty::clsProperty() = default;
clsProperty::~clsProperty() = default;

clsMethod& clsProperty::method()
{
    if (!method_)
        method_ = std::make_unique<clsMethod>();
    return *method_;
}

QString clsProperty::GetFontName(ENUM_GETFONT eVALUE)
{
    if (!widgetApplication())
        return {};
    switch (eVALUE) {
    case eFONT_CAPTION:
    case eFONT_CAPTION_TOOLBAR: return QFontDatabase::systemFont(QFontDatabase::TitleFont).family();
    case eFONT_MENU: return QApplication::font("QMenu").family();
    case eFONT_STATUSBAR: return QApplication::font("QStatusBar").family();
    default: return QApplication::font("QMessageBox").family();
    }
}

int32_t clsProperty::CloseApp(const QVariant& var, ENUM_CLOSEAPPLICATION Which, bool Included)
{
    if (Which == eBY_HWND) {
        QWidget* window = windowHeldBy(var);
        return window && window->close() ? 1 : 0;
    }
    if (Which != eBY_CAPTION)
        return 0;
    const QString caption = platform::variantText(var);
    // Each window is asked once, so one that refuses to close cannot keep the loop going.
    QSet<const QWidget*> asked;
    for (;;) {
        desktopwindows::enumerate();
        QWidget* window = desktopwindows::findInList(caption, Included, asked);
        if (!window)
            return kNoWindowWithCaption;
        asked.insert(window);
        const int32_t result = window->close() ? 1 : 0;
        if (!Included)
            return result;
    }
}

float clsProperty::DeviceColors(QPainter* hdc)
{
    // One colour plane of depth() bits; no device reads as 0 bits.
    const int bits = isActive(hdc) && hdc->device() ? hdc->device()->depth() : 0;
    return std::pow(2.0f, float(bits));
}

QString clsProperty::Lang() { return xNEED::Language(); }

int32_t clsProperty::CrtResolution()
{
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? screen->size().width() : 0;
}

int32_t clsProperty::ActivateScreenSaver(bool /*boo*/) { return 0; }

int32_t clsProperty::ExitWindowAPI() { return 0; }

QString clsProperty::Pwd(double dt)
{
    if (!platform::oadate::isValid(dt))
        return {};
    const QDate day = platform::oadate::toDate(dt);
    return monthlycodes::codeOf(day.year(), day.month());
}

bool clsProperty::SetWindowPriority(QWidget* hwnd, ENUM_WINDOWPRIORITY Which)
{
    return trapped(method(), QStringLiteral(" SetWindowPriority"), [&] {
        if (!desktopwindows::isLive(hwnd) || (Which != eHWND_TOPMOST && Which != eHWND_NOTTOPMOST))
            return false;
        if (!hwnd->isWindow()) {
            if (Which == eHWND_TOPMOST)
                hwnd->raise();
            hwnd->show();
            return true;
        }
        // Changing a window's flags re-creates it hidden; put it back where it was.
        const QRect geometry = hwnd->geometry();
        hwnd->setWindowFlag(Qt::WindowStaysOnTopHint, Which == eHWND_TOPMOST);
        hwnd->setGeometry(geometry);
        hwnd->show();
        return true;
    });
}

QString clsProperty::GetAPILastError(int32_t lngLastError)
{
    const char* text = strerrordesc_np(lngLastError);
    return text ? QString::fromLocal8Bit(text).left(128) : QString();
}

int32_t clsProperty::Create_unsigned32bit(int32_t lngHi, int32_t lngLow)
{
    double value = double(lngHi) * 65536.0 + double(lngLow);
    if (value >= 2147483648.0)
        value -= 4294967296.0;
    if (value < double(std::numeric_limits<int32_t>::min()) || value > double(std::numeric_limits<int32_t>::max()))
        throw platform::RuntimeError(platform::errOverflow);
    return int32_t(value);
}

bool clsProperty::IsLoaded(const QList<QWidget*>& frms, const QString& frmName)
{
    return trapped(method(), QStringLiteral("IsLoaded"), [&] {
        for (const QWidget* form : frms) {
            if (!form)
                throw platform::RuntimeError(platform::errObjectNotSet);
            if (form->objectName() == frmName)
                return true;
        }
        return false;
    });
}

bool clsProperty::ChangeIMEMode(QWidget* hwnd, ENUM_IMEONOFF lngIMEMode)
{
    if (!desktopwindows::isLive(hwnd))
        return false;
    hwnd->setAttribute(Qt::WA_InputMethodEnabled, lngIMEMode != eIME_OFF);
    if (hwnd->hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    return true;
}

ENUM_NUMLOCKSTATUS clsProperty::NumLockStatus() { return eNUMLOCK_OFF; }

void clsProperty::setNumLockStatus(ENUM_NUMLOCKSTATUS /*value*/) {}

int32_t clsProperty::SetFlatHeader(QWidget* hwnd)
{
    if (!desktopwindows::isLive(hwnd))
        return 0;
    QHeaderView* header = nullptr;
    if (auto* tree = qobject_cast<QTreeView*>(hwnd))
        header = tree->header();
    else if (auto* table = qobject_cast<QTableView*>(hwnd))
        header = table->horizontalHeader();
    if (!header)
        return 0;
    const int32_t previous = kStyleChild | (header->isHidden() ? 0 : kStyleVisible) |
                             (header->sectionsClickable() ? kHeaderButtons : 0);
    header->setSectionsClickable(false);
    return previous;
}

bool clsProperty::SetPrinterOrientation(ENUM_PRINTERORIENTATION /*intDirection*/)
{
    return trapped(method(), QStringLiteral(" SetPrinterOrientation"), [] { return false; });
}

ENUM_PRINTERORIENTATION clsProperty::GetPrinterOrientation()
{
    return trapped(method(), QStringLiteral(" GetPrinterOrientation"),
                   [] { return ENUM_PRINTERORIENTATION(0); });
}

QString clsProperty::GetGUID()
{
    return trapped(method(), QStringLiteral(" GetGUID"), [] {
        // One reading of the clock, so that the date and time parts agree.
        const QString stamp = platform::now().toString(QStringLiteral("yyyyMMddHHmmss"));
        const QString tick = QString::number(static_cast<int32_t>(tick::count()));
        return stamp + tick.right(5);
    });
}

int32_t clsProperty::RunAssociatedApp(QWidget* /*hwnd*/, const QString& sFullFname, ENUM_SW nShowCmd)
{
    return trapped(method(), QStringLiteral(" RunAssociatedApp"),
                   [&] { return openOnDesktop(sFullFname, false, nShowCmd); });
}

int32_t clsProperty::ExploreHere(QWidget* /*hwnd*/, const QString& sFolder, ENUM_SW nShowCmd)
{
    return trapped(method(), QStringLiteral(" ExploreHere"), [&] { return openOnDesktop(sFolder, true, nShowCmd); });
}

QString clsProperty::GetAssociatedApp(const QString& /*sFileName*/)
{
    return trapped(method(), QStringLiteral(" GetAssociatedApp"), [] { return QString(); });
}

QString clsProperty::GetUserName()
{
    QString name;
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
        name = QString::fromLocal8Bit(entry->pw_name);
    if (name.isEmpty())
        name = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    const qsizetype nul = name.indexOf(QChar(0));
    if (nul >= 0)
        name.truncate(nul);
    // A name that does not fit the 256-character buffer is a failed call.
    return name.size() > 255 ? QString() : name;
}

QWidget* clsProperty::GetWindowHandleByCaptionOnly(const QString& AppCaption, bool Included)
{
    desktopwindows::enumerate();
    return desktopwindows::findInList(AppCaption, Included);
}

int32_t clsProperty::GetBmpBitCount(const QString& strBmpName)
{
    return trapped(method(), QStringLiteral("GetBmpBitCount"), [&] {
        // File header (14 bytes) and information header (40 bytes); bits per pixel at 28.
        const QByteArray header = fileheader::read(strBmpName, 0, 54);
        return int32_t(fileheader::int16At(header, 28));
    });
}

int32_t clsProperty::IconSize(const QString& sIconFullFname)
{
    return trapped(method(), QStringLiteral("IconSize"), [&] {
        if (!QFileInfo(sIconFullFname).isFile())
            return int32_t(0);
        // The information header of the first image starts at 22; its width at 26.
        const QByteArray header = fileheader::read(sIconFullFname, 22, 40);
        return fileheader::int32At(header, 4);
    });
}

int32_t clsProperty::SetFocusByCaption(const QString& AppCaption, ENUM_SW nShowCmd)
{
    return trapped(method(), QStringLiteral(" SetFocusByCaption"), [&] {
        desktopwindows::enumerate();
        QWidget* window = desktopwindows::findInList(AppCaption, false);
        if (!window || !applyShowCommand(window, nShowCmd))
            return int32_t(0);
        window->raise();
        window->activateWindow();
        applyShowCommand(window, nShowCmd);
        return int32_t(1);
    });
}

bool clsProperty::msgIsComboBoxOpend(QWidget* hwnd)
{
    if (!desktopwindows::isLive(hwnd))
        return false;
    const auto* combo = qobject_cast<QComboBox*>(hwnd);
    return combo && combo->view() && combo->view()->isVisible();
}

int32_t clsProperty::GetVScrollWidth()
{
    return widgetApplication() ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
}

int32_t clsProperty::GetDlgBorderHeight()
{
    return widgetApplication() ? QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
}

int32_t clsProperty::WindowTitleHeight()
{
    return widgetApplication() ? QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
}

bool clsProperty::GetWindowWidth(QPainter* hdc, int32_t& orgx, int32_t& orgy, int32_t& extx, int32_t& exty)
{
    return trapped(method(), QStringLiteral("GetWindowWidth"), [&] {
        if (!isActive(hdc))
            return false;
        const QRect window = hdc->window();
        orgx = window.x();
        orgy = window.y();
        extx = window.width();
        exty = window.height();
        return true;
    });
}

bool clsProperty::ExistsRegEntry(const QString& AppName, const QString& SECTION, const QString& KEY)
{
    return platform::settings::read(AppName, SECTION, KEY).has_value();
}

bool clsProperty::RegDefaultKey(const QString& AppName, const QString& SECTION, const QVariant& KEY,
                                const QVariant& Value)
{
    return trapped(method(), QStringLiteral("RegDefaultKey"), [&] {
        const QString key = platform::variantText(KEY);
        if (!ExistsRegEntry(AppName, SECTION, key))
            platform::settings::write(AppName, SECTION, key, platform::variantText(Value));
        return true;
    });
}

int32_t clsProperty::GetProfileValueInt(const QString& sSection, const QString& sKey, const QString& sFullFname)
{
    return trapped(method(), QStringLiteral("GetProfileValueIni"), [&] {
        return platform::profile::getInt(sSection, sKey, kMissingProfileInt, sFullFname);
    });
}

QString clsProperty::GetProfileValueString(const QString& sSection, const QString& sKey, const QString& sFullFname)
{
    return trapped(method(), QStringLiteral("GetProfileValueString"), [&] {
        return platform::profile::getString(sSection, sKey, QString::fromLatin1(kMissingProfileText),
                                            kProfileBufferChars, sFullFname);
    });
}

int32_t clsProperty::apSel_DelObject(QPainter* hdc, const QVariant& SelhObject, const QVariant& DelhObject)
{
    if (!isActive(hdc))
        return 0;
    bool selected = true;
    switch (SelhObject.typeId()) {
    case QMetaType::QFont: hdc->setFont(SelhObject.value<QFont>()); break;
    case QMetaType::QPen: hdc->setPen(SelhObject.value<QPen>()); break;
    case QMetaType::QBrush: hdc->setBrush(SelhObject.value<QBrush>()); break;
    case QMetaType::QPixmap:
    case QMetaType::QImage:
    case QMetaType::QBitmap: break; // a painter keeps its device; the picture is released by its owner
    default: selected = false;
    }
    // Qt's graphics objects are values that free themselves: any object deletes.
    const bool deleted = DelhObject.isValid();
    return selected && deleted ? 1 : 0;
}

int32_t clsProperty::SetMapWindow(QPainter* hdc, ENUM_MAPMODE MapMode, int32_t orgx, int32_t orgy, int32_t extx,
                                  int32_t exty)
{
    if (!isActive(hdc) || MapMode < eMM_TEXT || MapMode > eMM_ANISOTROPIC)
        return 0;
    const QRect viewport = hdc->viewport();
    QRect window;
    if (MapMode == eMM_TEXT) {
        window = QRect(orgx, orgy, viewport.width(), viewport.height()); // one unit per pixel
    } else if (const int units = unitsPerInch(MapMode)) {
        const QPaintDevice* device = hdc->device();
        const int width = int(std::lround(double(viewport.width()) * units / device->logicalDpiX()));
        const int height = int(std::lround(double(viewport.height()) * units / device->logicalDpiY()));
        window = QRect(orgx, orgy, width, -height); // y grows upward
    } else {
        if (extx == 0 || exty == 0)
            return 0;
        window = QRect(orgx, orgy, extx, exty);
    }
    hdc->setWindow(window);
    if (MapMode == eMM_ISOTROPIC)
        makeIsotropic(hdc);
    return 1;
}

int32_t clsProperty::SetMapViewPort(QPainter* hdc, int32_t orgx, int32_t orgy, int32_t extx, int32_t exty)
{
    if (!isActive(hdc) || extx == 0 || exty == 0)
        return 0;
    hdc->setViewport(QRect(orgx, orgy, extx, exty));
    return 1;
}

int16_t clsProperty::Calcul2Byte(uint8_t Mae, uint8_t Ato)
{
    // Two's complement of the two bytes; 0x8000 is -32768, not an overflow.
    return trapped(method(), QStringLiteral("Calcul2Byte"),
                   [&] { return static_cast<int16_t>(static_cast<uint16_t>((Ato << 8) | Mae)); });
}

uint8_t clsProperty::MinusOpForBin(int16_t intTarget)
{
    // The magnitude of -32768 does not fit a 16-bit value, let alone a byte.
    const int32_t value = intTarget < 0 ? (-int32_t(intTarget)) | 128 : intTarget;
    if (value > 255)
        throw platform::RuntimeError(platform::errOverflow);
    return uint8_t(value);
}

bool clsProperty::ExistsPrinterFont(const QString& FontName)
{
    // Printing goes through the same font database as the screen here.
    if (!qGuiApp)
        return false;
    return QFontDatabase::families().contains(FontName, Qt::CaseSensitive);
}

int32_t clsProperty::GetHiWord(int32_t LongValue)
{
    // The true high 16 bits, also of a negative value, so a packed pair splits
    // correctly whatever the sign of its halves.
    return int32_t(static_cast<uint32_t>(LongValue) >> 16);
}

QVariant clsProperty::ToMinus(const QVariant& Num)
{
    switch (Num.typeId()) {
    case QMetaType::UnknownType: return QVariant(0); // an empty value counts as 0
    case QMetaType::Nullptr: return Num;
    case QMetaType::Bool: return Num.toBool() ? Num : QVariant(0); // True is -1
    case QMetaType::SChar: return negatedSigned<signed char>(Num);
    case QMetaType::Short: return negatedSigned<short>(Num);
    case QMetaType::Int: return negatedSigned<int>(Num);
    case QMetaType::Long: return negatedSigned<long>(Num);
    case QMetaType::LongLong: return negatedSigned<qlonglong>(Num);
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: return negatedUnsigned(Num);
    case QMetaType::Float:
    case QMetaType::Double: return negatedReal(Num.toDouble(), Num);
    case QMetaType::QString: {
        const double value = numberInText(Num.toString());
        return negatedReal(value, QVariant(value));
    }
    default: throw platform::RuntimeError(platform::errTypeMismatch);
    }
}

bool clsProperty::ExistsVSCROLL(QWidget* hwnd)
{
    if (!desktopwindows::isLive(hwnd))
        return false;
    const auto* area = qobject_cast<QAbstractScrollArea*>(hwnd);
    const QScrollBar* bar = area ? area->verticalScrollBar() : nullptr;
    return bar && bar->isVisibleTo(area);
}

int32_t clsProperty::GetWinVer(int32_t& MajorVer, int32_t& Minorver, int32_t& PlatFormID)
{
    // The kernel's version stands for the system's; the platform is reported as
    // the NT family (2), whose interface the library's stand-ins follow.
    int32_t major = 0;
    int32_t minor = 0;
    const bool read = kernelVersion(major, minor);
    MajorVer = major;
    Minorver = minor;
    PlatFormID = read ? 2 : 0;
    return read ? 1 : 0;
}

int32_t clsProperty::CvWithSign(int32_t lngValue)
{
    // At most four hex digits read as a signed 16-bit value.
    return lngValue >= 0 && lngValue <= 0xFFFF ? int32_t(static_cast<int16_t>(lngValue)) : lngValue;
}

int32_t clsProperty::GetLoWord(int32_t LongValue) { return int32_t(static_cast<uint32_t>(LongValue) & 0xFFFFu); }

QString clsProperty::GetKBDInfo(int16_t Flag)
{
    const bool japanese = xNEED::IsJapan();
    switch (Flag) {
    case 0: return keyboardnames::typeName(japanese ? kJapaneseKeyboard : kEnhancedKeyboard);
    case 1: return keyboardnames::subtypeName(japanese ? kJapaneseSubtype : kEnhancedSubtype);
    case 2: return QString::number(kFunctionKeys);
    default: return {};
    }
}

bool clsProperty::WriteProfileValue(const QString& sSection, const QString& sKey, const QVariant& vValue,
                                    const QString& sFullFname)
{
    return trapped(method(), QStringLiteral("WriteProfileValue"), [&] {
        return platform::profile::writeString(sSection, sKey, platform::variantText(vValue), sFullFname);
    });
}

bool clsProperty::JugeIDE()
{
    // The program this library runs in; the development environment was "VB6.EXE".
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (program.isEmpty()) {
        platform::ui().messageBox(QStringLiteral("err GetModuleFileName"), platform::vbCritical | platform::vbOKOnly,
                                  xNEED::applicationTitle());
        return false;
    }
    return QFileInfo(program).fileName().toUpper() == QLatin1String("VB6.EXE");
}

} // namespace Ostrel7
