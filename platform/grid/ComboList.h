#pragma once
// The drop-down list of a grid cell, written as one text the way the windows
// build it: entries joined by "|"; an entry may start with "#n;" to give it a
// stored value n (the cell then keeps n and shows the entry's text); a TAB
// separates the columns an entry shows in the drop-down; a list beginning with
// "|" lets the user type as well as pick; the list "..." asks for a cell
// button instead of a drop-down.

#include <QList>
#include <QString>
#include <QStringList>

namespace platform::grid {

struct ComboItem {
    bool hasData = false;  // the entry carries a "#n;" value
    QString data;          // n, as written
    QStringList columns;   // the TAB-separated texts; the first one is what a cell shows

    QString display() const { return columns.isEmpty() ? QString() : columns.first(); }
};

class ComboList {
public:
    ComboList() = default;
    static ComboList parse(const QString& text);

    const QString& source() const { return source_; }
    bool isEmpty() const { return items_.isEmpty() && !button_; }
    // "..." : the cell gets a button whose click the grid reports.
    bool isButton() const { return button_; }
    // A leading "|": the drop-down also accepts typed text.
    bool isEditable() const { return editable_; }
    // Some entry carries a stored value, so cells keep values, not texts.
    bool isTranslated() const { return translated_; }
    const QList<ComboItem>& items() const { return items_; }

    // The entry a cell's stored text stands for, -1 when none.
    int indexOfCellText(const QString& cellText) const;
    // The entry shown with this text, -1 when none.
    int indexOfDisplay(const QString& display) const;
    // What a cell holding cellText shows: the entry's text for a stored value,
    // the text itself otherwise.
    QString displayOf(const QString& cellText) const;
    // What a cell keeps when the user picked or typed display: the entry's
    // value when the list translates and the text names an entry.
    QString cellTextOf(const QString& display) const;

private:
    QString source_;
    QList<ComboItem> items_;
    bool button_ = false;
    bool editable_ = false;
    bool translated_ = false;
};

} // namespace platform::grid
