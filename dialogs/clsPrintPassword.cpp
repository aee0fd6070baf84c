// clsPrint: the password and author input of a step table.

#include "clsPrint.h"

#include "fInpPasword.h"

#include "platform/Ui.h"

namespace Sorvi27 {

QString clsPrint::InputPassword(Telva27::ENUM_USRSTD eSTDUSR, const QString& sPassword, const QString& sAuthor)
{
    fInpPasword dialog;
    dialog.setPassword(sPassword);
    dialog.setAuthor(sAuthor);
    dialog.setSTDUSR(eSTDUSR);
    dialog.Form_Load();
    platform::ui().runDialog(dialog);
    return dialog.Password() + QLatin1Char('\t') + dialog.Author();
}

} // namespace Sorvi27
