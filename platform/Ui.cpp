#include "Ui.h"

#include <QApplication>
#include <QWidget>

namespace platform {

Ui::~Ui() = default;

namespace {

class QuietUi final : public Ui {
public:
    int32_t messageBox(const QString&, int32_t style, const QString&) override
    {
        switch (msgButtons(style)) {
        case vbOKCancel: return vbCancel;
        case vbAbortRetryIgnore: return vbAbort;
        case vbYesNoCancel: return vbCancel;
        case vbYesNo: return vbNo;
        case vbRetryCancel: return vbCancel;
        default: return vbOK;
        }
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    QString folderName(const QString&, const QString&) override { return {}; }
    bool startProgram(const QString&, const QStringList&, bool) override { return false; }
    bool openDocument(const QString&) override { return false; }
    int runDialog(QDialog&) override { return 0; } // rejected: nobody to answer
    QAction* popupMenu(QMenu&, const QPoint&) override { return nullptr; }
    ColorDialogAnswer colorDialog(const ColorDialogRequest& request) override
    {
        return {std::nullopt, request.customColors};
    }
};

std::shared_ptr<Ui>& installed()
{
    static std::shared_ptr<Ui> service = std::make_shared<QuietUi>();
    return service;
}

} // namespace

Ui& ui() { return *installed(); }

void installUi(std::shared_ptr<Ui> service)
{
    installed() = service ? std::move(service) : std::make_shared<QuietUi>();
}

QWidget* dialogParent()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::activeWindow() : nullptr;
}

QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace platform
