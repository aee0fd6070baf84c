#pragma once
// The step editor's main window: an MDI frame that runs the start-up, holds
// every long-lived object of the run (library objects, the two step programs,
// the two step windows, the wait-message box) and hosts the user and the
// reference step windows. Its own surface is a cool bar with a four-button
// toolbar (Close, Option, Data copy, Arrange window) and the Option pop-up menu
// with its View submenu; the step windows do the editing.

#include <QMainWindow>
#include <QMap>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace platform {
class SingleInstance;
}

namespace QelmStp {

struct ProgramState;
class fStep;

class fMain : public QMainWindow {
    Q_OBJECT

public:
    fMain();
    ~fMain() override;

    // Refuses a second running copy with message 83; False when this copy must end.
    static bool MDIForm_Initialize(const platform::SingleInstance& instance);
    // The start-up sequence, ending with the user window shown and the step
    // file of the command line (the whole text, one path) opened in it.
    // False (after its message) when the program must end.
    bool MDIForm_Load(const QString& commandLine);
    // Asks the step windows whether they may close (the user window asks about
    // a changed program), closing none: True when the program may end.
    bool MDIForm_QueryUnload();
    // The shut-down: the step windows unload, the held objects are released.
    void MDIForm_Unload();

    ProgramState& state() { return *state_; }
    QMdiArea& mdiArea() { return *mdi_; }

    // The options in the per-user store (the step windows write them back too).
    bool CheckRegData();
    bool ReadSettings();
    void SaveSettings();

    // The child windows one above the other, each as wide as the area; the
    // area scrolls when they do not fit at their least height.
    void ArrangeTiled();
    // Applies the toolbar-text option to a step window and lays it out again.
    void UpdateButtonDisplay(fStep& window);
    void CheckOptionMenu();

    // Command handlers, by the key of the button and the index of the item.
    void tBar_ButtonClick(const QString& key);
    void mnuViewContent_Click(int32_t index);
    void mnuOptionContent_Click(int32_t index);

    // A toolbar button by its key ("keyCLOSE", "keyOption", "DataCopy", "keyWARRANGE").
    QAction* toolKey(const QString& key) const;
    QMenu& mnuOption() { return *mnuOption_; }
    QAction* mnuViewContent(int32_t index) const;
    QAction* mnuOptionContent(int32_t index) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool CreateActiveX();
    void ReleaseActiveX();
    void InitApp();
    void SetCaptions();
    void SetImageList();
    void SetToolBar();
    void SetCoolBarBandWidth();
    void OpenCommandLineFile(const QString& commandLine);
    void UnloadStepWindows();
    void buildMenus();
    void connectCommands();
    void DataCopy();
    void PopupOptionMenu();
    QList<fStep*> loadedStepWindows() const;

    std::unique_ptr<ProgramState> state_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* band_ = nullptr; // the cool bar's band "keytBar"
    QWidget* pictBar_ = nullptr;
    QToolBar* tBar_ = nullptr;
    QMap<QString, QIcon> imgListToolBar_;
    QMenu* mnuOption_ = nullptr;
    QMenu* mnuView_ = nullptr;
    std::array<QAction*, 4> mnuViewContent_{};   // 1 to 3
    std::array<QAction*, 4> mnuOptionContent_{}; // 1 to 3
    bool unloaded_ = false;
};

} // namespace QelmStp
