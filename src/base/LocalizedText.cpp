#include "base/LocalizedText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <array>

QString localizedText(const char *key, const char *defaultText)
{
    // Qt gives the key itself back when no translation holds it.
    const QString translated = qtTrId(key);
    if (translated == QLatin1String(key))
        return QString::fromUtf8(defaultText);
    return translated;
}

QString withLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool loadTranslation(QTranslator &translator, const QLocale &locale, const QString &prefix,
                     const QString &folder)
{
    for (const QString &uiLanguage : locale.uiLanguages()) {
        const QLocale language(uiLanguage);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return false;
        if (translator.load(language, prefix, QStringLiteral("_"), folder))
            return true;
        const QString code = language.name().section(QLatin1Char('_'), 0, 0);
        const QStringList regions = QDir(folder).entryList(
            {QStringLiteral("%1_%2_*.qm").arg(prefix, code)}, QDir::Files, QDir::Name);
        for (const QString &file : regions) {
            if (translator.load(file, folder))
                return true;
        }
    }
    return false;
}

std::span<const LocalizedTextConstant> allLocalizedTextConstants()
{
    static constexpr std::array constants{
        MainWindowText::SelectStaticTextText,
        MainWindowText::MainListBoxHeading0,
        MainWindowText::MainListBoxHeading1,
        MainWindowText::MainListBoxHeading2,
        MainWindowText::MainListBoxHeading3,
        MainWindowText::InstructionsStaticTextText,
        MainWindowText::SavePushButtonCaption,
        MainWindowText::FileCreatedMessage,
        MainWindowText::FileNotCreatedMessage,
        MainWindowText::FileNotExistMessage,
        MainWindowText::DisconnectedDeviceText,
        MainWindowText::UnnamedDeviceText,
        MainWindowText::ElementDoneText,
        MainWindowText::ElementNotDoneText,
        MainWindowText::MainListBoxAccessibleName,
        MainWindowText::SavePushButtonAccessibleDescription,
        InstructionsWindowText::InstructionsWindowTitle,
        AboutWindowText::AboutWindowTitle,
        InstructionsWindowText::OkPushButtonCaption,
        InstructionsWindowText::InstructionsStaticTextText,
        AboutWindowText::DevelopedStaticTextText,
        CommonMenuModuleText::AppleAboutText,
        CommonMenuModuleText::ApplePreferencesText,
        CommonMenuModuleText::AppleQuitText,
        CommonMenuModuleText::EditClearText,
        CommonMenuModuleText::EditCopyText,
        CommonMenuModuleText::EditCutText,
        CommonMenuModuleText::EditPasteText,
        CommonMenuModuleText::EditText,
        CommonMenuModuleText::HelpDocumentationText,
        CommonMenuModuleText::HelpTranslateText,
        CommonMenuModuleText::HelpText,
        CommonMenuModuleText::HelpWebsiteText,
        CommonMenuModuleText::HelpContactText,
        CommonMenuModuleText::ViewText,
        CommonMenuModuleText::ViewDeviceText,
        DeviceWindowText::DeviceWindowTitle,
        DeviceWindowText::NoDeviceText,
        DeviceWindowText::SticksTitle,
        DeviceWindowText::AxesTitle,
        DeviceWindowText::ButtonsTitle,
        DeviceWindowText::HatsTitle,
        DeviceWindowText::LeftStickName,
        DeviceWindowText::RightStickName,
        DeviceWindowText::StickName,
        DeviceWindowText::CircularityText,
        DeviceWindowText::RestOffsetText,
        DeviceWindowText::ReportRateText,
        DeviceWindowText::NotMeasuredText,
        DeviceWindowText::StickNoteText,
        DeviceWindowText::ClearStickCaption,
        DeviceWindowText::ClearStickDescription,
        DeviceWindowText::AxisReading,
        DeviceWindowText::PressedText,
        DeviceWindowText::PressedBeforeText,
        DeviceWindowText::NeverPressedText,
        DeviceWindowText::HatReading,
        DeviceWindowText::UpText,
        DeviceWindowText::RightText,
        DeviceWindowText::DownText,
        DeviceWindowText::LeftText,
        DeviceWindowText::CentredText,
        DeviceWindowText::NoneText,
        DeviceWindowText::OutputsTitle,
        DeviceWindowText::RumbleLabel,
        DeviceWindowText::LowMotorCaption,
        DeviceWindowText::HighMotorCaption,
        DeviceWindowText::BothMotorsCaption,
        DeviceWindowText::TriggerRumbleLabel,
        DeviceWindowText::LeftTriggerCaption,
        DeviceWindowText::RightTriggerCaption,
        DeviceWindowText::LightLabel,
        DeviceWindowText::RedCaption,
        DeviceWindowText::GreenCaption,
        DeviceWindowText::BlueCaption,
        DeviceWindowText::WhiteCaption,
        DeviceWindowText::OffCaption,
        DeviceWindowText::RumbleDescription,
        DeviceWindowText::NoRumbleText,
        DeviceWindowText::NoTriggerRumbleText,
        DeviceWindowText::NoLightText,
        DeviceWindowText::UnpluggedText,
        DeviceWindowText::RefusedText,
        DeviceWindowText::MotionTitle,
        DeviceWindowText::GyroscopeName,
        DeviceWindowText::AccelerometerName,
        DeviceWindowText::DriftName,
        DeviceWindowText::RotationReading,
        DeviceWindowText::AccelerationReading,
        DeviceWindowText::NotStillText,
        DeviceWindowText::TouchpadsTitle,
        DeviceWindowText::TouchpadName,
        DeviceWindowText::FingerReading,
        DeviceWindowText::NoFingerText,
        DeviceWindowText::IdentityTitle,
        DeviceWindowText::NameLabel,
        DeviceWindowText::VendorLabel,
        DeviceWindowText::ProductLabel,
        DeviceWindowText::ProductVersionLabel,
        DeviceWindowText::FirmwareLabel,
        DeviceWindowText::SerialLabel,
        DeviceWindowText::GuidLabel,
        DeviceWindowText::TypeLabel,
        DeviceWindowText::MappingLabel,
        DeviceWindowText::ConnectionLabel,
        DeviceWindowText::BatteryLabel,
        DeviceWindowText::UnknownText,
        DeviceWindowText::NoMappingText,
        DeviceWindowText::WiredText,
        DeviceWindowText::WirelessText,
        DeviceWindowText::EmptyText,
        DeviceWindowText::LowText,
        DeviceWindowText::MediumText,
        DeviceWindowText::FullText,
        DeviceWindowText::CopyCaption,
        DeviceWindowText::CopyDescription,
        CheckForUpdateContainerControlText::CheckCheckBoxCaption,
        CheckForUpdateThreadText::NewVersionAvailableMessage,
        ResetPreferencesContainerControlText::ResetCheckBoxCaption,
        PreferencesWindowText::OkPushButtonCaption,
        PreferencesWindowText::PreferencesWindowTitle,
    };
    return constants;
}
