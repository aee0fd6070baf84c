#include "clsDialogColor.h"

#include "platform/SystemColors.h"
#include "platform/Ui.h"

#include <algorithm>

namespace Ostrel7 {

void clsDialogColor::setOwnerInstance(QWidget* Owner, int32_t value)
{
    owner_ = Owner;
    instance_ = value;
}

int32_t clsDialogColor::OpenColorDialog()
{
    platform::ColorDialogRequest request;
    request.initial = platform::oleColor(static_cast<uint32_t>(color_));
    request.owner = owner_;
    for (const uint32_t custom : customColors_)
        request.customColors.push_back(platform::oleColor(custom));
    const platform::ColorDialogAnswer answer = platform::ui().colorDialog(request);
    const size_t kept = std::min(answer.customColors.size(), customColors_.size());
    for (size_t i = 0; i < kept; ++i)
        customColors_[i] = platform::toOleColor(answer.customColors[i]);
    if (!answer.color)
        return 0;
    color_ = static_cast<int32_t>(platform::toOleColor(*answer.color));
    return 1;
}

} // namespace Ostrel7
