#pragma once
// The colour dialog. The record keeps the chosen colour and sixteen custom
// colours, so both carry over from one dialog to the next.

#include "ColorChooser.h"

#include <cstdint>

class QWidget;

namespace Ostrel7 {

class clsDialogColor {
public:
    // Shows the dialog: 1 when the user chose a colour, 0 when cancelled.
    int32_t OpenColorDialog();

    // The colour-dialog flags, handed to the dialog as given.
    void setflags(int32_t value) { flags_ = value; }
    // The colour selected when the dialog opens (0x00BBGGRR).
    void setInitialColor(int32_t value) { color_ = value; }
    void setOwnerInstance(QWidget* Owner, int32_t value);
    // The chosen colour; after a cancel the colour as it was.
    int32_t Result() const { return color_; }

    const colorchooser::CustomColors& CustomColors() const { return customColors_; }
    int32_t Flags() const { return flags_; }
    QWidget* Owner() const { return owner_; }
    int32_t Instance() const { return instance_; }

private:
    QWidget* owner_ = nullptr;
    int32_t instance_ = 0;
    int32_t color_ = 0;
    int32_t flags_ = 0;
    colorchooser::CustomColors customColors_{};
};

} // namespace Ostrel7
