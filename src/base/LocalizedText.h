#pragma once

#include <QString>

#include <span>

class QLocale;
class QTranslator;

// Texts the user sees that a translation may replace. Each one has a key
// ("Owner.Name") and an English default; every use looks the key up afresh,
// so a translation loaded for the user's language takes effect at once.

// The translation stored under `key`, or `defaultText` when there is none.
QString localizedText(const char *key, const char *defaultText);

struct LocalizedTextConstant {
    const char *key;
    const char *defaultText;

    QString text() const { return localizedText(key, defaultText); }
};

// Turns the carriage returns of a text into the line breaks that labels and
// message boxes show.
QString withLineBreaks(QString text);

// Loads into `translator` the file "<prefix>_<language>.qm" of `folder` for
// the first of the locale's languages that has one, before English, the
// texts' own. A language without a translation for its region takes another
// region's: pt_PT and pt_AO take pt_BR.
bool loadTranslation(QTranslator &translator, const QLocale &locale, const QString &prefix,
                     const QString &folder);

namespace MainWindowText {
inline constexpr LocalizedTextConstant SelectStaticTextText{"MainWindow.SelectStaticTextText",
                                                            "Select a USB device:"};
inline constexpr LocalizedTextConstant MainListBoxHeading0{"MainWindow.MainListBoxHeading0",
                                                           "Element"};
inline constexpr LocalizedTextConstant MainListBoxHeading1{"MainWindow.MainListBoxHeading1", "Min"};
inline constexpr LocalizedTextConstant MainListBoxHeading2{"MainWindow.MainListBoxHeading2", "Now"};
inline constexpr LocalizedTextConstant MainListBoxHeading3{"MainWindow.MainListBoxHeading3", "Max"};
inline constexpr LocalizedTextConstant InstructionsStaticTextText{
    "MainWindow.InstructionsStaticTextText",
    "Press/move slowly all buttons/sticks in all possible positions/directions, then release them "
    "to their default value before saving."};
inline constexpr LocalizedTextConstant SavePushButtonCaption{"MainWindow.SavePushButtonCaption",
                                                             "Save..."};
inline constexpr LocalizedTextConstant FileCreatedMessage{
    "MainWindow.FileCreatedMessage",
    "The \"%DEVICENAME%.txt\" file was successfully created.\rNow you can quit the application."};
inline constexpr LocalizedTextConstant FileNotCreatedMessage{
    "MainWindow.FileNotCreatedMessage", "The \"%DEVICENAME%.txt\" file could not be created."};
inline constexpr LocalizedTextConstant FileNotExistMessage{
    "MainWindow.FileNotExistMessage", "The \"%DEVICENAME%.txt\" file does not exist."};
inline constexpr LocalizedTextConstant DisconnectedDeviceText{"MainWindow.DisconnectedDeviceText",
                                                              "%DEVICENAME% (disconnected)"};
// The name of a device that gives none a person can see, with its USB vendor
// and product ids ("1209-0301").
inline constexpr LocalizedTextConstant UnnamedDeviceText{"MainWindow.UnnamedDeviceText",
                                                         "Game controller %USBID%"};
// What a screen reader says of an element in the list: has it been through
// its whole scale (both ends, or a hat's four directions)?
inline constexpr LocalizedTextConstant ElementDoneText{"MainWindow.ElementDoneText",
                                                       "Tested through its whole range"};
inline constexpr LocalizedTextConstant ElementNotDoneText{"MainWindow.ElementNotDoneText",
                                                          "Not yet through its whole range"};
// What a screen reader says of the element list and of Save....
inline constexpr LocalizedTextConstant MainListBoxAccessibleName{
    "MainWindow.MainListBoxAccessibleName", "Elements"};
inline constexpr LocalizedTextConstant SavePushButtonAccessibleDescription{
    "MainWindow.SavePushButtonAccessibleDescription",
    "Saves the minimum, default and maximum value of each element into a text file."};
} // namespace MainWindowText

namespace InstructionsWindowText {
inline constexpr LocalizedTextConstant InstructionsWindowTitle{
    "InstructionsWindow.InstructionsWindowTitle", "Instructions"};
inline constexpr LocalizedTextConstant OkPushButtonCaption{"InstructionsWindow.OkPushButtonCaption",
                                                           "Ok"};
inline constexpr LocalizedTextConstant InstructionsStaticTextText{
    "InstructionsWindow.InstructionsStaticTextText",
    "1) Connect right now the USB device you want to test before clicking on the \"Ok\" button "
    "at the bottom of this window.\r\r"
    "2) Then click on the \"Ok\" button to access the \"Quillomat\" window.\r\r"
    "3) In that window, select the USB device you want to test in the popup menu.\r\r"
    "4) Then press all buttons and move all sticks in all possible positions and directions in "
    "order to allow \"Quillomat\" to detect the possibilities and limits of your USB device.\r\r"
    "5) Then release all buttons and sticks to their default position.\r\r"
    "6) Then click on the \"Save\" button. This will save the values (minimum, default and "
    "maximum values of each button and stick) into a text file that you can open later with a "
    "text editor to check its content."};
} // namespace InstructionsWindowText

namespace AboutWindowText {
inline constexpr LocalizedTextConstant AboutWindowTitle{"AboutWindow.AboutWindowTitle",
                                                        "About %APPLICATIONNAME%"};
inline constexpr LocalizedTextConstant DevelopedStaticTextText{
    "AboutWindow.DevelopedStaticTextText", "Developed by \"Brindlecove Software\""};
} // namespace AboutWindowText

namespace CommonMenuModuleText {
inline constexpr LocalizedTextConstant AppleAboutText{"CommonMenuModule.AppleAboutText",
                                                      "About..."};
inline constexpr LocalizedTextConstant ApplePreferencesText{"CommonMenuModule.ApplePreferencesText",
                                                            "Preferences..."};
inline constexpr LocalizedTextConstant AppleQuitText{"CommonMenuModule.AppleQuitText", "Quit"};
inline constexpr LocalizedTextConstant EditClearText{"CommonMenuModule.EditClearText", "Clear"};
inline constexpr LocalizedTextConstant EditCopyText{"CommonMenuModule.EditCopyText", "Copy"};
inline constexpr LocalizedTextConstant EditCutText{"CommonMenuModule.EditCutText", "Cut"};
inline constexpr LocalizedTextConstant EditPasteText{"CommonMenuModule.EditPasteText", "Paste"};
inline constexpr LocalizedTextConstant EditText{"CommonMenuModule.EditText", "Edit"};
inline constexpr LocalizedTextConstant HelpDocumentationText{
    "CommonMenuModule.HelpDocumentationText", "Read the documentation..."};
inline constexpr LocalizedTextConstant HelpTranslateText{"CommonMenuModule.HelpTranslateText",
                                                         "Translate into another language..."};
inline constexpr LocalizedTextConstant HelpText{"CommonMenuModule.HelpText", "Help"};
inline constexpr LocalizedTextConstant HelpWebsiteText{"CommonMenuModule.HelpWebsiteText",
                                                       "Go to the website..."};
inline constexpr LocalizedTextConstant HelpContactText{"CommonMenuModule.HelpContactText",
                                                       "Contact us..."};
inline constexpr LocalizedTextConstant ViewText{"CommonMenuModule.ViewText", "View"};
inline constexpr LocalizedTextConstant ViewDeviceText{"CommonMenuModule.ViewDeviceText",
                                                      "Device window"};
} // namespace CommonMenuModuleText

namespace DeviceWindowText {
inline constexpr LocalizedTextConstant DeviceWindowTitle{"DeviceWindow.DeviceWindowTitle",
                                                         "Device"};
inline constexpr LocalizedTextConstant NoDeviceText{"DeviceWindow.NoDeviceText",
                                                    "No device is picked in the tester window."};
inline constexpr LocalizedTextConstant SticksTitle{"DeviceWindow.SticksTitle", "Sticks"};
inline constexpr LocalizedTextConstant AxesTitle{"DeviceWindow.AxesTitle",
                                                 "Triggers and other axes"};
inline constexpr LocalizedTextConstant ButtonsTitle{"DeviceWindow.ButtonsTitle", "Buttons"};
inline constexpr LocalizedTextConstant HatsTitle{"DeviceWindow.HatsTitle", "Hats"};
inline constexpr LocalizedTextConstant LeftStickName{"DeviceWindow.LeftStickName", "Left stick"};
inline constexpr LocalizedTextConstant RightStickName{"DeviceWindow.RightStickName", "Right stick"};
inline constexpr LocalizedTextConstant StickName{"DeviceWindow.StickName", "Stick %NUMBER%"};
// A stick's figures, each under the picture and read out together.
inline constexpr LocalizedTextConstant CircularityText{"DeviceWindow.CircularityText",
                                                       "Circularity error: %VALUE%"};
inline constexpr LocalizedTextConstant RestOffsetText{"DeviceWindow.RestOffsetText",
                                                      "Rest offset: %VALUE%"};
inline constexpr LocalizedTextConstant ReportRateText{"DeviceWindow.ReportRateText",
                                                      "Reports per second: %VALUE%"};
inline constexpr LocalizedTextConstant NotMeasuredText{"DeviceWindow.NotMeasuredText",
                                                       "not measured yet"};
inline constexpr LocalizedTextConstant StickNoteText{
    "DeviceWindow.StickNoteText",
    "Circularity error: how far the outline lies from a full circle, on average over the "
    "directions the stick went halfway or more. Rest offset: how far from the centre the stick "
    "rests once still for half a second. Both in percent of a full deflection."};
inline constexpr LocalizedTextConstant ClearStickCaption{"DeviceWindow.ClearStickCaption", "Clear"};
inline constexpr LocalizedTextConstant ClearStickDescription{
    "DeviceWindow.ClearStickDescription",
    "Forgets the outline and figures of this stick, to measure it again."};
inline constexpr LocalizedTextConstant AxisReading{"DeviceWindow.AxisReading",
                                                   "%NOW%, reached %MINIMUM% to %MAXIMUM%"};
inline constexpr LocalizedTextConstant PressedText{"DeviceWindow.PressedText", "Pressed"};
inline constexpr LocalizedTextConstant PressedBeforeText{"DeviceWindow.PressedBeforeText",
                                                         "Released, pressed before"};
inline constexpr LocalizedTextConstant NeverPressedText{"DeviceWindow.NeverPressedText",
                                                        "Never pressed"};
inline constexpr LocalizedTextConstant HatReading{"DeviceWindow.HatReading",
                                                  "Pointing %NOW%; seen %SEEN%"};
inline constexpr LocalizedTextConstant UpText{"DeviceWindow.UpText", "up"};
inline constexpr LocalizedTextConstant RightText{"DeviceWindow.RightText", "right"};
inline constexpr LocalizedTextConstant DownText{"DeviceWindow.DownText", "down"};
inline constexpr LocalizedTextConstant LeftText{"DeviceWindow.LeftText", "left"};
inline constexpr LocalizedTextConstant CentredText{"DeviceWindow.CentredText", "centred"};
inline constexpr LocalizedTextConstant NoneText{"DeviceWindow.NoneText", "none"};
// Outputs, motion sensors, touchpads and identity.
inline constexpr LocalizedTextConstant OutputsTitle{"DeviceWindow.OutputsTitle",
                                                    "Rumble and light"};
inline constexpr LocalizedTextConstant RumbleLabel{"DeviceWindow.RumbleLabel", "Rumble:"};
inline constexpr LocalizedTextConstant LowMotorCaption{"DeviceWindow.LowMotorCaption",
                                                       "Low-frequency motor"};
inline constexpr LocalizedTextConstant HighMotorCaption{"DeviceWindow.HighMotorCaption",
                                                        "High-frequency motor"};
inline constexpr LocalizedTextConstant BothMotorsCaption{"DeviceWindow.BothMotorsCaption",
                                                         "Both motors"};
inline constexpr LocalizedTextConstant TriggerRumbleLabel{"DeviceWindow.TriggerRumbleLabel",
                                                          "Trigger rumble:"};
inline constexpr LocalizedTextConstant LeftTriggerCaption{"DeviceWindow.LeftTriggerCaption",
                                                          "Left trigger"};
inline constexpr LocalizedTextConstant RightTriggerCaption{"DeviceWindow.RightTriggerCaption",
                                                           "Right trigger"};
inline constexpr LocalizedTextConstant LightLabel{"DeviceWindow.LightLabel", "Light:"};
inline constexpr LocalizedTextConstant RedCaption{"DeviceWindow.RedCaption", "Red"};
inline constexpr LocalizedTextConstant GreenCaption{"DeviceWindow.GreenCaption", "Green"};
inline constexpr LocalizedTextConstant BlueCaption{"DeviceWindow.BlueCaption", "Blue"};
inline constexpr LocalizedTextConstant WhiteCaption{"DeviceWindow.WhiteCaption", "White"};
inline constexpr LocalizedTextConstant OffCaption{"DeviceWindow.OffCaption", "Off"};
inline constexpr LocalizedTextConstant RumbleDescription{"DeviceWindow.RumbleDescription",
                                                         "Runs for a second at full strength."};
inline constexpr LocalizedTextConstant NoRumbleText{"DeviceWindow.NoRumbleText",
                                                    "This device has no rumble motors."};
inline constexpr LocalizedTextConstant NoTriggerRumbleText{
    "DeviceWindow.NoTriggerRumbleText", "This device has no rumble motors in its triggers."};
inline constexpr LocalizedTextConstant UnpluggedText{"DeviceWindow.UnpluggedText",
                                                     "The device is unplugged."};
inline constexpr LocalizedTextConstant NoLightText{"DeviceWindow.NoLightText",
                                                   "This device has no light."};
inline constexpr LocalizedTextConstant RefusedText{"DeviceWindow.RefusedText",
                                                   "The device refused: %REASON%"};
inline constexpr LocalizedTextConstant MotionTitle{"DeviceWindow.MotionTitle", "Motion sensors"};
inline constexpr LocalizedTextConstant GyroscopeName{"DeviceWindow.GyroscopeName", "Gyroscope"};
inline constexpr LocalizedTextConstant AccelerometerName{"DeviceWindow.AccelerometerName",
                                                         "Accelerometer"};
inline constexpr LocalizedTextConstant DriftName{"DeviceWindow.DriftName", "Gyroscope drift"};
inline constexpr LocalizedTextConstant RotationReading{"DeviceWindow.RotationReading",
                                                       "%X%, %Y%, %Z% degrees per second"};
inline constexpr LocalizedTextConstant AccelerationReading{"DeviceWindow.AccelerationReading",
                                                           "%X%, %Y%, %Z% g"};
inline constexpr LocalizedTextConstant NotStillText{"DeviceWindow.NotStillText",
                                                    "lay the device still for two seconds"};
inline constexpr LocalizedTextConstant TouchpadsTitle{"DeviceWindow.TouchpadsTitle", "Touchpads"};
inline constexpr LocalizedTextConstant TouchpadName{"DeviceWindow.TouchpadName",
                                                    "Touchpad %NUMBER%"};
inline constexpr LocalizedTextConstant FingerReading{
    "DeviceWindow.FingerReading", "finger at %X% across, %Y% down, pressure %PRESSURE%"};
inline constexpr LocalizedTextConstant NoFingerText{"DeviceWindow.NoFingerText", "no finger"};
inline constexpr LocalizedTextConstant IdentityTitle{"DeviceWindow.IdentityTitle", "Identity"};
inline constexpr LocalizedTextConstant NameLabel{"DeviceWindow.NameLabel", "Name"};
inline constexpr LocalizedTextConstant VendorLabel{"DeviceWindow.VendorLabel", "Vendor ID"};
inline constexpr LocalizedTextConstant ProductLabel{"DeviceWindow.ProductLabel", "Product ID"};
inline constexpr LocalizedTextConstant ProductVersionLabel{"DeviceWindow.ProductVersionLabel",
                                                           "Product version"};
inline constexpr LocalizedTextConstant FirmwareLabel{"DeviceWindow.FirmwareLabel",
                                                     "Firmware version"};
inline constexpr LocalizedTextConstant SerialLabel{"DeviceWindow.SerialLabel", "Serial number"};
inline constexpr LocalizedTextConstant GuidLabel{"DeviceWindow.GuidLabel", "GUID"};
inline constexpr LocalizedTextConstant TypeLabel{"DeviceWindow.TypeLabel", "Controller type"};
inline constexpr LocalizedTextConstant MappingLabel{"DeviceWindow.MappingLabel", "Mapping"};
inline constexpr LocalizedTextConstant ConnectionLabel{"DeviceWindow.ConnectionLabel",
                                                       "Connection"};
inline constexpr LocalizedTextConstant BatteryLabel{"DeviceWindow.BatteryLabel", "Battery"};
inline constexpr LocalizedTextConstant UnknownText{"DeviceWindow.UnknownText", "unknown"};
inline constexpr LocalizedTextConstant NoMappingText{"DeviceWindow.NoMappingText", "none"};
inline constexpr LocalizedTextConstant WiredText{"DeviceWindow.WiredText", "wired"};
inline constexpr LocalizedTextConstant WirelessText{"DeviceWindow.WirelessText", "wireless"};
inline constexpr LocalizedTextConstant EmptyText{"DeviceWindow.EmptyText", "empty"};
inline constexpr LocalizedTextConstant LowText{"DeviceWindow.LowText", "low"};
inline constexpr LocalizedTextConstant MediumText{"DeviceWindow.MediumText", "medium"};
inline constexpr LocalizedTextConstant FullText{"DeviceWindow.FullText", "full"};
inline constexpr LocalizedTextConstant CopyCaption{"DeviceWindow.CopyCaption", "Copy"};
inline constexpr LocalizedTextConstant CopyDescription{
    "DeviceWindow.CopyDescription",
    "Puts the device's identity on the clipboard as text, one fact a line."};
} // namespace DeviceWindowText

namespace CheckForUpdateContainerControlText {
inline constexpr LocalizedTextConstant CheckCheckBoxCaption{
    "CheckForUpdateContainerControl.CheckCheckBoxCaption",
    "Automatically check for update at launch."};
} // namespace CheckForUpdateContainerControlText

namespace CheckForUpdateThreadText {
inline constexpr LocalizedTextConstant NewVersionAvailableMessage{
    "CheckForUpdateThread.NewVersionAvailableMessage",
    "Update notification\r\rA new version of %APPLICATIONNAME% is available online.\rYou can "
    "download it right now from our website."};
} // namespace CheckForUpdateThreadText

namespace ResetPreferencesContainerControlText {
inline constexpr LocalizedTextConstant ResetCheckBoxCaption{
    "ResetPreferencesContainerControl.ResetCheckBoxCaption",
    "Reset the preferences at next launch."};
} // namespace ResetPreferencesContainerControlText

namespace PreferencesWindowText {
inline constexpr LocalizedTextConstant OkPushButtonCaption{"PreferencesWindow.OkPushButtonCaption",
                                                           "Ok"};
inline constexpr LocalizedTextConstant PreferencesWindowTitle{
    "PreferencesWindow.PreferencesWindowTitle", "Preferences"};
} // namespace PreferencesWindowText

// Every constant of the program, for translators' tools and for tests.
std::span<const LocalizedTextConstant> allLocalizedTextConstants();
