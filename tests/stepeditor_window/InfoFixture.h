#pragma once
// The step editor started with the demo program's table 1 open in the user
// window, for the commands of the attached information and printing.

#include "StepEditorFixture.h"
#include "WindowDriver.h"

#include "datamodel/steps/colclsStep.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

namespace steptest {

class InfoFixture : public StepEditorFixture {
protected:

    void SetUp() override
    {
        StepEditorFixture::SetUp();
        demo_ = startOnDemoProgram();
        ASSERT_FALSE(demo_.isEmpty());
    }

    Telva27::colclsStep& userProgram() { return *state().stepUsr; }

    // Chooses an item of the Info button's menu, as the user does.
    void chooseInfo(QelmStp::fStep& w, const char* itemKey)
    {
        QMenu* menu = w.buttonMenu(QStringLiteral("keyFUZOKU"));
        ASSERT_NE(menu, nullptr);
        QAction* item = menu->findChild<QAction*>(QLatin1String(itemKey));
        ASSERT_NE(item, nullptr) << itemKey;
        ASSERT_TRUE(item->isEnabled()) << itemKey;
        item->trigger();
    }

    static QString message(int16_t number, const std::optional<QVariant>& x1 = std::nullopt)
    {
        return QelmStp::mMOD::MessageText(number, x1);
    }
    static QStringList messages()
    {
        return testsupport::scriptedUi().messageTexts();
    }

    QString demo_;
};

} // namespace steptest
