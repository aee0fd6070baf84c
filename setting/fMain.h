#pragma once
// The setting program's main window: an MDI frame whose editing windows show
// the factory (STD) and user (USR) tables. It creates and holds the library
// objects of the run, reads the controller's setting tables from the archive
// at start, opens STD and USR table files into the data model through private
// working copies, and cleans up when it closes.

#include <QIcon>
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <functional>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QMdiArea;
class QMenu;
class QStatusBar;
class QToolBar;

namespace platform {
class SingleInstance;
}
namespace Telva27 {
class colclsCustom;
class colclsStyle;
} // namespace Telva27

namespace QelmSet {

struct ProgramState;
class ConnectorTables;
class EditingWindow;

class fMain : public QMainWindow {
    Q_OBJECT

public:
    fMain();
    ~fMain() override;

    // Refuses a second running copy with message 46; False when this copy must end.
    static bool MDIForm_Initialize(const platform::SingleInstance& instance);
    // The start-up sequence. False (after its message) when the program must end.
    bool MDIForm_Load(const QString& commandLine);
    // Asks each editing window with unsaved edits as closing it alone would,
    // closing none of them: True when every one agreed (the program may end).
    bool MDIForm_QueryUnload();
    // The shut-down sequence: working copies deleted, library objects released.
    void MDIForm_Unload();

    ProgramState& state() { return *state_; }
    QMdiArea& mdiArea() { return *mdi_; }

    // Full paths of the loaded files; empty while none of that kind is loaded.
    const QString& StdFilePath() const { return stdFilePath_; }
    const QString& UsrFilePath() const { return usrFilePath_; }

    // Reading the setting tables and opening table files.
    bool ReadSettingTables();
    // kind 1 STD, 0 USR; an empty path asks for the file.
    void ReadQELMData(int32_t kind, const QString& path);
    QString GetSettingFile(int32_t kind);
    bool ExactFile(const QString& path);
    int32_t GetStartingLocationReading(int32_t fileType, int32_t kind);
    QString MakeSekfile(const QString& path);
    bool ReadModelData(int32_t kind, const QString& file, int32_t position, const QString& sekPath);
    void DispFileInfo(const QString& path);
    void DeleteTempFiles();

    // The connector pin tables and the customize menu that opens them.
    void CreateConStyles();
    void SetCustomizeMenuTags();
    Telva27::colclsStyle* FindColConStyle(const QString& tag);
    QMenu& mnuCustomize() { return *mnuCustomize_; }

    // The modifier keys held at the moment of a click (tests replace it).
    std::function<Qt::KeyboardModifiers()> heldModifiers;

    // Saves the USR data with one of the save keys ("keyOVERWRITE",
    // "keySAVEAS", "keySAVEASOTHERTB"); True when it was saved.
    bool SaveAllFiles(const QString& key);
    // The table (0 to 7) of an eight-table USR file that its data was read
    // from or last saved to: where an overwrite goes.
    int32_t UsrTableIndex() const { return usrTableIndex_; }

    // Command handlers, by the key of the button or item.
    void tBar_ButtonClick(const QString& key);
    void tBar_ButtonDropDown(const QString& key);
    void tBar_ButtonMenuClick(const QString& key);
    void tBar2_ButtonClick(const QString& key);
    void mnuParamContent_Click(int32_t index);
    void mnuCustomizeContent_Click(int32_t index);
    void SetReadingPath(QWidget* owner, const QString& folder);

    // The toolbars, their images and the parameter menu.
    void SetImageList();
    void CreateToolBars();
    void SetCoolBarBandWidth();
    void Create_mnuParam();
    void SetCaption();
    void EnableToolButtons();
    // A toolbar button or button-menu item by its key ("keyOPEN", "keyOVERWRITE" ...).
    QAction* toolKey(const QString& key) const;

    // The editing windows among the MDI children, found by form name and tag.
    static bool IsInputForm(const QString& formName);
    bool ExistForm(const QString& tag);
    void SetFocusToForm(const QString& tag);
    bool IsExistChanged();
    bool QueryChanged();
    void CancelAllUpdate();
    // False when a window stayed open (its user cancelled its close question).
    bool CloseAllForm();
    EditingWindow* IsLoadedFormByTag(const QString& tag);
    // Adds an item to the parameter menu and answers its index (0 after a report).
    int32_t Load_mnuParamCotentn();
    QMenu& mnuParam() { return *mnuParam_; }
    // The status bar at the bottom, with its one panel "keyMSG".
    QStatusBar& sBar() { return *sBar_; }
    QAction* mnuParamContent(int32_t index) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool CreateActiveX();
    void ReleaseActiveX();
    void InitGlobals();
    bool LoadRegSettings();
    bool CheckRegData();
    bool ReadRegValues(); // False when a stored value did not convert
    void OpenCommandLineFile(const QString& commandLine);

    void buildCustomizeMenu();
    void connectCommands();
    bool OpenSequence();
    void OpenEditingWindow(EditingWindow* window, QAction* item);
    void showInArea(EditingWindow& window);
    void keepCheckMark(QAction& item, const QString& tag);
    void OpenOkuriWindow();
    void StartStepEditor();
    void ArrangeWindows();
    void DataCopy();
    void popUnder(QMenu& menu, const QString& buttonKey);
    Telva27::colclsCustom& customOf(int32_t kind);

    // Saving the USR data (fMainSave.cpp).
    QString GetSavingFile(const QString& currentPath);
    QString GetSEKFile();
    std::vector<int32_t> GetStartingLocationSaving(const QString& key, int32_t currentType, int32_t targetType);
    bool SaveAllVariables();
    bool SaveData(const QString& workingCopy, const QString& currentPath, int32_t currentType, int32_t targetType,
                  const std::vector<int32_t>& positions);
    bool CopySetFiles(const QString& target);
    bool saveUsrData(const QString& key);

    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<ConnectorTables> conStyles_;
    QMdiArea* mdi_ = nullptr;
    QAction* addToolButton(QToolBar& bar, const QString& key, int32_t caption, const QString& image);
    QMenu* addButtonMenu(QAction& button, const QList<std::pair<QString, int32_t>>& items);
    QIcon image(const QString& key) const;

    QMap<QString, QIcon> imgListToolBar_;
    QToolBar* tBar_ = nullptr;
    QToolBar* tBar2_ = nullptr;
    QToolBar* pictBar_ = nullptr;
    QToolBar* pictBar2_ = nullptr;
    QStatusBar* sBar_ = nullptr;
    QList<EditingWindow*> editingWindows() const;
    QList<QWidget*> loadedForms() const;
    bool anyChanged(const QString& label);

    QMenu* mnuCustomize_ = nullptr;
    QMenu* mnuParam_ = nullptr;
    QList<QAction*> mnuParamContent_; // index 0 is the designed item
    std::array<QAction*, 8> mnuCustomizeContent_{}; // 1 to 7; 2 is the separator
    QString stdFilePath_;
    QString usrFilePath_;
    int32_t usrTableIndex_ = 1;
    bool unloaded_ = false;
};

} // namespace QelmSet
