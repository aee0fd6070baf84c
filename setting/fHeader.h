#pragma once
// The header dialog: the setting table number, the data version and the model
// name of the loaded user table. Save writes the three values into the data
// model and saves the user file over itself through the main window; Cancel
// writes nothing.
//
// The model name is at most four characters, each a digit or a capital letter
// A-Z: typed letters become capitals and other characters are not taken.

#include <QDialog>
#include <QString>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace QelmSet {

class fMain;
struct ProgramState;

class fHeader final : public QDialog {
    Q_OBJECT

public:
    explicit fHeader(fMain& main, QWidget* parent = nullptr);

    // Prepares the dialog from the data model; then show it through the Ui service.
    void Form_Load();

    static constexpr int kNameLength = 4;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetHeaderCaptions();
    void FillHeaderLists();
    void PasteValue();
    bool CheckData();
    bool SaveVarHeader();
    void BTN_Click(int index);

    void cboSettingTableNo_Click();
    void cboDataVersion_Click();
    void txtKishuName_Change();
    // False when the key is not taken; a lower-case letter becomes its capital.
    bool txtKishuName_KeyPress(int& keyAscii);

    // The stored model name as the box shows it: without the zero bytes that pad it.
    QString storedName() const;
    static bool IsModelName(const QString& name);

    fMain& main_;
    ProgramState& state_;
    QComboBox* cboSettingTableNo_ = nullptr;
    QComboBox* cboDataVersion_ = nullptr;
    QLineEdit* txtKishuName_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace QelmSet
