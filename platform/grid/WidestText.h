#pragma once

#include <QStringList>

class QFontMetrics;

namespace platform::grid {

// The width in pixels of the widest of many texts in one font, as
// QFontMetrics::horizontalAdvance gives it, for fitting a column to the
// longest of a list of names. Measuring a text shapes it, which is costly;
// the advance of one character is cheap and is asked once per character.
// Texts are taken widest estimate (the sum of their characters' advances)
// first, and measured until no text left could be the widest: shaping
// (kerning) moves a text's width from that sum by far less than a fifth.
int widestText(const QFontMetrics& metrics, const QStringList& texts);

} // namespace platform::grid
