// fStep: the toolbar with its pictures, button menus and texts, and the
// right-click menu. Buttons and menu items are addressed by their keys.

#include "fStep.h"

#include "ProgramState.h"
#include "fMain.h"

#include "common/ToolbarImage.h"
#include "datamodel/common/Enums.h"
#include "platform/EventGuard.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <map>

namespace QelmStp {

namespace {

// The texts of the toolbar buttons, by key.
const std::map<QString, int32_t>& buttonCaptions()
{
    static const std::map<QString, int32_t> captions = {
        {QStringLiteral("keyNew"), 150},  {QStringLiteral("keyOPEN"), 151},      {QStringLiteral("keySAVE"), 152},
        {QStringLiteral("keyFIND"), 153}, {QStringLiteral("keyPRINT"), 154},     {QStringLiteral("keyCUT"), 406},
        {QStringLiteral("keyCOPY"), 155}, {QStringLiteral("keyPASTE"), 156},     {QStringLiteral("keyUNDO"), 157},
        {QStringLiteral("keyREM"), 333},  {QStringLiteral("keyROWINSERT"), 159}, {QStringLiteral("keyFUZOKU"), 389},
    };
    return captions;
}

// The toolbar pictures: image key and resource bitmap.
constexpr std::pair<const char*, int32_t> kImages[] = {
    {"keyNew", 141},   {"keyOPEN", 142}, {"keySAVE", 140},  {"keyFIND", 143},   {"keyPRINT", 144}, {"keyCUT", 163},
    {"keyCOPY", 136},  {"keyPASTE", 137}, {"keyINSERT", 139}, {"keyUNDO", 145}, {"keyMEMO", 146},  {"keyREM", 158},
};

constexpr int32_t kToolbarWidth = 15000; // twips

} // namespace

void fStep::PastePicture()
{
    Ostrel7::trapped(reporter_, QStringLiteral("PastePicture"), [&] {
        const Resource::clsResource& res = *state().resource;
        if (const auto icon = res.PicRes(3))
            setWindowIcon(icon->icon());
        imgListToolBar_.clear();
        for (const auto& [key, id] : kImages)
            imgListToolBar_.insert(QLatin1String(key), QelmCommon::ToolbarImage(res.PicRes(id)->bitmap(), QSize(20, 20)));
    });
}

QAction* fStep::addButton(const QString& key, const QString& imageKey, bool disabledInReference)
{
    QAction* button = tBar_->addAction(imgListToolBar_.value(imageKey), QString());
    button->setObjectName(key);
    button->setEnabled(!(disabledInReference && stdUsr_ != Telva27::eUSR));
    connect(button, &QAction::triggered, this, [this, key] {
        platform::guarded(QStringLiteral("tBar_ButtonClick"), [&] { tBar_ButtonClick(key); });
    });
    return button;
}

void fStep::addButtonMenu(QAction& button, const QList<std::pair<QString, int32_t>>& items)
{
    const Resource::clsResource& res = *state().resource;
    auto* menu = new QMenu(this);
    menu->setObjectName(button.objectName() + QStringLiteral("Menu"));
    for (const auto& [key, caption] : items) {
        QAction* item = menu->addAction(caption == 0 ? QString() : res.Res(caption));
        item->setObjectName(key);
        item->setSeparator(caption == 0);
        const QString itemKey = key;
        connect(item, &QAction::triggered, this, [this, itemKey] {
            platform::guarded(QStringLiteral("tBar_ButtonMenuClick"), [&] { tBar_ButtonMenuClick(itemKey); });
        });
    }
    button.setMenu(menu);
    if (auto* face = qobject_cast<QToolButton*>(tBar_->widgetForAction(&button)))
        face->setPopupMode(QToolButton::MenuButtonPopup);
}

void fStep::CreateToolbar()
{
    Ostrel7::trapped(reporter_, QStringLiteral("CreateToolbar"), [&] {
        // A window loaded again builds its toolbar afresh.
        for (QAction* old : tBar_->actions()) {
            if (QMenu* menu = old->menu())
                menu->deleteLater();
        }
        tBar_->clear();
        auto separator = [&](const char* key) { tBar_->addSeparator()->setObjectName(QLatin1String(key)); };
        addButton(QStringLiteral("keyNew"), QStringLiteral("keyNew"), true);
        QAction* open = addButton(QStringLiteral("keyOPEN"), QStringLiteral("keyOPEN"), true);
        addButtonMenu(*open, {{QStringLiteral("keyREAD_STD"), 179},
                              {QStringLiteral("keyREAD_USER"), 180},
                              {QStringLiteral("keySEN2"), 0},
                              {QStringLiteral("InitialPath"), 181}});
        QAction* save = addButton(QStringLiteral("keySAVE"), QStringLiteral("keySAVE"), true);
        addButtonMenu(*save, {{QStringLiteral("keyOVERWRITE"), 182},
                              {QStringLiteral("keySAVEAS"), 183},
                              {QStringLiteral("keySAVEANOTHERTABLE"), 184}});
        separator("keySEPARATOR2");
        QAction* find = addButton(QStringLiteral("keyFIND"), QStringLiteral("keyFIND"), false);
        find->setToolTip(state().resource->Res(185));
        addButton(QStringLiteral("keyPRINT"), QStringLiteral("keyPRINT"), false);
        separator("keySEPARATOR3");
        addButton(QStringLiteral("keyCUT"), QStringLiteral("keyCUT"), true);
        addButton(QStringLiteral("keyCOPY"), QStringLiteral("keyCOPY"), false);
        addButton(QStringLiteral("keyPASTE"), QStringLiteral("keyPASTE"), true);
        addButton(QStringLiteral("keyROWINSERT"), QStringLiteral("keyINSERT"), true);
        addButton(QStringLiteral("keyUNDO"), QStringLiteral("keyUNDO"), true);
        separator("keySEPARATOR4");
        addButton(QStringLiteral("keyREM"), QStringLiteral("keyREM"), true);
        separator("keySEPARATOR5");
        QAction* info = addButton(QStringLiteral("keyFUZOKU"), QStringLiteral("keyMEMO"), false);
        addButtonMenu(*info, {{QStringLiteral("keyCOUNTER"), 332},
                              {QStringLiteral("keyREM"), 160},
                              {QStringLiteral("keyPASS"), 409}});
        ShowButtonCaption(state().DoesViewButtonCaption);
        tBar_->setMaximumWidth(platform::twipsToPixels(kToolbarWidth));
    });
}

QAction* fStep::toolKey(const QString& key) const
{
    for (QAction* button : tBar_->actions())
        if (button->objectName() == key)
            return button;
    return nullptr;
}

QMenu* fStep::buttonMenu(const QString& key) const
{
    QAction* button = toolKey(key);
    return button ? button->menu() : nullptr;
}

QString fStep::GetButtonCaption(const QString& key) const
{
    return Ostrel7::trapped(reporter_, QStringLiteral("GetButtonCaption"), [&] {
        const auto it = buttonCaptions().find(key);
        return it == buttonCaptions().end() ? QStringLiteral("UNKNOWN") : main_.state().resource->Res(it->second);
    });
}

void fStep::ShowButtonCaption(bool visible)
{
    Ostrel7::trapped(reporter_, QStringLiteral("ShowButtonCaption"), [&] {
        tBar_->setToolButtonStyle(visible ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        for (QAction* button : tBar_->actions()) {
            if (button->isSeparator())
                continue;
            const QString caption = GetButtonCaption(button->objectName());
            if (visible) {
                button->setText(caption);
            } else {
                button->setToolTip(caption);
                button->setText(QString());
            }
        }
    });
}

void fStep::buildEditMenu()
{
    mnuEdit_ = new QMenu(this);
    mnuEdit_->setObjectName(QStringLiteral("mnuEdit"));
    auto add = [&](const char* name, void (fStep::*handler)()) {
        QAction* item = mnuEdit_->addAction(QString());
        item->setObjectName(QLatin1String(name));
        const QString label = QLatin1String(name) + QStringLiteral("_Click");
        connect(item, &QAction::triggered, this, [this, label, handler] {
            platform::guarded(label, [&] { (this->*handler)(); });
        });
        return item;
    };
    mnuCut_ = add("mnuCut", &fStep::mnuCut_Click);
    mnuCopy_ = add("mnuCopy", &fStep::mnuCopy_Click);
    mnuPaste_ = add("mnuPaste", &fStep::mnuPaste_Click);
    mnuInsert_ = add("mnuInsert", &fStep::mnuInsert_Click);
}

void fStep::PopupEditMenu(const QPoint& globalPos) { platform::ui().popupMenu(*mnuEdit_, globalPos); }

} // namespace QelmStp
