#pragma once
// What every editing window of the setting program (the parameter, customize
// and feed-pitch windows) offers the main window, which finds them among its
// MDI children by their form name and tag and talks to them only through
// these members: whether they hold unsaved edits, resetting that state,
// writing their grids back into the data model, and their button bar.

#include <QString>
#include <QPixmap>
#include <QWidget>

class QCloseEvent;

namespace QelmSet {

class EditingWindow : public QWidget {
    Q_OBJECT

public:
    // formName is the design's form name ("fParam", "fCusData", "fOkuriParam"),
    // by which the main window recognises an editing window.
    explicit EditingWindow(const QString& formName, QWidget* parent = nullptr);

    // The window's tag: the function it shows, or its connector id. One tag
    // stands for at most one open window.
    const QString& Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // True while the window holds edits not yet written back and saved.
    bool IsChanged() const { return changed_; }
    // Sets the changed state; the Save button (BTN1) is enabled exactly while changed.
    virtual void ControlChange(bool changed);
    // High enough to show every button of the button bar picCMD: the least
    // height the arrangement of the main window gives the window.
    QSize minimumSizeHint() const override;

    // Writes what the grids show back into the data model, so that a save
    // writes it. False (after the window's own report) when a value could not
    // be written back: the save then stops rather than write part of the edits.
    virtual bool Update_Variable() = 0;

    // Fills the list of differences anew from the data model, as after a
    // save; only the window of differences has one, the others do nothing.
    virtual void PasteDifs() {}

public slots:
    // A button of the button bar; 1 is Save.
    virtual void BTN_Click(int index) = 0;

    // A picture of the resource library, decoded once per run: every window
    // shows the same ones. With `masked`, its magenta pixels (the mask colour
    // of the button pictures) are transparent. Null for an unknown picture.
    static QPixmap picture(int32_t id, bool masked);

protected:
    // The close question for unsaved edits.
    void closeEvent(QCloseEvent* event) override;
    // The title bar of the frame the window is shown in carries the window's picture.
    bool event(QEvent* event) override;

private:
    QString tag_;
    bool changed_ = false;
};

} // namespace QelmSet
