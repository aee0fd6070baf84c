#pragma once
// The open-file and save-file dialogs, asked through the Ui service. The
// caller's filter is "description NUL pattern" pairs separated by NUL;
// "All Files" (*.*) is always offered last. Captions and placement go to the
// shared dialog state that the dialog hook applies.

#include <QString>
#include <cstdint>

class QWidget;

namespace Ostrel7 {

enum ENUM_DLG_METHOD : int32_t { eDLG_OPEN = 0, eDLG_SAVE = 1 };

class clsDialogOpenSave {
public:
    // The filter index of the last dialog that ended with OK (0 before one did).
    int32_t FilterIndex() const { return filterIndex_; }

    // The chosen file, or "" when the dialog was cancelled or eVALUE is no
    // dialog kind. An initial file longer than 1024 CP932 bytes is an
    // invalid-call error.
    QString OpenDialog(int32_t eVALUE, QWidget* hwnd, const QString& sDlgTitle, int32_t lFlags,
                       const QString& sFilter = QString(), const QString& sInitialDir = QString(),
                       const QString& sInitialFile = QString(), const QString& sDefExt = QString(),
                       int32_t lFilterIndex = 1, const QString& sOKCaption = QString(),
                       const QString& sstc3Caption = QString(), int32_t eDlgPosition = 0);

    // The number as given (hands an address to a record as a number).
    int32_t GetLong(int32_t lng) const { return lng; }

private:
    // What the dialog record keeps from one dialog to the next.
    struct Record {
        QWidget* owner = nullptr;
        QString title;
        int32_t flags = 0;
        QString filter; // "description|patterns|..." as the Ui service takes it
        int32_t filterIndex = 0;
        QString initialDir;
        QString defExt;
        QString file;
        QString fileTitle;
    };

    static QString filterList(const QString& sFilter);
    static int32_t chosenFilterIndex(const QString& filter, int32_t requested, const QString& path);
    QString withDefaultExtension(const QString& path) const;

    int32_t filterIndex_ = 0;
    Record record_;
};

} // namespace Ostrel7
