#include "prefs/PreferencesWindow.h"

#include "base/LocalizedText.h"
#include "base/SystemFont.h"
#include "prefs/CheckForUpdateContainerControl.h"
#include "prefs/ResetPreferencesContainerControl.h"

#include <QCloseEvent>
#include <QPushButton>

void PreferencesWindow::showWithin(QWidget *parent)
{
    PreferencesWindow *window = existing();
    if (window && window->isVisible()) {
        window->raise();
        window->activateWindow();
        return;
    }
    if (!window)
        window = hold(new PreferencesWindow(parent));
    else if (window->parentWidget() != parent)
        window->setParent(parent, window->windowFlags());
    window->open();
}

PreferencesWindow::PreferencesWindow(QWidget *parent)
    : QDialog(parent)
{
    Layout();
    CreateControls();
}

void PreferencesWindow::Layout()
{
    setObjectName(QStringLiteral("PreferencesWindow"));
    // Discarded when closed: the next Preferences... starts from the values
    // held in memory at that moment.
    setAttribute(Qt::WA_DeleteOnClose);
    // A title but no close box; a sheet on the platforms that have them.
    setWindowFlags(Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(PreferencesWindowText::PreferencesWindowTitle.text());
    setFixedSize(320, 120);
}

void PreferencesWindow::CreateControls()
{
    mainCheckForUpdateContainerControl_ = new CheckForUpdateContainerControl(this);
    mainCheckForUpdateContainerControl_->setObjectName(
        QStringLiteral("MainCheckForUpdateContainerControl"));
    mainCheckForUpdateContainerControl_->setGeometry(10, 10, 300, 30);

    mainResetPreferencesContainerControl_ = new ResetPreferencesContainerControl(this);
    mainResetPreferencesContainerControl_->setObjectName(
        QStringLiteral("MainResetPreferencesContainerControl"));
    mainResetPreferencesContainerControl_->setGeometry(10, 50, 300, 30);

    okPushButton_ = new QPushButton(this);
    okPushButton_->setObjectName(QStringLiteral("OkPushButton"));
    okPushButton_->setFont(systemFont(12));
    okPushButton_->setText(PreferencesWindowText::OkPushButtonCaption.text());
    okPushButton_->setGeometry(260, 90, 50, 20);
    okPushButton_->setDefault(true);
    connect(okPushButton_, &QPushButton::clicked, this, &PreferencesWindow::OkPushButton_Action);
}

void PreferencesWindow::OkPushButton_Action()
{
    accept();
}

void PreferencesWindow::reject()
{
    // Every click took effect at once: there is nothing to cancel.
    accept();
}

void PreferencesWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
