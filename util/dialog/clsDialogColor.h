#pragma once
// The colour dialog, shown through the Ui service. The record keeps the chosen
// colour and sixteen custom colours, so both carry over from one dialog to the next.

#include <array>
#include <cstdint>

class QWidget;

namespace Ostrel7 {

class clsDialogColor {
public:
    using CustomColorSet = std::array<uint32_t, 16>; // 0x00BBGGRR

    // Shows the dialog: 1 when the user chose a colour, 0 when cancelled.
    int32_t OpenColorDialog();

    // The colour-dialog flags, kept as given (the dialog shown here has no such options).
    void setflags(int32_t value) { flags_ = value; }
    // The colour selected when the dialog opens (0x00BBGGRR or a system colour).
    void setInitialColor(int32_t value) { color_ = value; }
    void setOwnerInstance(QWidget* Owner, int32_t value);
    // The chosen colour; after a cancel the colour as it was.
    int32_t Result() const { return color_; }

    const CustomColorSet& CustomColors() const { return customColors_; }
    int32_t Flags() const { return flags_; }
    QWidget* Owner() const { return owner_; }
    int32_t Instance() const { return instance_; }

private:
    QWidget* owner_ = nullptr;
    int32_t instance_ = 0;
    int32_t color_ = 0;
    int32_t flags_ = 0;
    CustomColorSet customColors_{};
};

} // namespace Ostrel7
