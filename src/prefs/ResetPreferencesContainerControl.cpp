#include "prefs/ResetPreferencesContainerControl.h"

#include "base/LocalizedText.h"
#include "prefs/PreferencesModule.h"

#include <QCheckBox>

ResetPreferencesContainerControl::ResetPreferencesContainerControl(QWidget *parent)
    : CheckBoxContainerControl(parent, QStringLiteral("ResetCheckBox"))
{
    setObjectName(QStringLiteral("ResetPreferencesContainerControl"));
    resetCheckBox()->setText(ResetPreferencesContainerControlText::ResetCheckBoxCaption.text());
    connect(resetCheckBox(), &QCheckBox::toggled, this,
            &ResetPreferencesContainerControl::ResetCheckBox_Action);
    ResetCheckBox_Open();
}

void ResetPreferencesContainerControl::ResetCheckBox_Action()
{
    PreferencesModule::resetPreferences = resetCheckBox()->isChecked();
}

void ResetPreferencesContainerControl::ResetCheckBox_Open()
{
    resetCheckBox()->setChecked(PreferencesModule::resetPreferences);
}
