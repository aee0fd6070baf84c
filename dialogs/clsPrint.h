#pragma once
// Export to workbooks and the table copy of the dialog library. Created by each
// program after clsSelectKino, whose library-wide state it uses.

#include "datamodel/common/Enums.h"

#include <QString>
#include <memory>

namespace Sorvi27 {

class LibraryState;

class clsPrint {
public:
    // Takes its part of the library-wide state: a clsString.
    clsPrint();
    ~clsPrint();
    clsPrint(const clsPrint&) = delete;
    clsPrint& operator=(const clsPrint&) = delete;

    // The password and author of a step table in their dialog: editable for
    // eUSR, shown only for eSTD. Answers password, TAB, author as the dialog
    // holds them when it closes (the values given when it was cancelled).
    QString InputPassword(Telva27::ENUM_USRSTD eSTDUSR, const QString& sPassword, const QString& sAuthor);

private:
    std::shared_ptr<LibraryState> state_;
};

} // namespace Sorvi27
