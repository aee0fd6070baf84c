#pragma once
// The question asked before a step reference is renumbered: the old and the
// new name, answered Yes, No, All yes or All no. The answer stays in Ret
// after the dialog closed; closing it without a button leaves Ret as it was.

#include <QDialog>
#include <QString>
#include <cstdint>

class QLabel;

namespace QelmStp {

class fDlgReplace final : public QDialog {
    Q_OBJECT

public:
    // The answers, by the number of their button.
    enum Answer : int32_t { eYes = 1, eNo = 2, eAllYes = 3, eAllNo = 4 };

    explicit fDlgReplace(QWidget* parent = nullptr);

    // The text shown under the question ("old -> new").
    void setData(const QString& data) { data_ = data; }
    int32_t Ret() const { return ret_; }
    void setRet(int32_t answer) { ret_ = answer; }

    // Prepares the dialog to be shown: place, picture, captions and the text.
    void Form_Load();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BTN_Click(int32_t index);

    QLabel* lblData_ = nullptr;
    QString data_;
    int32_t ret_ = eYes;
};

} // namespace QelmStp
