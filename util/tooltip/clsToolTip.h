#pragma once
// A tooltip over one parent window: tools are areas of the parent, each with
// its own text, keyed by the caller's id. The tip shows after the mouse rests
// on a tool, in the tooltip's own colours, margins and maximum width, and goes
// away after the auto-pop time, when the mouse leaves the tool or its text
// becomes empty. A tracked tool shows its tip where the caller places it.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QWidget;

namespace Ostrel7 {

class clsToolTip : public QObject {
public:
    // Which side GetMargin and GetBoundingRect answer.
    enum ENUM_TIRECT : int32_t { eTIMarginLeft = 1, eTIMarginTop = 2, eTIMarginRight = 3, eTIMarginBottom = 4 };

    clsToolTip();
    ~clsToolTip() override;
    clsToolTip(const clsToolTip&) = delete;
    clsToolTip& operator=(const clsToolTip&) = delete;

    // Creates the tip window for the parent; False without a parent. Until
    // then the gets answer 0, Add answers False and the lets do nothing.
    bool Create(QWidget* hwnd);
    // A tool with id lngKey; an all-zero rectangle means the parent's whole
    // client area at the time of the call.
    bool Add(int32_t lngKey, const QString& sText = QString(), int32_t lngLeft = 0, int32_t lngTop = 0,
             int32_t lngRight = 0, int32_t lngBottom = 0);
    void Remove(int32_t lngKey);

    // Colours 0x00BBGGRR (system colours allowed).
    int32_t BackColor() const;
    void setBackColor(int32_t value);
    int32_t ForeColor() const;
    void setForeColor(int32_t value);

    // Delays in milliseconds; a negative value restores that delay's default.
    int32_t InitialTime() const;
    void setInitialTime(int32_t value);
    int32_t AutoPopTime() const;
    void setAutoPopTime(int32_t value);
    int32_t ReShowTime() const;
    void setReShowTime(int32_t value);

    void SetMargin(int32_t lngLeft, int32_t lngTop, int32_t lngRight, int32_t lngBottom);
    int32_t GetMargin(int32_t Which) const;
    // Pixels of text per line before it wraps; -1 for no limit.
    int32_t MaxWidth() const;
    void setMaxWidth(int32_t value);

    void SetBoundingRect(int32_t lngKey, int32_t lngLeft, int32_t lngTop, int32_t lngRight, int32_t lngBottom);
    int32_t GetBoundingRect(int32_t lngKey, int32_t Which) const;
    int32_t ToolCount() const;
    // An empty text shows no tip for that tool.
    void setToolText(int32_t lngKey, const QString& text);

    void setActivate(bool value);
    void setToolTrack(int32_t lngKey, bool value);
    // Screen position of a tracked tip.
    void ToolTrackPosition(int32_t lngX, int32_t lngY);

    // The tip window (null before Create or after its parent went away).
    QLabel* tipWindow() const { return tip_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tool {
        int32_t id;
        int32_t left, top, right, bottom;
        QString text;
    };

    bool bound() const { return !tip_.isNull() && !parent_.isNull(); }
    Tool* find(int32_t id);
    const Tool* find(int32_t id) const;
    const Tool* toolAt(const QPoint& pos) const;
    static int32_t side(int32_t which, int32_t left, int32_t top, int32_t right, int32_t bottom);

    void mouseMoved(const QPoint& pos, const QPoint& globalPos);
    void mouseLeft();
    void arm(int32_t delay);
    void showHoverTip();
    void display(const Tool& tool, const QPoint& globalPos);
    void layoutTip(const QString& text);
    void applyLook();
    void hideTip();

    QPointer<QWidget> parent_;
    QPointer<QLabel> tip_;
    std::vector<Tool> tools_;
    QTimer showTimer_;
    QTimer popTimer_;
    bool filtering_ = false;

    int32_t backColor_ = 0;
    int32_t foreColor_ = 0;
    int32_t initialTime_ = 0;
    int32_t autoPopTime_ = 0;
    int32_t reShowTime_ = 0;
    int32_t margins_[4] = {0, 0, 0, 0};
    int32_t maxWidth_ = -1;
    bool active_ = true;

    std::optional<int32_t> hoverKey_;  // tool under the mouse
    std::optional<int32_t> shownKey_;  // tool whose tip is showing
    std::optional<int32_t> trackKey_;  // tool being tracked
    QPoint mouseGlobal_;
    QPoint trackPos_;
};

} // namespace Ostrel7
