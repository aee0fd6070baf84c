#pragma once
// Puts a form together from its control table (see ControlDesign): creates each
// control under its container, names it, places it (twips to pixels) or adds
// it to its container's layout, and sets its captions. The platform knows no
// message catalogue, so the caller passes the lookup of catalogue texts in.
//
//     buildControls(*this, kControls);                 // in the constructor
//     applyCaptions(*this, kControls, catalogueText);  // when the form loads
//     auto& ok = control<QPushButton>(*this, "BTN1");
//
// A table fault (an unknown container, a caption on a control that shows
// none, a missing or mistyped control) throws std::logic_error: it is a
// programming error, found by the form's first test.

#include "ControlDesign.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <span>
#include <stdexcept>

namespace platform::forms {

// The catalogue text with a number.
using CaptionLookup = std::function<QString(int32_t)>;

// Creates the table's controls in `form`, in table order. `arrange` lays out
// the form's own controls that have no place.
void buildControls(QWidget& form, std::span<const ControlDesign> controls, Arrange arrange = Arrange::Vertical);

// Sets the caption of every entry that names a catalogue text: a frame's
// title, the text of the other kinds.
void applyCaptions(QWidget& form, std::span<const ControlDesign> controls, const CaptionLookup& text);

// Sets the caption of one control, as applyCaptions does.
void setCaption(QWidget& control, const QString& caption);

// The table's entry for the control with that design name.
const ControlDesign& controlNamed(std::span<const ControlDesign> controls, const QString& name);

// The form's control with that design name and type.
template <typename T>
T& control(const QWidget& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    if (!found)
        throw std::logic_error("form " + form.objectName().toStdString() + " has no control " + name.toStdString() +
                               " of that type");
    return *found;
}

} // namespace platform::forms
