#include "FormLayoutCheck.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {

namespace {

std::string name(const QWidget& w) { return w.objectName().toStdString(); }

// The form's own controls: they carry design names, the parts Qt builds
// inside a widget do not (or carry "qt_" names).
bool isControl(const QWidget& w)
{
    return !w.objectName().isEmpty() && !w.objectName().startsWith(QLatin1String("qt_")) && !w.isWindow();
}

std::vector<const QWidget*> visibleChildren(const QWidget& parent)
{
    std::vector<const QWidget*> children;
    for (const QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (isControl(*child) && child->isVisibleTo(&parent))
            children.push_back(child);
    return children;
}

// The room a control's caption needs. A push button's size hint holds a
// minimum width of the style's, not of its text, so its text is measured.
QSize neededForCaption(const QWidget& w)
{
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        const int margin = 2 * w.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &w);
        return w.fontMetrics().size(Qt::TextShowMnemonic, button->text()) + QSize(margin, 0);
    }
    return w.sizeHint();
}

void expectCaptionFits(const QWidget& w)
{
    if (!qobject_cast<const QAbstractButton*>(&w) && !qobject_cast<const QLabel*>(&w))
        return;
    const QSize needed = neededForCaption(w);
    EXPECT_LE(needed.width(), w.width()) << name(w) << " clips its caption";
    EXPECT_LE(needed.height(), w.height()) << name(w) << " clips its caption";
}

void expectInside(const QWidget& parent, const std::vector<const QWidget*>& children)
{
    // A frame's title takes one line of text at the top.
    const auto* frame = qobject_cast<const QGroupBox*>(&parent);
    const int top = frame && !frame->title().isEmpty() ? frame->fontMetrics().height() : 0;
    const QRect room = parent.rect().adjusted(0, top, 0, 0);
    for (const QWidget* child : children)
        EXPECT_TRUE(room.contains(child->geometry())) << name(*child) << " sticks out of " << name(parent);
}

void expectNoOverlap(const std::vector<const QWidget*>& children)
{
    for (size_t i = 0; i < children.size(); ++i)
        for (size_t j = i + 1; j < children.size(); ++j)
            EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                << name(*children[i]) << " overlaps " << name(*children[j]);
}

} // namespace

void expectLaidOutCleanly(const QWidget& form)
{
    const std::vector<const QWidget*> children = visibleChildren(form);
    expectInside(form, children);
    expectNoOverlap(children);
    for (const QWidget* child : children) {
        expectCaptionFits(*child);
        expectLaidOutCleanly(*child);
    }
}

} // namespace testsupport
