// fMain: the two toolbars with their images and button menus, the parameter
// menu, the enabling of the file-dependent buttons and the caption.

#include "fMain.h"

#include "ProgramState.h"

#include "datamodel/parameters/clsFunction.h"
#include "datamodel/parameters/colclsFunction.h"
#include "dialogs/clsSelectTable.h"
#include "mMOD.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"

#include <QAction>
#include <QBitmap>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace QelmSet {

namespace {

// The toolbar pictures, each a bitmap of the resource library whose magenta
// pixels are transparent.
const std::pair<const char*, int32_t> kImages[] = {
    {"keyCLOSE", 101}, {"keySETPARAM", 104}, {"keyOPEN", 107},  {"keySAVE", 109}, {"DataCopy", 162},
    {"keyWARRANGE", 111}, {"keySTG", 160},  {"keyETB", 161},   {"keySTEP", 164},
};

QString upperExtension(const QString& path) { return QFileInfo(path).suffix().toUpper(); }

} // namespace

void fMain::SetImageList()
{
    const QSize size(19, 19);
    for (const auto& [key, id] : kImages) {
        QPixmap picture = state_->resource->PicRes(id)->bitmap();
        picture.setMask(picture.createMaskFromColor(QColor(255, 0, 255)));
        imgListToolBar_.insert(QLatin1String(key), QIcon(picture.scaled(size)));
    }
}

QIcon fMain::image(const QString& key) const { return imgListToolBar_.value(key); }

QAction* fMain::addToolButton(QToolBar& bar, const QString& key, int32_t caption, const QString& imageKey)
{
    QAction* button = bar.addAction(image(imageKey), state_->resource->Res(caption));
    button->setObjectName(key);
    return button;
}

QMenu* fMain::addButtonMenu(QAction& button, const QList<std::pair<QString, int32_t>>& items)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(button.objectName() + QStringLiteral("Menu"));
    for (const auto& [key, caption] : items) {
        QAction* item = menu->addAction(caption == 0 ? QString() : state_->resource->Res(caption));
        item->setObjectName(key);
        item->setSeparator(caption == 0);
    }
    button.setMenu(menu);
    if (auto* face = qobject_cast<QToolButton*>(tBar_->widgetForAction(&button)))
        face->setPopupMode(QToolButton::MenuButtonPopup);
    return menu;
}

void fMain::CreateToolBars()
{
    tBar_ = new QToolBar(pictBar_);
    tBar_->setObjectName(QStringLiteral("tBar"));
    tBar2_ = new QToolBar(pictBar2_);
    tBar2_->setObjectName(QStringLiteral("tBar2"));
    for (QToolBar* bar : {tBar_, tBar2_}) {
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        bar->setIconSize(QSize(19, 19));
    }
    pictBar_->addWidget(tBar_);
    pictBar2_->addWidget(tBar2_);

    addToolButton(*tBar_, QStringLiteral("keyCLOSE"), 52, QStringLiteral("keyCLOSE"));
    QAction* open = addToolButton(*tBar_, QStringLiteral("keyOPEN"), 53, QStringLiteral("keyOPEN"));
    addButtonMenu(*open, {{QStringLiteral("keyREAD_STD_USER"), 54},
                          {QStringLiteral("keySEN1"), 0},
                          {QStringLiteral("keyREAD_STD"), 55},
                          {QStringLiteral("keyREAD_USER"), 56},
                          {QStringLiteral("keySEN2"), 0},
                          {QStringLiteral("keyREADINITIALPATH"), 57}});
    QAction* save = addToolButton(*tBar_, QStringLiteral("keySAVE"), 58, QStringLiteral("keySAVE"));
    addButtonMenu(*save, {{QStringLiteral("keyOVERWRITE"), 59},
                          {QStringLiteral("keySAVEAS"), 60},
                          {QStringLiteral("keySAVEASOTHERTB"), 362}});
    addToolButton(*tBar_, QStringLiteral("DataCopy"), 371, QStringLiteral("DataCopy"));
    // Blank places keep the two file buttons apart from the commands and from each other.
    auto addSpaces = [&](int first) {
        for (int i = first; i < first + 3; ++i) {
            QAction* space = tBar_->addSeparator();
            space->setObjectName(QStringLiteral("keySpace%1").arg(i));
        }
    };
    addSpaces(1);
    addToolButton(*tBar_, QStringLiteral("keySTD"), 364, QString());
    addSpaces(4);
    addToolButton(*tBar_, QStringLiteral("keyUSR"), 365, QString());

    addToolButton(*tBar2_, QStringLiteral("keyHEADDER"), 61, QStringLiteral("keySETPARAM"));
    addToolButton(*tBar2_, QStringLiteral("keyPARAM"), 62, QStringLiteral("keySETPARAM"));
    addToolButton(*tBar2_, QStringLiteral("keyOKURIPARAM"), 66, QStringLiteral("keySETPARAM"));
    addToolButton(*tBar2_, QStringLiteral("keyCUSTOMIZE"), 63, QStringLiteral("keySETPARAM"));
    addToolButton(*tBar2_, QStringLiteral("keySTEPSEQUENCE"), 64, QStringLiteral("keySTEP"));
    addToolButton(*tBar2_, QStringLiteral("keyWARRANGE"), 65, QStringLiteral("keyWARRANGE"));
    connectCommands();
}

void fMain::SetCoolBarBandWidth()
{
    Ostrel7::trapped(*state_->method, QStringLiteral("SetCoolBarBandWidth"), [&] {
        // Each band spans the window on a row of its own.
        for (QToolBar* bar : {tBar_, tBar2_})
            bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    });
}

QAction* fMain::toolKey(const QString& key) const { return findChild<QAction*>(key); }

void fMain::EnableToolButtons()
{
    if (!tBar_)
        return;
    const bool ready = !stdFilePath_.isEmpty() && !usrFilePath_.isEmpty();
    for (const char* key : {"keySAVE", "keySTD", "keyUSR", "keyPARAM", "keyHEADDER", "keyOKURIPARAM", "keyCUSTOMIZE",
                            "keyWARRANGE"})
        toolKey(QLatin1String(key))->setEnabled(ready);
    for (const char* key : {"keyCLOSE", "keyOPEN", "DataCopy", "keySTEPSEQUENCE"})
        toolKey(QLatin1String(key))->setEnabled(true);
}

void fMain::SetCaption()
{
    Ostrel7::trapped(*state_->method, QStringLiteral("SetCaption"), [&] {
        setWindowTitle(state_->RegAppName + QStringLiteral(" Ver1.28"));
        if (!tBar_)
            return;
        auto showFile = [&](const char* key, const QString& path) {
            if (path.isEmpty())
                return;
            QAction* button = toolKey(QLatin1String(key));
            QString caption = QFileInfo(path).fileName();
            const bool eightTables = upperExtension(path) == QLatin1String("STG");
            if (eightTables && key == QLatin1String("keyUSR"))
                caption += QStringLiteral(" (%1)").arg(usrTableIndex_);
            button->setText(caption);
            button->setIcon(image(eightTables ? QStringLiteral("keySTG") : QStringLiteral("keyETB")));
            button->setData(path);
        };
        showFile("keySTD", stdFilePath_);
        showFile("keyUSR", usrFilePath_);
    });
}

void fMain::Create_mnuParam()
{
    Ostrel7::trapped(*state_->method, QStringLiteral("Create_mnuParam"), [&] {
        auto addItem = [&](const QString& text, const QString& tag) {
            const int32_t index = Load_mnuParamCotentn();
            QAction* item = mnuParamContent(index);
            item->setText(QStringLiteral("%1  %2").arg(index, 2, 10, QLatin1Char('0')).arg(text));
            item->setData(tag);
            return item;
        };
        addItem(state_->resource->Res(46), QStringLiteral("AllFunctions"));
        addItem(state_->resource->Res(47), QStringLiteral("ViewDif"));
        mnuParamContent(Load_mnuParamCotentn())->setSeparator(true);
        for (const auto& function : *state_->functions)
            addItem(function->TOPKMK(), function->FunctionName());
    });
}

} // namespace QelmSet
