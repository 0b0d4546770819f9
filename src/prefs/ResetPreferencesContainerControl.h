#pragma once

#include "prefs/CheckBoxContainerControl.h"

// The check box that asks for the next launch to start from defaults.
class ResetPreferencesContainerControl final : public CheckBoxContainerControl {
    Q_OBJECT

public:
    explicit ResetPreferencesContainerControl(QWidget *parent = nullptr);

private:
    QCheckBox *resetCheckBox() const { return checkBox(); }

    void ResetCheckBox_Action();
    void ResetCheckBox_Open();
};
