#include "ColorChooser.h"

#include "platform/SystemColors.h"
#include "platform/Ui.h"

#include <QColorDialog>
#include <algorithm>

namespace Ostrel7::colorchooser {

namespace {

// The Qt colour dialog; its custom colours are shared by the whole program,
// so they are loaded from and read back into the caller's record.
Answer qtChooser(const Request& request)
{
    const int count = std::min<int>(QColorDialog::customCount(), static_cast<int>(request.customColors.size()));
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, platform::oleColor(request.customColors[static_cast<size_t>(i)]));
    QWidget* owner = request.owner ? request.owner : platform::dialogParent();
    const QColor picked = QColorDialog::getColor(platform::oleColor(request.color), owner);

    Answer answer;
    answer.customColors = request.customColors;
    for (int i = 0; i < count; ++i)
        answer.customColors[static_cast<size_t>(i)] = platform::toOleColor(QColorDialog::customColor(i));
    answer.chosen = picked.isValid();
    if (answer.chosen)
        answer.color = platform::toOleColor(picked);
    return answer;
}

Chooser& installed()
{
    static Chooser chooser;
    return chooser;
}

} // namespace

Answer choose(const Request& request)
{
    const Chooser& chooser = installed();
    return chooser ? chooser(request) : qtChooser(request);
}

void setChooser(Chooser chooser) { installed() = std::move(chooser); }

} // namespace Ostrel7::colorchooser
