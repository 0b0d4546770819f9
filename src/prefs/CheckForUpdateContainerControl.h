#pragma once

#include "prefs/CheckBoxContainerControl.h"

// The check box that turns the update check at launch on or off.
class CheckForUpdateContainerControl final : public CheckBoxContainerControl {
    Q_OBJECT

public:
    explicit CheckForUpdateContainerControl(QWidget *parent = nullptr);

private:
    QCheckBox *checkCheckBox() const { return checkBox(); }

    void CheckCheckBox_Open();
    void CheckCheckBox_Action();
};
