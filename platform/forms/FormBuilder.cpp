#include "FormBuilder.h"

#include "platform/Twips.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <map>

namespace platform::forms {

namespace {

// Frames draw their title on the top line, as the designs expect: the
// designed places of a frame's controls leave room for half a line of text
// above them, not for a title row above the frame.
const char* const kFrameStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }";

QWidget* newFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setStyleSheet(QString::fromLatin1(kFrameStyle));
    return frame;
}

[[noreturn]] void tableFault(const QString& what)
{
    throw std::logic_error(what.toStdString());
}

QWidget* createWidget(const ControlDesign& control, QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::Frame: return newFrame(parent);
    case ControlKind::Panel: return new QWidget(parent);
    case ControlKind::Label: return new QLabel(parent);
    case ControlKind::CommandButton: return new QPushButton(parent);
    case ControlKind::OptionButton: return new QRadioButton(parent);
    case ControlKind::CheckBox: return new QCheckBox(parent);
    case ControlKind::TextBox: return new QLineEdit(parent);
    case ControlKind::ComboBox: return new QComboBox(parent);
    case ControlKind::ListBox: return new QListWidget(parent);
    case ControlKind::Custom:
        if (!control.create)
            tableFault(QStringLiteral("custom control %1 has no create").arg(designName(control)));
        return control.create(parent);
    }
    tableFault(QStringLiteral("control %1 has an unknown kind").arg(designName(control)));
}

// The container's layout, made on its first control without a place.
QBoxLayout& layoutOf(QWidget& container, Arrange arrange)
{
    if (auto* box = qobject_cast<QBoxLayout*>(container.layout()))
        return *box;
    const auto direction = arrange == Arrange::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    return *new QBoxLayout(direction, &container);
}

} // namespace

void buildControls(QWidget& form, std::span<const ControlDesign> controls, Arrange arrange)
{
    // Containers made so far, with the way each lays out its controls.
    std::map<QString, std::pair<QWidget*, Arrange>> containers;
    for (const ControlDesign& control : controls) {
        QWidget* parent = &form;
        Arrange parentArrange = arrange;
        if (control.container) {
            const auto it = containers.find(QString::fromUtf8(control.container));
            if (it == containers.end())
                tableFault(QStringLiteral("control %1: no container %2 before it")
                               .arg(designName(control), QString::fromUtf8(control.container)));
            std::tie(parent, parentArrange) = it->second;
        }
        QWidget* widget = createWidget(control, parent);
        widget->setObjectName(designName(control));
        if (control.place)
            widget->setGeometry(twipsToPixels(*control.place));
        else
            layoutOf(*parent, parentArrange).addWidget(widget);
        if (control.text)
            setCaption(*widget, QString::fromUtf8(control.text));
        // A custom widget may hold controls too (a band of a cool bar).
        if (control.kind == ControlKind::Frame || control.kind == ControlKind::Panel || control.kind == ControlKind::Custom)
            containers[widget->objectName()] = {widget, control.arrange};
    }
}

void applyCaptions(QWidget& form, std::span<const ControlDesign> controls, const CaptionLookup& text)
{
    for (const ControlDesign& designed : controls)
        if (designed.caption)
            setCaption(control<QWidget>(form, designName(designed)), text(*designed.caption));
}

const ControlDesign& controlNamed(std::span<const ControlDesign> controls, const QString& name)
{
    for (const ControlDesign& control : controls)
        if (designName(control) == name)
            return control;
    tableFault(QStringLiteral("no control %1 in the table").arg(name));
}

void setCaption(QWidget& control, const QString& caption)
{
    if (auto* frame = qobject_cast<QGroupBox*>(&control))
        frame->setTitle(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(caption);
    else if (auto* edit = qobject_cast<QLineEdit*>(&control))
        edit->setText(caption);
    else
        tableFault(QStringLiteral("control %1 shows no caption").arg(control.objectName()));
}

} // namespace platform::forms
