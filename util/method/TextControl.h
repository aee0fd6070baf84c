#pragma once
// The text, selection and caret of a text control, as the forms runtime showed
// them to code (Text, SelText, SelStart, SelLength): a line edit, a multi-line
// box (plain or rich text) or the edit field of an editable combo box. The
// got-focus selection helpers and the key filters reach every control through
// here, so that each of them handles the same kinds of control.

#include <QString>
#include <QTextCursor>

class QLineEdit;
class QObject;
class QPlainTextEdit;
class QTextEdit;

namespace Ostrel7 {

class TextControl {
public:
    // The text part of `object`. Throws RuntimeError(91) for no object and
    // RuntimeError(438) for an object that has none (a button, a combo box
    // that cannot be edited).
    explicit TextControl(QObject* object);

    // The whole text and the selected text, line breaks as CR LF (the form in
    // which texts are kept and counted).
    QString text() const;
    QString selectedText() const;
    // Selects the whole text.
    void selectAll();
    // Drops the selection; the caret goes to where the selection started, or
    // stays where it is when nothing was selected.
    void dropSelection();

private:
    QTextCursor cursor() const;
    void setCursor(const QTextCursor& cursor);

    QLineEdit* line_ = nullptr;
    QTextEdit* rich_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
};

} // namespace Ostrel7
