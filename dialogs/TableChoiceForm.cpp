#include "TableChoiceForm.h"

#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "resource/clsResource.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

namespace Sorvi27 {

using platform::twipsToPixels;
using platform::forms::control;

namespace {

// The dialogs open at this place of the screen, in twips.
constexpr QPoint kPlace{400, 1200};

// Alt+0 on the main keyboard (never the keypad's 0) shows or hides table 0.
bool isTableZeroToggle(const QKeyEvent& e)
{
    return e.key() == Qt::Key_0 && e.modifiers().testFlag(Qt::AltModifier) &&
           !e.modifiers().testFlag(Qt::KeypadModifier);
}

QString tableControlName(const TableChoiceDesign& design, int index)
{
    return QString::fromUtf8(design.tableName) + QString::number(index);
}

} // namespace

TableChoiceForm::TableChoiceForm(const TableChoiceDesign& design, QWidget* parent) : QDialog(parent), design_(design)
{
    setObjectName(QString::fromUtf8(design.formName));
    setFixedSize(twipsToPixels(design.client));
    platform::forms::buildControls(*this, design.controls);
    frameWaku_ = &control<QGroupBox>(*this, QStringLiteral("frameWaku"));
    for (int i = 0; i < 8; ++i) {
        QAbstractButton* button = &control<QAbstractButton>(*this, tableControlName(design, i));
        table_[static_cast<size_t>(i)] = button;
        // Moving among option buttons with the arrow keys selects as a click does.
        connect(button, &QAbstractButton::toggled, this, [this, i](bool on) {
            if (on)
                platform::guarded(QStringLiteral("table_Click"), [&] { table_Click(i); });
        });
    }
    auto& ok = control<QPushButton>(*this, QStringLiteral("BTN1"));
    ok.setDefault(true);
    connect(&ok, &QPushButton::clicked, this,
            [this] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(1); }); });
    connect(&control<QPushButton>(*this, QStringLiteral("BTN2")), &QPushButton::clicked, this,
            [this] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(2); }); });
    // The dialog sees key presses before its controls.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

QString TableChoiceForm::catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

void TableChoiceForm::Form_Load()
{
    resetAnswer();
    InitTableRows();
    move(twipsToPixels(kPlace));
    SetCaptions();
    // Table 0 is hidden at load, so it is never preselected.
    if (tableIndex_ < 1 || tableIndex_ > 7)
        tableIndex_ = 1;
    table(tableIndex_).setChecked(true);
    table(tableIndex_).setFocus();
    ShowTableZero(false);
}

// The rows are the table controls' designed tops; the heights are recorded as
// designed, before table 0 is hidden.
void TableChoiceForm::InitTableRows()
{
    for (int i = 0; i < 8; ++i) {
        const auto& control = platform::forms::controlNamed(design_.controls, tableControlName(design_, i));
        rowTops_[static_cast<size_t>(i)] = twipsToPixels(control.place.value().top());
    }
    frameHeight_ = frameWaku_->height();
    windowHeight_ = height();
}

void TableChoiceForm::SetCaptions()
{
    setWindowTitle(catalogueText(titleCaption()));
    platform::forms::applyCaptions(*this, design_.controls, &TableChoiceForm::catalogueText);
    const QString tableText = catalogueText(124);
    for (int i = 1; i < 8; ++i)
        table(i).setText(QStringLiteral("%1 %2").arg(tableText).arg(i));
}

void TableChoiceForm::ShowTableZero(bool visible)
{
    table(0).setHidden(!visible);
    const int shift = visible ? 0 : 1;
    for (int i = 1; i < 8; ++i)
        table(i).move(table(i).x(), rowTops_[static_cast<size_t>(i - shift)]);
    if (visible) {
        frameWaku_->resize(frameWaku_->width(), frameHeight_);
        setFixedHeight(windowHeight_);
    } else {
        // The window keeps the designed margin below the shrunken frame.
        const int margin = windowHeight_ - frameWaku_->y() - frameHeight_;
        frameWaku_->resize(frameWaku_->width(), design_.hiddenFrameHeight);
        setFixedHeight(frameWaku_->y() + design_.hiddenFrameHeight + margin);
    }
}

bool TableChoiceForm::Form_KeyDown(const QKeyEvent& e)
{
    if (!isTableZeroToggle(e) || !viewZero_)
        return false;
    ShowTableZero(table(0).isHidden());
    return true;
}

void TableChoiceForm::keyPressEvent(QKeyEvent* e)
{
    bool handled = false;
    platform::guarded(QStringLiteral("Form_KeyDown"), [&] {
        handled = Form_KeyDown(*e);
        // Escape means Cancel.
        if (!handled && e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
            handled = true;
            BTN_Click(2);
        }
    });
    if (!handled)
        QDialog::keyPressEvent(e);
}

bool TableChoiceForm::eventFilter(QObject* watched, QEvent* e)
{
    bool handled = false;
    if (e->type() == QEvent::KeyPress)
        platform::guarded(QStringLiteral("Form_KeyDown"),
                          [&] { handled = Form_KeyDown(static_cast<const QKeyEvent&>(*e)); });
    return handled || QDialog::eventFilter(watched, e);
}

} // namespace Sorvi27
