#pragma once
// Drawing and control helpers of the utility library, and the one error report
// every deliverable uses: ErrReg shows the error and appends it to Err.log.
//
// A device context is a QPainter* (null draws nothing), a window a QWidget*, a
// picture a QPixmap, a colour 0x00BBGGRR (0x80000000 + n a system colour).
// Members are declared in the order callers have always bound to them.

#include <QString>
#include <QVariant>
#include <cstdint>

class QComboBox;
class QPainter;
class QPixmap;
class QRect;
class QWidget;

namespace Ostrel7 {

// Edge styles of the 3D frames: an outer and an inner border, each raised or sunken.
enum ENUM_EDGE : int32_t {
    EDGE_BUMP = 9,
    EDGE_ETCHED = 6,
    EDGE_RAISED = 5,
    EDGE_SUNKEN = 10,
    BDR_RAISEDINNER = 4,
    BDR_RAISEDOUTER = 1,
    BDR_SUNKENINNER = 8,
    BDR_SUNKENOUTER = 2,
};

enum ENUM_GradeDirection : int32_t {
    eLeftRight = 0,
    eTopBottom = 1,
};

class clsMethod {
public:
    // Repeats BmpDest from the top-left corner over the whole device objDest
    // paints on. A null objDest raises error 91, an empty picture error 11.
    void TileBitmap(QPainter* objDest, const QPixmap& BmpDest);

    // Writes vStdValue under the key of the INI file when the key is missing;
    // numbers and texts only (anything else shows "Unknown vartype !").
    void RegIniDefaultKey(const QString& sSection, const QString& sKey, const QVariant& vStdValue,
                          const QString& sFullFname);

    // An edge around the control, lngSA pixels outside its outline (error 91 without a control).
    void DrawButtonEdge(QPainter* hdc, QWidget* btn, ENUM_EDGE lngStyle, int32_t lngSA);

    // An etched line along Top from Left to Right.
    void DrawSeparateLine(QPainter* hdc, int32_t Left, int32_t Top, int32_t Right);

    // Fills the client area of hwnd with a gradient from clrStart to clrEnd.
    void Gradate(QWidget* hwnd, QPainter* hdcDest, uint32_t clrStart, uint32_t clrEnd,
                 ENUM_GradeDirection lngDirection);

    // An edge lngSA pixels outside the rectangle; a raised one when no style is given.
    void DrawWaku(QPainter* hdc, int32_t lngLeft, int32_t lngTop, int32_t lngRight, int32_t lngBottom,
                  int32_t lngSA, ENUM_EDGE lngStyle = ENUM_EDGE(0));

    // Enter (13) moves the focus on as TAB would and is swallowed (KeyAscii 0).
    void SendTab(int16_t& KeyAscii);

    // The text area inside an edit control; with lngRight 0 the margins are
    // lngLeft and lngTop on both sides (lngBottom is then ignored).
    void SetTextRect(QWidget* hwnd, int32_t lngLeft, int32_t lngTop, int32_t lngRight = 0, int32_t lngBottom = 0);

    // The combo box and its open list together take lngpixNewHeight pixels.
    void SetComboListHeight(QComboBox* cmbDest, int32_t lngpixNewHeight);

    // For got-focus handlers: select all when the focus came with TAB or ALT
    // held, else leave the caret where the click put it. Errors are dropped.
    void TextSelOp(QWidget* txtCTL);
    // Always selects the whole text. Errors are dropped.
    void TextSelOpABS(QWidget* txtCTL);

    // Opens the drop-down list of a combo box; any other window is left alone.
    void msgOpenComboBox(QWidget* hwnd);

    // The open list of the combo box is at least lngpixNewWidth pixels wide.
    void SetComboListWidth(QComboBox* cmbDest, int32_t lngpixNewWidth);

    // Shows the error (critical box titled "ERROR") and appends one line to
    // Err.log in the library folder. Code 0 does nothing. Never throws: a log
    // that cannot be written is skipped after the box was shown.
    void ErrReg(int32_t ERRCode, const QString& ErrString, const QString& ModuleName);

    // Conditions joined by " AND ": CheckWhere adds the joint when WhereStr
    // already holds a condition (two characters or more), MakeWhereStr adds NewWhere after it.
    void CheckWhere(QString& WhereStr);
    void MakeWhereStr(QString& OrgWhere, const QString& NewWhere);

    // The two signed 16-bit halves of a packed coordinate pair, x in the low half.
    void Separate32WithSign(int32_t tLong, int16_t& tx, int16_t& ty);

    // An edge on the rectangle (right and bottom exclusive).
    void DrawEdgeAPI(QPainter* hdc, int32_t lngLeft, int32_t lngTop, int32_t lngRight, int32_t lngBottom,
                     ENUM_EDGE lngWTYPE);

    // An edge on the client area of hwnd, grown by xMINUS/yMINUS on each side,
    // then its right and bottom moved by xRIGHTHOSEI/yBOTTOMHOSEI.
    void DrawMyEdge(ENUM_EDGE WTYPE, QPainter* hdc, QWidget* hwnd, int32_t xMINUS, int32_t yMINUS,
                    int32_t xRIGHTHOSEI, int32_t yBOTTOMHOSEI);

    // Confining the pointer has no portable meaning on Linux desktops: both do nothing.
    void ClipCursor32(QWidget* hwnd, int16_t pixelWidth, int16_t pixelHeight);

    // Puts the pointer at the middle of the screen userHDC draws on, 35 pixels low.
    void PutCursorToCenter32(QPainter* userHDC);

    // Centres the window on its screen (error 424 without a window).
    void PutFormAtCenter(QWidget* TForm);

    void ReleaseCursor32();

    // Opens the help file in the desktop's viewer; a missing file is told in a box.
    void RunHelp32(QWidget* hwnd, const QString& FullHelpName);

    // Waits PauseTIME seconds, handling events meanwhile (at least once).
    void WaitChotto(float PauseTIME);
    // Waits PauseTIME seconds without handling any event.
    void WaitChottoWithoutEvent(float PauseTIME);

    // Width and height of a bitmap file's header; both 0 (the height a 16-bit 0)
    // when the file does not exist. A file that is not a bitmap is reported and
    // leaves both outputs as they were.
    void GetBmpSize(const QString& strBmpName, int32_t& lngWidth, QVariant& lngHeight);

    // Splits FileName at its first ".": tHidari before it, tMigi after it. A name
    // without "." goes whole to tHidari and leaves tMigi alone; "" empties both.
    void SeparateFNAME(const QString& FileName, QString& tHidari, QString& tMigi);

private:
    // Paints the bands of a gradient over rect (which starts at 0); painter may be null.
    void DrawGradation(const QRect& rect, QPainter* painter, uint32_t clrStart, uint32_t clrEnd,
                       ENUM_GradeDirection direction);
};

} // namespace Ostrel7
