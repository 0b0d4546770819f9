#pragma once

#include "base/SingleInstance.h"

#include <QDialog>

class CheckForUpdateContainerControl;
class QPushButton;
class ResetPreferencesContainerControl;

// The Preferences... sheet: the two settings a user may change, each click
// taking effect in memory at once. Ok, Return and Escape close it; there is
// no Cancel and no close box.
class PreferencesWindow final : public QDialog, public SingleInstance<PreferencesWindow> {
    Q_OBJECT

public:
    // Shows the preferences window-modal over `parent` (a sheet where the
    // platform has them) and returns at once; brings it forward when open.
    static void showWithin(QWidget *parent);

public slots:
    // Escape lands here: it closes the window as Ok does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit PreferencesWindow(QWidget *parent);

    void OkPushButton_Action();

    void Layout();
    void CreateControls();

    CheckForUpdateContainerControl *mainCheckForUpdateContainerControl_ = nullptr;
    ResetPreferencesContainerControl *mainResetPreferencesContainerControl_ = nullptr;
    QPushButton *okPushButton_ = nullptr;
};
