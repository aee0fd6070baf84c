#pragma once
// The table copy dialog: the user opens a source file, drags its table
// buttons (TABLE 0 to TABLE 7) onto the eight destination slots of a new
// file and saves it. Every slot remembers its own source file, so one new
// file can combine the tables of several files. In STG mode the new file is
// an eight-table setting file with the SEK file of table 0's source; in STP
// mode a step file with its note file, table 0 always vacant.
//
// A drag carries a type of our own with the source table and a token of this
// dialog, so a drop from anywhere else (another dialog, another program) is
// refused. Writing is TableCopyWriter's.

#include "TableCopyWriter.h"
#include "clsPrint.h"

#include <QDialog>
#include <QUuid>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QMimeData;
class QPushButton;

namespace Sorvi27 {

class LibraryState;

class fCopyData final : public QDialog {
    Q_OBJECT

public:
    // The drag type of a source table.
    static const QString kMimeType;

    explicit fCopyData(QWidget* parent = nullptr);
    ~fCopyData() override;

    // Set before Form_Load.
    void setSTGorSTP(ENUM_STGorSTP mode) { mode_ = mode; }
    ENUM_STGorSTP STGorSTP() const { return mode_; }
    void setSrcFileFullFname(const QString& path) { srcFileFullFname_ = path; }
    // The folder the save dialog opens in; the dialog sets it to the folder
    // of every file chosen there.
    void setLastSaveFolder(const QString& folder) { lastSaveFolder_ = folder; }
    const QString& lastSaveFolder() const { return lastSaveFolder_; }
    // The bytes free on the file system that holds a folder (clsPrint's).
    void setFreeSpace(std::function<int64_t(const QString& folder)> freeSpace) { freeSpace_ = std::move(freeSpace); }

    // Prepares the dialog for one showing: empty slots, captions, the source.
    void Form_Load();

    const QString& SrcFileFullFname() const { return srcFileFullFname_; }
    const CopySlots& destinationSlots() const { return slots_; }
    // What dragging source table `table` of this dialog carries; the caller owns it.
    QMimeData* dragData(int32_t table) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString ReadSourceFile(ENUM_STGorSTP mode);
    bool ExactFile(ENUM_STGorSTP mode, const QString& upperPath);
    bool ExactExt(const QString& path, ENUM_STGorSTP mode);
    bool ExistsFuzokuFile(const QString& path, ENUM_STGorSTP mode);
    void EnableSources(const QString& path);
    void STPOnly(bool show);
    void ShowSourceFile();
    // Fills slot i with table `sourceTable` of the current source, or empties it.
    void DispDesttInfo(int32_t slot, bool clear, int32_t sourceTable);
    bool LackOfSource();
    bool ExactFiles();
    QString GetSavingFile(ENUM_STGorSTP mode);
    bool CanWrite(const QString& path);
    bool CheckFileFreeSpace(const QString& path, int64_t bytesNeeded);
    QString GetSEKFullFname();
    bool SaveStgFile(const QString& path);
    bool SaveStpFile(const QString& path);
    void ClearDisplay();
    void SetImages();
    void InitToolbar();
    void SetCaptions();

    void btnReadReferFile_Click();
    void lblDest_DragDrop(int32_t slot, const QMimeData& data);
    void btnDestDelete_Click(int32_t slot);
    void btnDestSave_Click();
    void tBar_ButtonClick(const QString& key);

    // The source table a drag of this dialog carries; nothing for any other drag.
    std::optional<int32_t> droppedTable(const QMimeData& data) const;
    bool acceptsDrop(int32_t slot, const QMimeData& data) const;
    void startDrag(int32_t table);

    std::shared_ptr<LibraryState> state_;
    const QUuid token_ = QUuid::createUuid();
    ENUM_STGorSTP mode_ = eCOPY_STG;
    QString srcFileFullFname_;
    QString lastSaveFolder_;
    std::function<int64_t(const QString&)> freeSpace_;
    CopySlots slots_{};
    std::array<QPushButton*, 8> btnSrc_{};
    std::array<QLabel*, 8> lblDestTableNo_{};
    std::array<QLabel*, 8> lblDestFullFname_{};
};

} // namespace Sorvi27
