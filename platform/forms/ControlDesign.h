#pragma once
// One entry of a form's control table: what kind of control, its design name,
// where it sits and what it says. A form lists its controls in such a table
// and lets the form builder create them, so every window is put together the
// same way and its controls are found by their design names.

#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

namespace platform::forms {

// The kinds of control a table can ask for, and the Qt widget each becomes.
enum class ControlKind {
    Frame,         // QGroupBox: a titled container
    Panel,         // QWidget: a plain container, for laying out a group of controls
    Label,         // QLabel
    CommandButton, // QPushButton
    OptionButton,  // QRadioButton
    CheckBox,      // QCheckBox
    TextBox,       // QLineEdit
    ComboBox,      // QComboBox
    ListBox,       // QListWidget
    Custom,        // whatever ControlDesign::create makes (a grid, a tree ...)
};

// How a form, frame or panel lays out its controls that have no place.
enum class Arrange { Vertical, Horizontal };

struct ControlDesign {
    ControlKind kind = ControlKind::Panel;
    // The design name; it becomes the widget's objectName.
    const char* name = "";
    // An element of a control array: the objectName is name and index ("op" 3 is "op3").
    int index = -1;
    // Left, top, width and height in twips inside the container. Without a
    // place the control joins its container's layout; one container should
    // not mix placed and laid-out controls.
    std::optional<QRect> place{};
    // Number of the catalogue text shown as the caption (applyCaptions).
    std::optional<int32_t> caption{};
    // A fixed design caption (UTF-8), set when the control is created.
    const char* text = nullptr;
    // Design name (objectName) of the enclosing Frame, Panel or Custom, listed earlier
    // in the table; null for the form itself.
    const char* container = nullptr;
    // For a Frame, Panel or Custom: how it lays out its controls that have no place.
    Arrange arrange = Arrange::Vertical;
    // For Custom: makes the widget under its parent.
    QWidget* (*create)(QWidget* parent) = nullptr;
};

// The objectName the entry's control gets.
inline QString designName(const ControlDesign& control)
{
    const QString name = QString::fromUtf8(control.name);
    return control.index < 0 ? name : name + QString::number(control.index);
}

// A `create` for Custom entries: `.create = &platform::forms::make<FlexGrid>`.
template <typename W>
QWidget* make(QWidget* parent)
{
    return new W(parent);
}

} // namespace platform::forms
