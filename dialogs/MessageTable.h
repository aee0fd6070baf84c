#pragma once
// The numbered message boxes of the suite, one way for all: each deliverable
// keeps its own table of texts and hands it to the one ShowMessage here.

#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>

namespace Sorvi27 {

struct MessageTable {
    using Extra = std::optional<QVariant>;

    // Messages that are one catalogue text: message number to catalogue number.
    std::map<int16_t, int32_t> single;
    // Messages made of more than one text; answers nothing for a number it
    // does not make, and may use the caller's values (through extra()).
    std::function<std::optional<QString>(int16_t number, const Extra& x1, const Extra& x2)> composed;
    // Messages whose text is followed by a blank line and the caller's first value.
    std::set<int16_t> appendsX1;
    // The title of the boxes.
    QString (*title)() = nullptr;
    // Kinds beyond the suite's eight (platform/MessageKinds.h), with their
    // styles; all of them answer the button pressed.
    std::map<int16_t, int32_t> ownKinds;

    // The text of message `number` ("" for a number not in the table). A
    // message that takes a value raises a type mismatch without it.
    QString Text(int16_t number, const Extra& x1 = std::nullopt, const Extra& x2 = std::nullopt) const;

    // Shows message `number` with the icon and buttons of `kind`, titled
    // title(). A kind that asks a question answers the button pressed (Yes 6,
    // No 7, Cancel 2, OK 1); other kinds answer an empty value, and a kind the
    // table does not know shows nothing.
    QVariant Show(int16_t number, int16_t kind, const Extra& x1 = std::nullopt, const Extra& x2 = std::nullopt) const;

    // Catalogue texts joined by a blank line.
    static QString paragraphs(std::initializer_list<QString> texts);
    // The caller's value as text; a missing one is a type mismatch.
    static QString extra(const Extra& value);
    // Catalogue text n.
    static QString res(int32_t n);
};

} // namespace Sorvi27
