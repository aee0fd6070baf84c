#pragma once
// What the step selection lists show: reading a step table shows in them
// exactly the functions its note file lists. An open that is then refused
// (a wrong password) puts back what they showed before, unless it was kept.

#include <QHash>
#include <QString>

namespace Telva27 {
class colclsCusSelection;
}

namespace QelmStp {

class SelectionVisibility {
public:
    // Notes the hidden flag of every entry of both lists.
    SelectionVisibility(Telva27::colclsCusSelection& stpout, Telva27::colclsCusSelection& stpinp);
    // Puts the flags back unless keep() was called.
    ~SelectionVisibility();
    SelectionVisibility(const SelectionVisibility&) = delete;
    SelectionVisibility& operator=(const SelectionVisibility&) = delete;

    void keep() { kept_ = true; }

private:
    Telva27::colclsCusSelection& stpout_;
    Telva27::colclsCusSelection& stpinp_;
    QHash<QString, bool> outHidden_;
    QHash<QString, bool> inHidden_;
    bool kept_ = false;
};

} // namespace QelmStp
