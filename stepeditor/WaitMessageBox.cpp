#include "WaitMessageBox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace QelmStp {

WaitMessageBox::WaitMessageBox() = default;
WaitMessageBox::~WaitMessageBox() = default;

void WaitMessageBox::Prepare(int32_t /*mode*/)
{
    if (box_)
        return;
    box_ = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                                  Qt::WindowDoesNotAcceptFocus);
    box_->setObjectName(QStringLiteral("WaitMessageBox"));
    box_->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QHBoxLayout(box_.get());
    label_ = new QLabel(box_.get());
    label_->setObjectName(QStringLiteral("lblText"));
    label_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label_->setMargin(12);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
}

void WaitMessageBox::ShowText(const QString& text, int32_t mode)
{
    Prepare(mode);
    label_->setText(text);
    box_->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        box_->move(screen->availableGeometry().center() - box_->rect().center());
    box_->show();
    box_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WaitMessageBox::Close()
{
    if (box_)
        box_->hide();
}

bool WaitMessageBox::isShown() const { return box_ && box_->isVisible(); }

QString WaitMessageBox::text() const { return label_ ? label_->text() : QString(); }

} // namespace QelmStp
