#include "prefs/CheckForUpdateContainerControl.h"

#include "base/LocalizedText.h"
#include "prefs/PreferencesModule.h"

#include <QCheckBox>

CheckForUpdateContainerControl::CheckForUpdateContainerControl(QWidget *parent)
    : CheckBoxContainerControl(parent, QStringLiteral("CheckCheckBox"))
{
    setObjectName(QStringLiteral("CheckForUpdateContainerControl"));
    checkCheckBox()->setText(CheckForUpdateContainerControlText::CheckCheckBoxCaption.text());
    connect(checkCheckBox(), &QCheckBox::toggled, this,
            &CheckForUpdateContainerControl::CheckCheckBox_Action);
    CheckCheckBox_Open();
}

void CheckForUpdateContainerControl::CheckCheckBox_Open()
{
    checkCheckBox()->setChecked(PreferencesModule::checkForUpdate);
}

void CheckForUpdateContainerControl::CheckCheckBox_Action()
{
    PreferencesModule::checkForUpdate = checkCheckBox()->isChecked();
}
