<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="MainWindow.SelectStaticTextText">
        <source>Select a USB device:</source>
        <translation>Seleziona un dispositivo USB:</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading0">
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading1">
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading2">
        <source>Now</source>
        <translation>Attuale</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading3">
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message id="MainWindow.InstructionsStaticTextText">
        <source>Press/move slowly all buttons/sticks in all possible positions/directions, then release them to their default value before saving.</source>
        <translation>Premi e muovi lentamente tutti i pulsanti e gli stick in tutte le posizioni e direzioni possibili, poi rilasciali nella posizione di riposo prima di salvare.</translation>
    </message>
    <message id="MainWindow.SavePushButtonCaption">
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message id="MainWindow.FileCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file was successfully created.&#xd;Now you can quit the application.</source>
        <translation>Il file «%DEVICENAME%.txt» è stato creato.&#xd;Ora puoi uscire dall&apos;applicazione.</translation>
    </message>
    <message id="MainWindow.FileNotCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file could not be created.</source>
        <translation>Impossibile creare il file «%DEVICENAME%.txt».</translation>
    </message>
    <message id="MainWindow.FileNotExistMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file does not exist.</source>
        <translation>Il file «%DEVICENAME%.txt» non esiste.</translation>
    </message>
    <message id="MainWindow.DisconnectedDeviceText">
        <source>%DEVICENAME% (disconnected)</source>
        <translation>%DEVICENAME% (disconnesso)</translation>
    </message>
    <message id="MainWindow.UnnamedDeviceText">
        <source>Game controller %USBID%</source>
        <translation>Controller di gioco %USBID%</translation>
    </message>
    <message id="MainWindow.MainListBoxAccessibleName">
        <source>Elements</source>
        <translation>Elementi</translation>
    </message>
    <message id="MainWindow.SavePushButtonAccessibleDescription">
        <source>Saves the minimum, default and maximum value of each element into a text file.</source>
        <translation>Salva il valore minimo, predefinito e massimo di ogni elemento in un file di testo.</translation>
    </message>
    <message id="InstructionsWindow.InstructionsWindowTitle">
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message id="AboutWindow.AboutWindowTitle">
        <source>About %APPLICATIONNAME%</source>
        <translation>Informazioni su %APPLICATIONNAME%</translation>
    </message>
    <message id="InstructionsWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="InstructionsWindow.InstructionsStaticTextText">
        <source>1) Connect right now the USB device you want to test before clicking on the &quot;Ok&quot; button at the bottom of this window.&#xd;&#xd;2) Then click on the &quot;Ok&quot; button to access the &quot;Quillomat&quot; window.&#xd;&#xd;3) In that window, select the USB device you want to test in the popup menu.&#xd;&#xd;4) Then press all buttons and move all sticks in all possible positions and directions in order to allow &quot;Quillomat&quot; to detect the possibilities and limits of your USB device.&#xd;&#xd;5) Then release all buttons and sticks to their default position.&#xd;&#xd;6) Then click on the &quot;Save&quot; button. This will save the values (minimum, default and maximum values of each button and stick) into a text file that you can open later with a text editor to check its content.</source>
        <translation>1) Collega subito il dispositivo USB da provare, prima di fare clic sul pulsante «OK» in fondo a questa finestra.&#xd;&#xd;2) Poi fai clic su «OK» per aprire la finestra «Quillomat».&#xd;&#xd;3) In quella finestra, scegli dal menu a comparsa il dispositivo USB da provare.&#xd;&#xd;4) Premi tutti i pulsanti e muovi tutti gli stick in tutte le posizioni e direzioni possibili, così che «Quillomat» rilevi le possibilità e i limiti del tuo dispositivo USB.&#xd;&#xd;5) Poi rilascia tutti i pulsanti e gli stick nella loro posizione di riposo.&#xd;&#xd;6) Infine fai clic su «Salva». I valori (minimo, a riposo e massimo di ogni pulsante e stick) verranno salvati in un file di testo che potrai aprire in seguito con un editor di testo per controllarne il contenuto.</translation>
    </message>
    <message id="AboutWindow.DevelopedStaticTextText">
        <source>Developed by &quot;Brindlecove Software&quot;</source>
        <translation>Sviluppato da «Brindlecove Software»</translation>
    </message>
    <message id="CommonMenuModule.AppleAboutText">
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message id="CommonMenuModule.ApplePreferencesText">
        <source>Preferences...</source>
        <translation>Preferenze...</translation>
    </message>
    <message id="CommonMenuModule.AppleQuitText">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="CommonMenuModule.EditClearText">
        <source>Clear</source>
        <translation>Elimina</translation>
    </message>
    <message id="CommonMenuModule.EditCopyText">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="CommonMenuModule.EditCutText">
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message id="CommonMenuModule.EditPasteText">
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message id="CommonMenuModule.EditText">
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message id="CommonMenuModule.HelpDocumentationText">
        <source>Read the documentation...</source>
        <translation>Leggi la documentazione...</translation>
    </message>
    <message id="CommonMenuModule.HelpTranslateText">
        <source>Translate into another language...</source>
        <translation>Traduci in un&apos;altra lingua...</translation>
    </message>
    <message id="CommonMenuModule.HelpText">
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message id="CommonMenuModule.HelpWebsiteText">
        <source>Go to the website...</source>
        <translation>Vai al sito web...</translation>
    </message>
    <message id="CommonMenuModule.HelpContactText">
        <source>Contact us...</source>
        <translation>Contattaci...</translation>
    </message>
    <message id="CheckForUpdateContainerControl.CheckCheckBoxCaption">
        <source>Automatically check for update at launch.</source>
        <translation>Controlla gli aggiornamenti all&apos;avvio.</translation>
    </message>
    <message id="CheckForUpdateThread.NewVersionAvailableMessage">
        <source>Update notification&#xd;&#xd;A new version of %APPLICATIONNAME% is available online.&#xd;You can download it right now from our website.</source>
        <translation>Aggiornamento disponibile&#xd;&#xd;È disponibile online una nuova versione di %APPLICATIONNAME%.&#xd;Puoi scaricarla subito dal nostro sito web.</translation>
    </message>
    <message id="ResetPreferencesContainerControl.ResetCheckBoxCaption">
        <source>Reset the preferences at next launch.</source>
        <translation>Ripristina le preferenze al prossimo avvio.</translation>
    </message>
    <message id="PreferencesWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="PreferencesWindow.PreferencesWindowTitle">
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message id="MainWindow.ElementDoneText">
        <source>Tested through its whole range</source>
        <translation>Provato su tutta la sua escursione</translation>
    </message>
    <message id="MainWindow.ElementNotDoneText">
        <source>Not yet through its whole range</source>
        <translation>Non ancora su tutta la sua escursione</translation>
    </message>
    <message id="CommonMenuModule.ViewText">
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message id="CommonMenuModule.ViewDeviceText">
        <source>Device window</source>
        <translation>Finestra del dispositivo</translation>
    </message>
    <message id="DeviceWindow.DeviceWindowTitle">
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="DeviceWindow.NoDeviceText">
        <source>No device is picked in the tester window.</source>
        <translation>Nessun dispositivo è scelto nella finestra di prova.</translation>
    </message>
    <message id="DeviceWindow.SticksTitle">
        <source>Sticks</source>
        <translation>Levette</translation>
    </message>
    <message id="DeviceWindow.AxesTitle">
        <source>Triggers and other axes</source>
        <translation>Grilletti e altri assi</translation>
    </message>
    <message id="DeviceWindow.ButtonsTitle">
        <source>Buttons</source>
        <translation>Pulsanti</translation>
    </message>
    <message id="DeviceWindow.HatsTitle">
        <source>Hats</source>
        <translation>Croci direzionali</translation>
    </message>
    <message id="DeviceWindow.LeftStickName">
        <source>Left stick</source>
        <translation>Levetta sinistra</translation>
    </message>
    <message id="DeviceWindow.RightStickName">
        <source>Right stick</source>
        <translation>Levetta destra</translation>
    </message>
    <message id="DeviceWindow.StickName">
        <source>Stick %NUMBER%</source>
        <translation>Levetta %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.CircularityText">
        <source>Circularity error: %VALUE%</source>
        <translation>Errore di circolarità: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.RestOffsetText">
        <source>Rest offset: %VALUE%</source>
        <translation>Scostamento a riposo: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.ReportRateText">
        <source>Reports per second: %VALUE%</source>
        <translation>Rapporti al secondo: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.NotMeasuredText">
        <source>not measured yet</source>
        <translation>non ancora misurato</translation>
    </message>
    <message id="DeviceWindow.StickNoteText">
        <source>Circularity error: how far the outline lies from a full circle, on average over the directions the stick went halfway or more. Rest offset: how far from the centre the stick rests once still for half a second. Both in percent of a full deflection.</source>
        <translation>Errore di circolarità: quanto il contorno si discosta da un cerchio pieno, in media sulle direzioni in cui la levetta è arrivata almeno a metà corsa. Scostamento a riposo: quanto la levetta resta lontana dal centro dopo mezzo secondo ferma. Entrambi in percentuale della corsa completa.</translation>
    </message>
    <message id="DeviceWindow.ClearStickCaption">
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message id="DeviceWindow.ClearStickDescription">
        <source>Forgets the outline and figures of this stick, to measure it again.</source>
        <translation>Dimentica il contorno e le misure di questa levetta, per misurarla di nuovo.</translation>
    </message>
    <message id="DeviceWindow.AxisReading">
        <source>%NOW%, reached %MINIMUM% to %MAXIMUM%</source>
        <translation>%NOW%, raggiunto da %MINIMUM% a %MAXIMUM%</translation>
    </message>
    <message id="DeviceWindow.PressedText">
        <source>Pressed</source>
        <translation>Premuto</translation>
    </message>
    <message id="DeviceWindow.PressedBeforeText">
        <source>Released, pressed before</source>
        <translation>Rilasciato, già premuto</translation>
    </message>
    <message id="DeviceWindow.NeverPressedText">
        <source>Never pressed</source>
        <translation>Mai premuto</translation>
    </message>
    <message id="DeviceWindow.HatReading">
        <source>Pointing %NOW%; seen %SEEN%</source>
        <translation>Punta %NOW%; visto %SEEN%</translation>
    </message>
    <message id="DeviceWindow.UpText">
        <source>up</source>
        <translation>su</translation>
    </message>
    <message id="DeviceWindow.RightText">
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message id="DeviceWindow.DownText">
        <source>down</source>
        <translation>giù</translation>
    </message>
    <message id="DeviceWindow.LeftText">
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message id="DeviceWindow.CentredText">
        <source>centred</source>
        <translation>al centro</translation>
    </message>
    <message id="DeviceWindow.NoneText">
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message id="DeviceWindow.OutputsTitle">
        <source>Rumble and light</source>
        <translation>Vibrazione e luce</translation>
    </message>
    <message id="DeviceWindow.RumbleLabel">
        <source>Rumble:</source>
        <translation>Vibrazione:</translation>
    </message>
    <message id="DeviceWindow.LowMotorCaption">
        <source>Low-frequency motor</source>
        <translation>Motore a bassa frequenza</translation>
    </message>
    <message id="DeviceWindow.HighMotorCaption">
        <source>High-frequency motor</source>
        <translation>Motore ad alta frequenza</translation>
    </message>
    <message id="DeviceWindow.BothMotorsCaption">
        <source>Both motors</source>
        <translation>Entrambi i motori</translation>
    </message>
    <message id="DeviceWindow.TriggerRumbleLabel">
        <source>Trigger rumble:</source>
        <translation>Vibrazione dei grilletti:</translation>
    </message>
    <message id="DeviceWindow.LeftTriggerCaption">
        <source>Left trigger</source>
        <translation>Grilletto sinistro</translation>
    </message>
    <message id="DeviceWindow.RightTriggerCaption">
        <source>Right trigger</source>
        <translation>Grilletto destro</translation>
    </message>
    <message id="DeviceWindow.LightLabel">
        <source>Light:</source>
        <translation>Luce:</translation>
    </message>
    <message id="DeviceWindow.RedCaption">
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message id="DeviceWindow.GreenCaption">
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message id="DeviceWindow.BlueCaption">
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message id="DeviceWindow.WhiteCaption">
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message id="DeviceWindow.OffCaption">
        <source>Off</source>
        <translation>Spenta</translation>
    </message>
    <message id="DeviceWindow.RumbleDescription">
        <source>Runs for a second at full strength.</source>
        <translation>Vibra per un secondo alla massima intensità.</translation>
    </message>
    <message id="DeviceWindow.NoRumbleText">
        <source>This device has no rumble motors.</source>
        <translation>Questo dispositivo non ha motori di vibrazione.</translation>
    </message>
    <message id="DeviceWindow.NoTriggerRumbleText">
        <source>This device has no rumble motors in its triggers.</source>
        <translation>Questo dispositivo non ha motori di vibrazione nei grilletti.</translation>
    </message>
    <message id="DeviceWindow.NoLightText">
        <source>This device has no light.</source>
        <translation>Questo dispositivo non ha una luce.</translation>
    </message>
    <message id="DeviceWindow.RefusedText">
        <source>The device refused: %REASON%</source>
        <translation>Il dispositivo ha rifiutato: %REASON%</translation>
    </message>
    <message id="DeviceWindow.MotionTitle">
        <source>Motion sensors</source>
        <translation>Sensori di movimento</translation>
    </message>
    <message id="DeviceWindow.GyroscopeName">
        <source>Gyroscope</source>
        <translation>Giroscopio</translation>
    </message>
    <message id="DeviceWindow.AccelerometerName">
        <source>Accelerometer</source>
        <translation>Accelerometro</translation>
    </message>
    <message id="DeviceWindow.DriftName">
        <source>Gyroscope drift</source>
        <translation>Deriva del giroscopio</translation>
    </message>
    <message id="DeviceWindow.RotationReading">
        <source>%X%, %Y%, %Z% degrees per second</source>
        <translation>%X%, %Y%, %Z% gradi al secondo</translation>
    </message>
    <message id="DeviceWindow.AccelerationReading">
        <source>%X%, %Y%, %Z% g</source>
        <translation>%X%, %Y%, %Z% g</translation>
    </message>
    <message id="DeviceWindow.NotStillText">
        <source>lay the device still for two seconds</source>
        <translation>lascia il dispositivo fermo per due secondi</translation>
    </message>
    <message id="DeviceWindow.TouchpadsTitle">
        <source>Touchpads</source>
        <translation>Touchpad</translation>
    </message>
    <message id="DeviceWindow.TouchpadName">
        <source>Touchpad %NUMBER%</source>
        <translation>Touchpad %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.FingerReading">
        <source>finger at %X% across, %Y% down, pressure %PRESSURE%</source>
        <translation>dito a %X% in orizzontale, %Y% in verticale, pressione %PRESSURE%</translation>
    </message>
    <message id="DeviceWindow.NoFingerText">
        <source>no finger</source>
        <translation>nessun dito</translation>
    </message>
    <message id="DeviceWindow.IdentityTitle">
        <source>Identity</source>
        <translation>Identità</translation>
    </message>
    <message id="DeviceWindow.NameLabel">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="DeviceWindow.VendorLabel">
        <source>Vendor ID</source>
        <translation>ID del produttore</translation>
    </message>
    <message id="DeviceWindow.ProductLabel">
        <source>Product ID</source>
        <translation>ID del prodotto</translation>
    </message>
    <message id="DeviceWindow.ProductVersionLabel">
        <source>Product version</source>
        <translation>Versione del prodotto</translation>
    </message>
    <message id="DeviceWindow.FirmwareLabel">
        <source>Firmware version</source>
        <translation>Versione del firmware</translation>
    </message>
    <message id="DeviceWindow.SerialLabel">
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message id="DeviceWindow.GuidLabel">
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message id="DeviceWindow.TypeLabel">
        <source>Controller type</source>
        <translation>Tipo di controller</translation>
    </message>
    <message id="DeviceWindow.MappingLabel">
        <source>Mapping</source>
        <translation>Mappatura</translation>
    </message>
    <message id="DeviceWindow.ConnectionLabel">
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message id="DeviceWindow.BatteryLabel">
        <source>Battery</source>
        <translation>Batteria</translation>
    </message>
    <message id="DeviceWindow.UnknownText">
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message id="DeviceWindow.NoMappingText">
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message id="DeviceWindow.WiredText">
        <source>wired</source>
        <translation>via cavo</translation>
    </message>
    <message id="DeviceWindow.WirelessText">
        <source>wireless</source>
        <translation>wireless</translation>
    </message>
    <message id="DeviceWindow.EmptyText">
        <source>empty</source>
        <translation>scarica</translation>
    </message>
    <message id="DeviceWindow.LowText">
        <source>low</source>
        <translation>bassa</translation>
    </message>
    <message id="DeviceWindow.MediumText">
        <source>medium</source>
        <translation>media</translation>
    </message>
    <message id="DeviceWindow.FullText">
        <source>full</source>
        <translation>piena</translation>
    </message>
    <message id="DeviceWindow.CopyCaption">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="DeviceWindow.CopyDescription">
        <source>Puts the device&apos;s identity on the clipboard as text, one fact a line.</source>
        <translation>Copia l&apos;identità del dispositivo negli appunti come testo, un dato per riga.</translation>
    </message>
    <message id="DeviceWindow.UnpluggedText">
        <source>The device is unplugged.</source>
        <translation>Il dispositivo è scollegato.</translation>
    </message>
</context>
</TS>
