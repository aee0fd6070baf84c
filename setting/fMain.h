#pragma once
// The setting program's main window: an MDI frame whose editing windows show
// the factory (STD) and user (USR) tables. It creates and holds the library
// objects of the run, reads the controller's setting tables from the archive
// at start, opens STD and USR table files into the data model through private
// working copies, and cleans up when it closes.

#include <QMainWindow>
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
    // The shut-down sequence: working copies deleted, library objects released.
    void MDIForm_Unload();

    ProgramState& state() { return *state_; }
    QMdiArea& mdiArea() { return *mdi_; }

    // Full paths of the loaded files; empty while none of that kind is loaded.
    const QString& StdFilePath() const { return stdFilePath_; }
    const QString& UsrFilePath() const { return usrFilePath_; }
    // The SEK companion of the loaded eight-table USR file; empty otherwise.
    const QString& SekFilePath() const { return sekFilePath_; }

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

    void SetCaption();
    void EnableToolButtons();

    // The editing windows among the MDI children, found by form name and tag.
    static bool IsInputForm(const QString& formName);
    bool ExistForm(const QString& tag);
    void SetFocusToForm(const QString& tag);
    bool IsExistChanged();
    bool QueryChanged();
    void CancelAllUpdate();
    void CloseAllForm();
    EditingWindow* IsLoadedFormByTag(const QString& tag);
    // Adds an item to the parameter menu and answers its index (0 after a report).
    int32_t Load_mnuParamCotentn();
    QMenu& mnuParam() { return *mnuParam_; }
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
    Telva27::colclsCustom& customOf(int32_t kind);

    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<ConnectorTables> conStyles_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* pictBar_ = nullptr;
    QToolBar* pictBar2_ = nullptr;
    QList<EditingWindow*> editingWindows() const;
    QList<QWidget*> loadedForms() const;
    bool anyChanged(const QString& label);

    QMenu* mnuCustomize_ = nullptr;
    QMenu* mnuParam_ = nullptr;
    QList<QAction*> mnuParamContent_; // index 0 is the designed item
    std::array<QAction*, 8> mnuCustomizeContent_{}; // 1 to 7; 2 is the separator
    QString stdFilePath_;
    QString usrFilePath_;
    QString sekFilePath_;
    bool unloaded_ = false;
};

} // namespace QelmSet
