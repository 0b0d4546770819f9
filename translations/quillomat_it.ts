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
</context>
</TS>
