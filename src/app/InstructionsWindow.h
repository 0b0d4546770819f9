#pragma once

#include "base/SingleInstance.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// How to test a device, in six steps, shown over the tester window at every
// launch. Ok, Return and Escape dismiss it alike.
class InstructionsWindow final : public QDialog, public SingleInstance<InstructionsWindow> {
    Q_OBJECT

public:
    // The open instructions window, created when there is none.
    static InstructionsWindow *instance();

    // Shows a new instructions window modally within `parent` and calls
    // `dismissed` once the user has closed it.
    static void showWithin(QWidget *parent, std::function<void()> dismissed);

public slots:
    // Escape and the window manager's close request close it as Ok does.
    void reject() override;

private:
    InstructionsWindow();

    void OkPushButton_Action();

    void Layout();
    void CreateControls();

    QLabel *instructionsStaticText_ = nullptr;
    QPushButton *okPushButton_ = nullptr;
};
