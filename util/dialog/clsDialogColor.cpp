#include "clsDialogColor.h"

namespace Ostrel7 {

void clsDialogColor::setOwnerInstance(QWidget* Owner, int32_t value)
{
    owner_ = Owner;
    instance_ = value;
}

int32_t clsDialogColor::OpenColorDialog()
{
    colorchooser::Request request;
    request.owner = owner_;
    request.instance = instance_;
    request.flags = flags_;
    request.color = static_cast<uint32_t>(color_);
    request.customColors = customColors_;
    const colorchooser::Answer answer = colorchooser::choose(request);
    customColors_ = answer.customColors;
    if (!answer.chosen)
        return 0;
    color_ = static_cast<int32_t>(answer.color);
    return 1;
}

} // namespace Ostrel7
