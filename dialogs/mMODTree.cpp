#include "mMODTree.h"

#include "LibraryState.h"

#include "datamodel/customize/colclsCusSelection.h"
#include "platform/tree/NodeKeys.h"
#include "platform/tree/SelectionTree.h"
#include "util/method/Trap.h"

namespace Sorvi27::mMOD {

namespace {

using platform::tree::Relationship;
using platform::tree::SelectionNode;

constexpr double kCategoryFontSize = 11.0;

const QString kParentImage = QStringLiteral("keyParent");
const QString kInputImage = QStringLiteral("keyRArrowRed");
const QString kOutputImage = QStringLiteral("keyRArrowBlue");
const QString kSelectedImage = QStringLiteral("keyRArrow2");

template <typename Body>
auto trappedAs(const char* label, Body&& body)
{
    return Ostrel7::trapped(LibraryState::acquire()->reporter(), QString::fromLatin1(label),
                            std::forward<Body>(body));
}

void addCategory(platform::tree::SelectionTree& tv, const QString& category, const QString& key)
{
    SelectionNode* node = tv.Nodes().Add(QString(), Relationship::Last, key, category, kParentImage);
    node->setForeColor(kCategoryForeColor);
    node->setFontSize(kCategoryFontSize);
    node->setFontBold(true);
}

void addItem(platform::tree::SelectionTree& tv, int32_t In_or_Out, const Telva27::clsCusSelection& entry)
{
    // The parent is looked up among the categories only: an item keyed like
    // a category ("12key") never takes its place.
    SelectionNode* parent = tv.Nodes().CategoryItem(platform::tree::categoryKey(entry.Category()));
    const QString& image = In_or_Out == 1 ? kInputImage : kOutputImage;
    SelectionNode* node = tv.Nodes().Add(parent, Relationship::Child, platform::tree::itemKey(entry.Value()),
                                         entry.Ditigal() + QLatin1Char('\t') + entry.Advice(), image,
                                         kSelectedImage);
    node->setTagVariant(QVariant::fromValue<int16_t>(entry.Value()));
    node->setTagString(entry.Ditigal());
}

} // namespace

bool Create_ParentKey(const Telva27::colclsCusSelection& colSel, platform::tree::SelectionTree& tv,
                      QStringList& dicParentKeys)
{
    return trappedAs("Create_ParentKey", [&] {
        for (const auto& entry : colSel) {
            const QString key = platform::tree::categoryKey(entry->Category());
            if (dicParentKeys.contains(key))
                continue;
            addCategory(tv, entry->Category(), key);
            dicParentKeys.append(key);
        }
        return true;
    });
}

bool Create_Child(int32_t kind, int32_t In_or_Out, const Telva27::colclsCusSelection& colSel,
                  platform::tree::SelectionTree& tv)
{
    return trappedAs("Create_Child", [&] {
        for (const auto& entry : colSel) {
            if (kind != kChildCustomize && !IsSelectableText(entry->Category()))
                continue;
            if (!entry->Hidden())
                addItem(tv, In_or_Out, *entry);
        }
        return true;
    });
}

void ExpandRoot(platform::tree::SelectionTree& tv, const QStringList& dicParentKeys)
{
    trappedAs("ExpandRoot", [&] {
        if (tv.Nodes().Count() == 0)
            return;
        for (const QString& key : dicParentKeys)
            tv.Nodes().CategoryItem(key)->setExpanded(true);
        tv.setTopNode(tv.Nodes().Item(1));
    });
}

bool IsSelectableText(const QString& sText)
{
    return sText != QLatin1String("CALL") && sText != QLatin1String("JMP") && sText != QLatin1String("STEP");
}

} // namespace Sorvi27::mMOD
