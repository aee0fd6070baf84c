#pragma once
// System, window, settings, INI, printer, keyboard and device-context queries of
// the utility library. The members are declared in the order of the class's
// published interface; callers bind to that order, so keep it.
//
// On this platform a window handle is a QWidget* and a device context a
// QPainter*; both may be null (or, for windows, already gone), which every
// member answers like a failed system call. Members whose system service has no
// counterpart here answer that failed result too and never change anything
// outside the program (no power-off, no screen-saver or printer setting).

#include <QList>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

class QPainter;
class QWidget;

namespace Ostrel7 {

class clsMethod;

enum ENUM_GETFONT : int32_t {
    eFONT_CAPTION = 0,
    eFONT_CAPTION_TOOLBAR = 1,
    eFONT_MENU = 2,
    eFONT_STATUSBAR = 3,
    eFONT_MESSAGEBOX = 4,
};

enum ENUM_CLOSEAPPLICATION : int32_t {
    eBY_HWND = 0,
    eBY_CAPTION = 1,
};

enum ENUM_WINDOWPRIORITY : int32_t {
    eHWND_TOPMOST = -1,
    eHWND_NOTTOPMOST = -2,
};

enum ENUM_IMEONOFF : int32_t {
    eIME_ON = 1,
    eIME_OFF = 0,
};

enum ENUM_NUMLOCKSTATUS : int32_t {
    eNUMLOCK_ON = 1,
    eNUMLOCK_OFF = 0,
};

enum ENUM_PRINTERORIENTATION : int32_t {
    vbPRORPortrait = 1,
    vbPRORLandscape = 2,
};

enum ENUM_SW : int32_t {
    SW_HIDE = 0,
    SW_NORMAL = 1,
    SW_MINIMIZE = 6,
    SW_SHOW = 5,
    SW_MAXIMIZE = 3,
    SW_MAX = 10,
    SW_SHOWNORMAL = 1,
    SW_SHOWMINIMIZED = 2,
    SW_SHOWMAXIMIZED = 3,
    SW_SHOWNOACTIVATE = 4,
    SW_SHOWMINNOACTIVE = 7,
    SW_SHOWNA = 8,
    SW_RESTORE = 9,
    SW_SHOWDEFAULT = 10,
};

enum ENUM_MAPMODE : int32_t {
    eMM_TEXT = 1,
    eMM_LOMETRIC = 2,
    eMM_HIMETRIC = 3,
    eMM_LOENGLISH = 4,
    eMM_HIENGLISH = 5,
    eMM_TWIPS = 6,
    eMM_ISOTROPIC = 7,
    eMM_ANISOTROPIC = 8,
};

class clsProperty {
public:
    clsProperty();
    ~clsProperty();
    clsProperty(const clsProperty&) = delete;
    clsProperty& operator=(const clsProperty&) = delete;

    // Family of a system font: title bar (both caption kinds), menu, status bar
    // or message box (any other value); "" without a running application.
    QString GetFontName(ENUM_GETFONT eVALUE);
    // eBY_HWND: asks the window held by `var` to close; 1 when it closed, 0 when
    // it refused or is gone. eBY_CAPTION: the same for the window whose caption
    // equals (Included: contains) the text of `var`; with Included every such
    // window is asked once. -2 when no (further) window matches.
    int32_t CloseApp(const QVariant& var, ENUM_CLOSEAPPLICATION Which, bool Included = false);
    // 2 raised to the bits per pixel of the painter's device; 1 without one.
    float DeviceColors(QPainter* hdc);
    // The English name of the system locale's country.
    QString Lang();
    // Width of the primary screen in pixels; 0 without one.
    int32_t CrtResolution();
    // Never touches the desktop's screen saver: answers 0 (not done).
    int32_t ActivateScreenSaver(bool boo);
    // Never shuts the system down: answers 0 (not done).
    int32_t ExitWindowAPI();
    // The access code of the month of the automation date `dt`; "" outside
    // September 2003 to August 2053.
    QString Pwd(double dt);
    // Keeps the window above all others (eHWND_TOPMOST) or takes that back
    // (eHWND_NOTTOPMOST), at the same position and size, and shows it.
    bool SetWindowPriority(QWidget* hwnd, ENUM_WINDOWPRIORITY Which);
    // The system's text for an error number (at most 128 characters); "" for a
    // number the system has no text for.
    QString GetAPILastError(int32_t lngLastError);
    // lngHi * 65536 + lngLow folded into a signed 32-bit value; throws
    // RuntimeError(6) when the sum still does not fit.
    int32_t Create_unsigned32bit(int32_t lngHi, int32_t lngLow);
    // True when a form whose object name equals frmName (case-sensitive) is in frms.
    bool IsLoaded(const QList<QWidget*>& frms, const QString& frmName);
    // Enables (eIME_ON) or disables input-method composition for the widget.
    bool ChangeIMEMode(QWidget* hwnd, ENUM_IMEONOFF lngIMEMode);
    // The NUM LOCK state cannot be read or set portably: reads as off, and
    // setting it changes nothing.
    ENUM_NUMLOCKSTATUS NumLockStatus();
    void setNumLockStatus(ENUM_NUMLOCKSTATUS value);
    // Makes the column header of a tree or table view flat (not clickable);
    // answers the header's previous style bits, 0 when there is no header.
    int32_t SetFlatHeader(QWidget* hwnd);
    // The system printers' settings are never changed: answers False.
    bool SetPrinterOrientation(ENUM_PRINTERORIENTATION intDirection);
    // No printer can be opened by the library here: answers 0.
    ENUM_PRINTERORIENTATION GetPrinterOrientation();
    // "yyyyMMddHHmmss" of the clock, then the last five characters of the
    // system tick as a signed 32-bit decimal.
    QString GetGUID();
    // Opens the file with the desktop's associated program (Ui::openDocument): 33 when
    // started, 2 when the file does not exist, 31 when it could not be started.
    int32_t RunAssociatedApp(QWidget* hwnd, const QString& sFullFname, ENUM_SW nShowCmd);
    // Opens the folder in the desktop's file manager, with the same results
    // (31 also for a path that is not a folder).
    int32_t ExploreHere(QWidget* hwnd, const QString& sFolder, ENUM_SW nShowCmd);
    // No association query is available here: answers "".
    QString GetAssociatedApp(const QString& sFileName);
    // The login name of the user the program runs as.
    QString GetUserName();
    // The first window (or child widget) whose caption equals AppCaption or,
    // with Included, contains it (case-sensitive); nullptr when none does.
    QWidget* GetWindowHandleByCaptionOnly(const QString& AppCaption, bool Included = false);
    // The bits-per-pixel field of a BMP file; 0 after a reported error.
    int32_t GetBmpBitCount(const QString& strBmpName);
    // The width field of the first image of an icon file; 0 when it is missing.
    int32_t IconSize(const QString& sIconFullFname);
    // Shows the window whose caption equals AppCaption with nShowCmd and brings
    // it to the front; 1 when done, 0 when none matches.
    int32_t SetFocusByCaption(const QString& AppCaption, ENUM_SW nShowCmd);
    // True when the combo box's drop-down list is shown.
    bool msgIsComboBoxOpend(QWidget* hwnd);
    // Metrics of the current style, in pixels; 0 without a running application.
    int32_t GetVScrollWidth();
    int32_t GetDlgBorderHeight();
    int32_t WindowTitleHeight();
    // The painter's window origin and extent; False (outputs untouched) without
    // an active painter.
    bool GetWindowWidth(QPainter* hdc, int32_t& orgx, int32_t& orgy, int32_t& extx, int32_t& exty);

    // True when the per-user setting holds a non-empty text.
    bool ExistsRegEntry(const QString& AppName, const QString& SECTION, const QString& KEY);
    // Writes Value as text where the setting is missing or empty; True when done
    // (written or not), False after a reported failure.
    bool RegDefaultKey(const QString& AppName, const QString& SECTION, const QVariant& KEY, const QVariant& Value);
    // INI values at a path the caller gives.
    int32_t GetProfileValueInt(const QString& sSection, const QString& sKey, const QString& sFullFname);
    QString GetProfileValueString(const QString& sSection, const QString& sKey, const QString& sFullFname);

    // Selects a font, pen or brush (a pixmap is taken as selected) into the
    // painter and lets DelhObject go; 1 when both succeeded.
    int32_t apSel_DelObject(QPainter* hdc, const QVariant& SelhObject, const QVariant& DelhObject);
    // Sets the logical coordinate system: window origin and, for the isotropic
    // and anisotropic modes, extent; the other modes fix the extent from the
    // device resolution (y upward for the metric and English modes). 1 when done.
    int32_t SetMapWindow(QPainter* hdc, ENUM_MAPMODE MapMode, int32_t orgx, int32_t orgy, int32_t extx,
                         int32_t exty);
    // Sets the viewport origin and extent; 1 when done.
    int32_t SetMapViewPort(QPainter* hdc, int32_t orgx, int32_t orgy, int32_t extx, int32_t exty);
    // The signed 16-bit value with low byte Mae and high byte Ato.
    int16_t Calcul2Byte(uint8_t Mae, uint8_t Ato);
    // Sign-magnitude byte: |intTarget| with bit 7 set for a negative value;
    // throws RuntimeError(6) when that does not fit a byte.
    uint8_t MinusOpForBin(int16_t intTarget);
    // True when a font family of exactly that name is available to print with.
    bool ExistsPrinterFont(const QString& FontName);
    // The high 16 bits, 0 to 65535.
    int32_t GetHiWord(int32_t LongValue);
    // The negative magnitude of a number (negative values and 0 unchanged);
    // throws RuntimeError(13) for a value that is not a number.
    QVariant ToMinus(const QVariant& Num);
    // True when the scroll area shows its vertical scroll bar.
    bool ExistsVSCROLL(QWidget* hwnd);
    // The kernel's major and minor version; 1 when read, else 0.
    int32_t GetWinVer(int32_t& MajorVer, int32_t& Minorver, int32_t& PlatFormID);
    // 0 to 65535 read as a signed 16-bit value; any other value unchanged.
    int32_t CvWithSign(int32_t lngValue);
    // The low 16 bits, 0 to 65535.
    int32_t GetLoWord(int32_t LongValue);
    // Flag 0: keyboard type name, 1: subtype name, 2: number of function keys;
    // "" for any other flag.
    QString GetKBDInfo(int16_t Flag);
    bool WriteProfileValue(const QString& sSection, const QString& sKey, const QVariant& vValue,
                           const QString& sFullFname);
    // True only when running inside the old development environment, which
    // never happens here.
    bool JugeIDE();

private:
    clsMethod& method();
    std::unique_ptr<clsMethod> method_;
};

} // namespace Ostrel7
