#include "ComboList.h"

namespace platform::grid {

namespace {

// "#n;TEXT" -> value n and the rest; an entry without a well-formed prefix is plain text.
ComboItem parseItem(const QString& entry)
{
    ComboItem item;
    QString rest = entry;
    if (entry.startsWith(QLatin1Char('#'))) {
        const qsizetype semicolon = entry.indexOf(QLatin1Char(';'));
        if (semicolon > 1) {
            item.hasData = true;
            item.data = entry.mid(1, semicolon - 1);
            rest = entry.mid(semicolon + 1);
        }
    }
    item.columns = rest.split(QLatin1Char('\t'));
    return item;
}

} // namespace

ComboList ComboList::parse(const QString& text)
{
    ComboList list;
    list.source_ = text;
    if (text.isEmpty())
        return list;
    if (text == QLatin1String("...")) {
        list.button_ = true;
        return list;
    }
    QString body = text;
    if (body.startsWith(QLatin1Char('|'))) {
        list.editable_ = true;
        body = body.mid(1);
    }
    if (body.isEmpty())
        return list;
    for (const QString& entry : body.split(QLatin1Char('|'))) {
        ComboItem item = parseItem(entry);
        list.translated_ = list.translated_ || item.hasData;
        list.items_.append(std::move(item));
    }
    return list;
}

int ComboList::indexOfCellText(const QString& cellText) const
{
    for (int i = 0; i < items_.size(); ++i) {
        const ComboItem& item = items_[i];
        if (translated_ ? (item.hasData && item.data == cellText) : item.display() == cellText)
            return i;
    }
    return -1;
}

int ComboList::indexOfDisplay(const QString& display) const
{
    for (int i = 0; i < items_.size(); ++i)
        if (items_[i].display() == display)
            return i;
    return -1;
}

QString ComboList::displayOf(const QString& cellText) const
{
    if (!translated_)
        return cellText;
    const int index = indexOfCellText(cellText);
    return index < 0 ? cellText : items_[index].display();
}

QString ComboList::cellTextOf(const QString& display) const
{
    if (!translated_)
        return display;
    const int index = indexOfDisplay(display);
    if (index < 0 || !items_[index].hasData)
        return display;
    return items_[index].data;
}

} // namespace platform::grid
