// The real file dialog of the window system, as the programs' Ui service shows
// it: the filter it opens with.

#include "XDesktop.h"

#include "ModalLoopWatch.h"

#include "platform/Ui.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

namespace xdesktop {

namespace {

// The filter the open-file dialog shows when it opens, read while it is shown;
// the dialog is then cancelled.
QString filterShownOpening(const platform::FileDialogRequest& request)
{
    QString shown = QStringLiteral("<no dialog>");
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog && dialog->isVisible()) {
                shown = dialog->selectedNameFilter();
                dialog->reject();
            }
    });
    poll.start();
    EXPECT_EQ(platform::ui().openFileName(request), QString());
    return shown;
}

} // namespace

TEST(FileDialog, OpensShowingTheFilterOfTheIndexAsked)
{
    XDESKTOP_SKIP_WITHOUT_X_SERVER();
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); // Qt's own dialog, the same on every desktop
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const RealUi realUi;
    const testsupport::ModalLoopWatch::Pause answeredHere;
    const struct {
        int index;
        const char* shown;
    } cases[] = {{1, "Table files (*.etb)"}, {2, "All files (*.*)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        platform::FileDialogRequest request;
        request.title = QStringLiteral("Open");
        request.filter = QStringLiteral("Table files|*.etb|All files|*.*");
        request.filterIndex = c.index;
        request.initialFolder = folder.path();
        EXPECT_EQ(filterShownOpening(request).toStdString(), c.shown);
    }
}

} // namespace xdesktop
