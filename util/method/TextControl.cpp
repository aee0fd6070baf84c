#include "TextControl.h"

#include "platform/RuntimeError.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace Ostrel7 {

namespace {

constexpr int32_t kObjectLacksMember = 438;

// Qt ends lines with LF, and a selection of a text document with the Unicode
// paragraph or line separator; the suite's texts end them with CR LF.
QString withCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

} // namespace

TextControl::TextControl(QObject* object)
{
    if (!object)
        throw platform::RuntimeError(platform::errObjectNotSet);
    if (auto* combo = qobject_cast<QComboBox*>(object))
        object = combo->lineEdit(); // null unless the combo box is editable
    line_ = qobject_cast<QLineEdit*>(object);
    rich_ = qobject_cast<QTextEdit*>(object);
    plain_ = qobject_cast<QPlainTextEdit*>(object);
    if (!line_ && !rich_ && !plain_)
        throw platform::RuntimeError(kObjectLacksMember);
}

QString TextControl::text() const
{
    if (line_)
        return line_->text();
    return withCrLf(rich_ ? rich_->toPlainText() : plain_->toPlainText());
}

QString TextControl::selectedText() const
{
    return line_ ? line_->selectedText() : withCrLf(cursor().selectedText());
}

void TextControl::selectAll()
{
    if (line_) {
        line_->selectAll();
        return;
    }
    QTextCursor whole = cursor();
    whole.select(QTextCursor::Document);
    setCursor(whole);
}

void TextControl::dropSelection()
{
    if (line_) {
        line_->setCursorPosition(line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition());
        return;
    }
    QTextCursor caret = cursor();
    caret.setPosition(caret.selectionStart());
    setCursor(caret);
}

QTextCursor TextControl::cursor() const { return rich_ ? rich_->textCursor() : plain_->textCursor(); }

void TextControl::setCursor(const QTextCursor& cursor)
{
    if (rich_)
        rich_->setTextCursor(cursor);
    else
        plain_->setTextCursor(cursor);
}

} // namespace Ostrel7
