#pragma once
// The counter and LCD key captions of a step program: for each of the eight
// display counters the counter function it shows (a choice among the input
// functions of category "COUNT") and its title, and the titles of the eight
// LCD keys. The caller hands the three arrays in, shows the dialog modally
// and reads them back; OK takes what the dialog shows, Cancel and the close
// box give back what was handed in. For the reference window (role 1) the
// dialog only shows the values.
//
// A title is at most 8 bytes in the controller's code page (a double-byte
// character counts two); "*" typed as a title empties it.

#include "datamodel/steps/colclsStep.h"
#include "util/method/clsMethod.h"

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class QComboBox;
class QPushButton;

namespace Telva27 {
class colclsCusSelection;
}

namespace QelmStp {

class fInpCount final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTitleBytes = 8;
    using CountBytes = Telva27::colclsStep::CountBytes;
    using Captions = Telva27::colclsStep::Captions;

    // stpinp is the step-input function list the counter choices come from.
    explicit fInpCount(const Telva27::colclsCusSelection& stpinp, QWidget* parent = nullptr);

    void setSTDUSR(int32_t role) { stdUsr_ = role; }
    const CountBytes& arCountBytes() const { return countBytes_; }
    void setArCountBytes(const CountBytes& v) { countBytes_ = v; }
    const Captions& arCountCaption() const { return countCaption_; }
    void setArCountCaption(const Captions& v) { countCaption_ = v; }
    const Captions& arLcdCaption() const { return lcdCaption_; }
    void setArLcdCaption(const Captions& v) { lcdCaption_ = v; }

    // Fills the dialog from the properties set above.
    void Form_Load();
    // 1 OK, 2 Cancel.
    void BTN_Click(int index);
    // Ask for the title of the clicked counter or LCD key button.
    void btnCaption_Click(int index);
    void btnLCDCaption_Click(int index);

    // The text of a counter choice: the short name padded to 8 characters, a blank, the description.
    static QString CounterEntry(const QString& name, const QString& advice);

private:
    void Create_cboCUNT();
    void PasteValue();
    // Asks for a new title of the button until one fits or the user keeps the old one.
    void InputTitle(QPushButton& button, QString& title);
    // The button shows the title as it is (an "&" is no shortcut).
    static void showTitle(QPushButton& button, const QString& title);
    QComboBox& cboCUNT(int index) const;
    QPushButton& btnCaption(int index) const;
    QPushButton& btnLCDCaption(int index) const;

    const Telva27::colclsCusSelection& stpinp_;
    Ostrel7::clsMethod reporter_;
    int32_t stdUsr_ = 0;
    CountBytes countBytes_{};
    Captions countCaption_;
    Captions lcdCaption_;
    // The titles the buttons show, taken by OK.
    Captions shownCount_;
    Captions shownLcd_;
};

} // namespace QelmStp
