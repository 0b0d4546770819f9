#include "app/InstructionsWindow.h"

#include "base/LayoutText.h"
#include "base/LocalizedText.h"
#include "base/SystemFont.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

#include <utility>

namespace {

// Calls `then` once a window is on the screen, placed where the window
// manager put it.
class WhenExposed final : public QObject {
public:
    WhenExposed(QWindow *window, std::function<void()> then)
        : QObject(window)
        , then_(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            then_();
            deleteLater();
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

InstructionsWindow *InstructionsWindow::instance()
{
    return existing() ? existing() : hold(new InstructionsWindow);
}

void InstructionsWindow::showWithin(QWidget *parent, std::function<void()> dismissed)
{
    InstructionsWindow *window = instance();
    window->setParent(parent, window->windowFlags());
    window->setWindowModality(Qt::WindowModal);
    if (dismissed)
        connect(window, &QDialog::finished, window,
                [dismissed = std::move(dismissed)] { dismissed(); });
    // The sheet comes down over its parent: a parent just shown waits for the
    // window manager to place it, so the sheet waits too.
    QWindow *parentWindow = parent->windowHandle();
    if (parent->isVisible() && parentWindow && !parentWindow->isExposed())
        new WhenExposed(parentWindow, [window = QPointer(window)] {
            if (window)
                window->open();
        });
    else
        window->open();
}

InstructionsWindow::InstructionsWindow()
{
    Layout();
    CreateControls();
}

void InstructionsWindow::Layout()
{
    setObjectName(QStringLiteral("InstructionsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A title bar without close, minimize or maximize buttons; a sheet on the
    // platforms that have them.
    setWindowFlags(Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(InstructionsWindowText::InstructionsWindowTitle.text());
    setFixedSize(320, 330);
}

void InstructionsWindow::CreateControls()
{
    instructionsStaticText_ = new QLabel(this);
    instructionsStaticText_->setObjectName(QStringLiteral("InstructionsStaticText"));
    instructionsStaticText_->setGeometry(10, 10, 300, 280);
    instructionsStaticText_->setText(
        withLineBreaks(InstructionsWindowText::InstructionsStaticTextText.text()));
    instructionsStaticText_->setFont(systemFont(10));
    makeLayoutText(instructionsStaticText_);
    instructionsStaticText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instructionsStaticText_->setWordWrap(true);

    okPushButton_ = new QPushButton(this);
    okPushButton_->setObjectName(QStringLiteral("OkPushButton"));
    okPushButton_->setGeometry(260, 300, 50, 20);
    okPushButton_->setText(InstructionsWindowText::OkPushButtonCaption.text());
    okPushButton_->setFont(systemFont(12));
    okPushButton_->setDefault(true);
    connect(okPushButton_, &QPushButton::clicked, this, &InstructionsWindow::OkPushButton_Action);
}

void InstructionsWindow::OkPushButton_Action()
{
    accept();
}

void InstructionsWindow::reject()
{
    accept();
}
