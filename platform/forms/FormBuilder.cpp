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

QWidget* createWidget(const ControlSpec& spec, QWidget* parent)
{
    switch (spec.kind) {
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
        if (!spec.create)
            tableFault(QStringLiteral("custom control %1 has no create").arg(designName(spec)));
        return spec.create(parent);
    }
    tableFault(QStringLiteral("control %1 has an unknown kind").arg(designName(spec)));
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

void buildControls(QWidget& form, std::span<const ControlSpec> controls, Arrange arrange)
{
    // Containers made so far, with the way each lays out its controls.
    std::map<QString, std::pair<QWidget*, Arrange>> containers;
    for (const ControlSpec& spec : controls) {
        QWidget* parent = &form;
        Arrange parentArrange = arrange;
        if (spec.container) {
            const auto it = containers.find(QString::fromUtf8(spec.container));
            if (it == containers.end())
                tableFault(QStringLiteral("control %1: no container %2 before it")
                               .arg(designName(spec), QString::fromUtf8(spec.container)));
            std::tie(parent, parentArrange) = it->second;
        }
        QWidget* widget = createWidget(spec, parent);
        widget->setObjectName(designName(spec));
        if (spec.place)
            widget->setGeometry(twipsToPixels(*spec.place));
        else
            layoutOf(*parent, parentArrange).addWidget(widget);
        if (spec.text)
            setCaption(*widget, QString::fromUtf8(spec.text));
        // A custom widget may hold controls too (a band of a cool bar).
        if (spec.kind == ControlKind::Frame || spec.kind == ControlKind::Panel || spec.kind == ControlKind::Custom)
            containers[widget->objectName()] = {widget, spec.arrange};
    }
}

void applyCaptions(QWidget& form, std::span<const ControlSpec> controls, const CaptionLookup& text)
{
    for (const ControlSpec& spec : controls)
        if (spec.caption)
            setCaption(control<QWidget>(form, designName(spec)), text(*spec.caption));
}

const ControlSpec& specNamed(std::span<const ControlSpec> controls, const QString& name)
{
    for (const ControlSpec& spec : controls)
        if (designName(spec) == name)
            return spec;
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
