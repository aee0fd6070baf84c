#include "platform/workbook/Shape.h"

#include "platform/RuntimeError.h"
#include "platform/workbook/XlConstants.h"

namespace platform::workbook {

namespace {
// The most a text box (and the cell area it is written as) can hold.
constexpr qsizetype kMaxText = 32767;
} // namespace

void ShapeRef::setCharacters(int32_t start, const QString& text)
{
    if (shape_->kind != Shape::TextBox)
        throw RuntimeError(kApplicationError, QStringLiteral("A picture has no characters"));
    if (start < 1)
        throw RuntimeError(kApplicationError, QStringLiteral("Unable to get the Characters property"));
    // Everything before the start stays; a start past the end appends.
    const QString kept = shape_->text.left(start - 1);
    if (kept.size() + text.size() > kMaxText)
        throw RuntimeError(kApplicationError, QStringLiteral("The text box cannot hold more than 32767 characters"));
    shape_->text = kept + text;
}

} // namespace platform::workbook
