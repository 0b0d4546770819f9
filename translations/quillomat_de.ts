<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="MainWindow.SelectStaticTextText">
        <source>Select a USB device:</source>
        <translation>USB-Gerät auswählen:</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading0">
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading1">
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading2">
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading3">
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message id="MainWindow.InstructionsStaticTextText">
        <source>Press/move slowly all buttons/sticks in all possible positions/directions, then release them to their default value before saving.</source>
        <translation>Alle Tasten und Sticks langsam in jede mögliche Stellung und Richtung bewegen und vor dem Speichern wieder in die Ruhestellung zurückkehren lassen.</translation>
    </message>
    <message id="MainWindow.SavePushButtonCaption">
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message id="MainWindow.FileCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file was successfully created.&#xd;Now you can quit the application.</source>
        <translation>Die Datei „%DEVICENAME%.txt“ wurde erstellt.&#xd;Sie können das Programm jetzt beenden.</translation>
    </message>
    <message id="MainWindow.FileNotCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file could not be created.</source>
        <translation>Die Datei „%DEVICENAME%.txt“ konnte nicht erstellt werden.</translation>
    </message>
    <message id="MainWindow.FileNotExistMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file does not exist.</source>
        <translation>Die Datei „%DEVICENAME%.txt“ existiert nicht.</translation>
    </message>
    <message id="MainWindow.DisconnectedDeviceText">
        <source>%DEVICENAME% (disconnected)</source>
        <translation>%DEVICENAME% (getrennt)</translation>
    </message>
    <message id="MainWindow.UnnamedDeviceText">
        <source>Game controller %USBID%</source>
        <translation>Gamecontroller %USBID%</translation>
    </message>
    <message id="MainWindow.MainListBoxAccessibleName">
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message id="MainWindow.SavePushButtonAccessibleDescription">
        <source>Saves the minimum, default and maximum value of each element into a text file.</source>
        <translation>Speichert den Minimal-, Standard- und Maximalwert jedes Elements in einer Textdatei.</translation>
    </message>
    <message id="InstructionsWindow.InstructionsWindowTitle">
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message id="AboutWindow.AboutWindowTitle">
        <source>About %APPLICATIONNAME%</source>
        <translation>Über %APPLICATIONNAME%</translation>
    </message>
    <message id="InstructionsWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="InstructionsWindow.InstructionsStaticTextText">
        <source>1) Connect right now the USB device you want to test before clicking on the &quot;Ok&quot; button at the bottom of this window.&#xd;&#xd;2) Then click on the &quot;Ok&quot; button to access the &quot;Quillomat&quot; window.&#xd;&#xd;3) In that window, select the USB device you want to test in the popup menu.&#xd;&#xd;4) Then press all buttons and move all sticks in all possible positions and directions in order to allow &quot;Quillomat&quot; to detect the possibilities and limits of your USB device.&#xd;&#xd;5) Then release all buttons and sticks to their default position.&#xd;&#xd;6) Then click on the &quot;Save&quot; button. This will save the values (minimum, default and maximum values of each button and stick) into a text file that you can open later with a text editor to check its content.</source>
        <translation>1) Schließen Sie das USB-Gerät, das Sie testen möchten, jetzt an, bevor Sie unten in diesem Fenster auf „OK“ klicken.&#xd;&#xd;2) Klicken Sie dann auf „OK“, um zum Fenster „Quillomat“ zu gelangen.&#xd;&#xd;3) Wählen Sie dort im Aufklappmenü das USB-Gerät aus, das Sie testen möchten.&#xd;&#xd;4) Drücken Sie alle Tasten und bewegen Sie alle Sticks in jede mögliche Stellung und Richtung, damit „Quillomat“ erkennt, was Ihr USB-Gerät kann und wo seine Grenzen liegen.&#xd;&#xd;5) Lassen Sie dann alle Tasten und Sticks los, sodass sie in ihre Ruhestellung zurückkehren.&#xd;&#xd;6) Klicken Sie zum Schluss auf „Speichern“. Die Werte (Minimum, Ruhewert und Maximum jeder Taste und jedes Sticks) werden in einer Textdatei gespeichert, die Sie später mit einem Texteditor ansehen können.</translation>
    </message>
    <message id="AboutWindow.DevelopedStaticTextText">
        <source>Developed by &quot;Brindlecove Software&quot;</source>
        <translation>Entwickelt von „Brindlecove Software“</translation>
    </message>
    <message id="CommonMenuModule.AppleAboutText">
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message id="CommonMenuModule.ApplePreferencesText">
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message id="CommonMenuModule.AppleQuitText">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="CommonMenuModule.EditClearText">
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message id="CommonMenuModule.EditCopyText">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="CommonMenuModule.EditCutText">
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message id="CommonMenuModule.EditPasteText">
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message id="CommonMenuModule.EditText">
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="CommonMenuModule.HelpDocumentationText">
        <source>Read the documentation...</source>
        <translation>Dokumentation lesen...</translation>
    </message>
    <message id="CommonMenuModule.HelpTranslateText">
        <source>Translate into another language...</source>
        <translation>In eine andere Sprache übersetzen...</translation>
    </message>
    <message id="CommonMenuModule.HelpText">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="CommonMenuModule.HelpWebsiteText">
        <source>Go to the website...</source>
        <translation>Zur Website...</translation>
    </message>
    <message id="CommonMenuModule.HelpContactText">
        <source>Contact us...</source>
        <translation>Kontakt aufnehmen...</translation>
    </message>
    <message id="CheckForUpdateContainerControl.CheckCheckBoxCaption">
        <source>Automatically check for update at launch.</source>
        <translation>Beim Start nach Updates suchen.</translation>
    </message>
    <message id="CheckForUpdateThread.NewVersionAvailableMessage">
        <source>Update notification&#xd;&#xd;A new version of %APPLICATIONNAME% is available online.&#xd;You can download it right now from our website.</source>
        <translation>Update verfügbar&#xd;&#xd;Eine neue Version von %APPLICATIONNAME% ist online verfügbar.&#xd;Sie können sie gleich von unserer Website herunterladen.</translation>
    </message>
    <message id="ResetPreferencesContainerControl.ResetCheckBoxCaption">
        <source>Reset the preferences at next launch.</source>
        <translation>Einstellungen beim Neustart zurücksetzen.</translation>
    </message>
    <message id="PreferencesWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="PreferencesWindow.PreferencesWindowTitle">
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="MainWindow.ElementDoneText">
        <source>Tested through its whole range</source>
        <translation>Über den ganzen Bereich getestet</translation>
    </message>
    <message id="MainWindow.ElementNotDoneText">
        <source>Not yet through its whole range</source>
        <translation>Noch nicht über den ganzen Bereich</translation>
    </message>
    <message id="CommonMenuModule.ViewText">
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message id="CommonMenuModule.ViewDeviceText">
        <source>Device window</source>
        <translation>Gerätefenster</translation>
    </message>
    <message id="DeviceWindow.DeviceWindowTitle">
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message id="DeviceWindow.NoDeviceText">
        <source>No device is picked in the tester window.</source>
        <translation>Im Testfenster ist kein Gerät gewählt.</translation>
    </message>
    <message id="DeviceWindow.SticksTitle">
        <source>Sticks</source>
        <translation>Sticks</translation>
    </message>
    <message id="DeviceWindow.AxesTitle">
        <source>Triggers and other axes</source>
        <translation>Trigger und andere Achsen</translation>
    </message>
    <message id="DeviceWindow.ButtonsTitle">
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message id="DeviceWindow.HatsTitle">
        <source>Hats</source>
        <translation>Coolie-Hats</translation>
    </message>
    <message id="DeviceWindow.LeftStickName">
        <source>Left stick</source>
        <translation>Linker Stick</translation>
    </message>
    <message id="DeviceWindow.RightStickName">
        <source>Right stick</source>
        <translation>Rechter Stick</translation>
    </message>
    <message id="DeviceWindow.StickName">
        <source>Stick %NUMBER%</source>
        <translation>Stick %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.CircularityText">
        <source>Circularity error: %VALUE%</source>
        <translation>Rundheitsfehler: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.RestOffsetText">
        <source>Rest offset: %VALUE%</source>
        <translation>Ruheversatz: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.ReportRateText">
        <source>Reports per second: %VALUE%</source>
        <translation>Meldungen pro Sekunde: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.NotMeasuredText">
        <source>not measured yet</source>
        <translation>noch nicht gemessen</translation>
    </message>
    <message id="DeviceWindow.StickNoteText">
        <source>Circularity error: how far the outline lies from a full circle, on average over the directions the stick went halfway or more. Rest offset: how far from the centre the stick rests once still for half a second. Both in percent of a full deflection.</source>
        <translation>Rundheitsfehler: wie weit die Kontur im Mittel von einem vollen Kreis abweicht, über die Richtungen, in die der Stick mindestens halb ausgelenkt wurde. Ruheversatz: wie weit der Stick nach einer halben Sekunde Stillstand von der Mitte entfernt ruht. Beides in Prozent des vollen Ausschlags.</translation>
    </message>
    <message id="DeviceWindow.ClearStickCaption">
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message id="DeviceWindow.ClearStickDescription">
        <source>Forgets the outline and figures of this stick, to measure it again.</source>
        <translation>Vergisst Kontur und Messwerte dieses Sticks, um ihn neu zu messen.</translation>
    </message>
    <message id="DeviceWindow.AxisReading">
        <source>%NOW%, reached %MINIMUM% to %MAXIMUM%</source>
        <translation>%NOW%, erreicht %MINIMUM% bis %MAXIMUM%</translation>
    </message>
    <message id="DeviceWindow.PressedText">
        <source>Pressed</source>
        <translation>Gedrückt</translation>
    </message>
    <message id="DeviceWindow.PressedBeforeText">
        <source>Released, pressed before</source>
        <translation>Losgelassen, schon gedrückt</translation>
    </message>
    <message id="DeviceWindow.NeverPressedText">
        <source>Never pressed</source>
        <translation>Nie gedrückt</translation>
    </message>
    <message id="DeviceWindow.HatReading">
        <source>Pointing %NOW%; seen %SEEN%</source>
        <translation>Zeigt %NOW%; gesehen %SEEN%</translation>
    </message>
    <message id="DeviceWindow.UpText">
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message id="DeviceWindow.RightText">
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message id="DeviceWindow.DownText">
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message id="DeviceWindow.LeftText">
        <source>left</source>
        <translation>links</translation>
    </message>
    <message id="DeviceWindow.CentredText">
        <source>centred</source>
        <translation>mittig</translation>
    </message>
    <message id="DeviceWindow.NoneText">
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message id="DeviceWindow.OutputsTitle">
        <source>Rumble and light</source>
        <translation>Vibration und Licht</translation>
    </message>
    <message id="DeviceWindow.RumbleLabel">
        <source>Rumble:</source>
        <translation>Vibration:</translation>
    </message>
    <message id="DeviceWindow.LowMotorCaption">
        <source>Low-frequency motor</source>
        <translation>Tieffrequenzmotor</translation>
    </message>
    <message id="DeviceWindow.HighMotorCaption">
        <source>High-frequency motor</source>
        <translation>Hochfrequenzmotor</translation>
    </message>
    <message id="DeviceWindow.BothMotorsCaption">
        <source>Both motors</source>
        <translation>Beide Motoren</translation>
    </message>
    <message id="DeviceWindow.TriggerRumbleLabel">
        <source>Trigger rumble:</source>
        <translation>Trigger-Vibration:</translation>
    </message>
    <message id="DeviceWindow.LeftTriggerCaption">
        <source>Left trigger</source>
        <translation>Linker Trigger</translation>
    </message>
    <message id="DeviceWindow.RightTriggerCaption">
        <source>Right trigger</source>
        <translation>Rechter Trigger</translation>
    </message>
    <message id="DeviceWindow.LightLabel">
        <source>Light:</source>
        <translation>Licht:</translation>
    </message>
    <message id="DeviceWindow.RedCaption">
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message id="DeviceWindow.GreenCaption">
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message id="DeviceWindow.BlueCaption">
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message id="DeviceWindow.WhiteCaption">
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message id="DeviceWindow.OffCaption">
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message id="DeviceWindow.RumbleDescription">
        <source>Runs for a second at full strength.</source>
        <translation>Läuft eine Sekunde mit voller Stärke.</translation>
    </message>
    <message id="DeviceWindow.NoRumbleText">
        <source>This device has no rumble motors.</source>
        <translation>Dieses Gerät hat keine Vibrationsmotoren.</translation>
    </message>
    <message id="DeviceWindow.NoTriggerRumbleText">
        <source>This device has no rumble motors in its triggers.</source>
        <translation>Dieses Gerät hat keine Vibrationsmotoren in den Triggern.</translation>
    </message>
    <message id="DeviceWindow.NoLightText">
        <source>This device has no light.</source>
        <translation>Dieses Gerät hat kein Licht.</translation>
    </message>
    <message id="DeviceWindow.RefusedText">
        <source>The device refused: %REASON%</source>
        <translation>Das Gerät hat abgelehnt: %REASON%</translation>
    </message>
    <message id="DeviceWindow.MotionTitle">
        <source>Motion sensors</source>
        <translation>Bewegungssensoren</translation>
    </message>
    <message id="DeviceWindow.GyroscopeName">
        <source>Gyroscope</source>
        <translation>Gyroskop</translation>
    </message>
    <message id="DeviceWindow.AccelerometerName">
        <source>Accelerometer</source>
        <translation>Beschleunigungssensor</translation>
    </message>
    <message id="DeviceWindow.DriftName">
        <source>Gyroscope drift</source>
        <translation>Drift des Gyroskops</translation>
    </message>
    <message id="DeviceWindow.RotationReading">
        <source>%X%, %Y%, %Z% degrees per second</source>
        <translation>%X%, %Y%, %Z% Grad pro Sekunde</translation>
    </message>
    <message id="DeviceWindow.AccelerationReading">
        <source>%X%, %Y%, %Z% g</source>
        <translation>%X%, %Y%, %Z% g</translation>
    </message>
    <message id="DeviceWindow.NotStillText">
        <source>lay the device still for two seconds</source>
        <translation>Gerät zwei Sekunden ruhig hinlegen</translation>
    </message>
    <message id="DeviceWindow.TouchpadsTitle">
        <source>Touchpads</source>
        <translation>Touchpads</translation>
    </message>
    <message id="DeviceWindow.TouchpadName">
        <source>Touchpad %NUMBER%</source>
        <translation>Touchpad %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.FingerReading">
        <source>finger at %X% across, %Y% down, pressure %PRESSURE%</source>
        <translation>Finger bei %X% quer, %Y% abwärts, Druck %PRESSURE%</translation>
    </message>
    <message id="DeviceWindow.NoFingerText">
        <source>no finger</source>
        <translation>kein Finger</translation>
    </message>
    <message id="DeviceWindow.IdentityTitle">
        <source>Identity</source>
        <translation>Identität</translation>
    </message>
    <message id="DeviceWindow.NameLabel">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="DeviceWindow.VendorLabel">
        <source>Vendor ID</source>
        <translation>Hersteller-ID</translation>
    </message>
    <message id="DeviceWindow.ProductLabel">
        <source>Product ID</source>
        <translation>Produkt-ID</translation>
    </message>
    <message id="DeviceWindow.ProductVersionLabel">
        <source>Product version</source>
        <translation>Produktversion</translation>
    </message>
    <message id="DeviceWindow.FirmwareLabel">
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message id="DeviceWindow.SerialLabel">
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message id="DeviceWindow.GuidLabel">
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message id="DeviceWindow.TypeLabel">
        <source>Controller type</source>
        <translation>Controller-Typ</translation>
    </message>
    <message id="DeviceWindow.MappingLabel">
        <source>Mapping</source>
        <translation>Zuordnung</translation>
    </message>
    <message id="DeviceWindow.ConnectionLabel">
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message id="DeviceWindow.BatteryLabel">
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message id="DeviceWindow.UnknownText">
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message id="DeviceWindow.NoMappingText">
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message id="DeviceWindow.WiredText">
        <source>wired</source>
        <translation>kabelgebunden</translation>
    </message>
    <message id="DeviceWindow.WirelessText">
        <source>wireless</source>
        <translation>kabellos</translation>
    </message>
    <message id="DeviceWindow.EmptyText">
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message id="DeviceWindow.LowText">
        <source>low</source>
        <translation>niedrig</translation>
    </message>
    <message id="DeviceWindow.MediumText">
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message id="DeviceWindow.FullText">
        <source>full</source>
        <translation>voll</translation>
    </message>
    <message id="DeviceWindow.CopyCaption">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="DeviceWindow.CopyDescription">
        <source>Puts the device&apos;s identity on the clipboard as text, one fact a line.</source>
        <translation>Legt die Identität des Geräts als Text in die Zwischenablage, eine Angabe pro Zeile.</translation>
    </message>
    <message id="DeviceWindow.UnpluggedText">
        <source>The device is unplugged.</source>
        <translation>Das Gerät ist ausgesteckt.</translation>
    </message>
</context>
</TS>
