<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="MainWindow.SelectStaticTextText">
        <source>Select a USB device:</source>
        <translation>Sélectionnez un périphérique USB :</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading0">
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading1">
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading2">
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading3">
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message id="MainWindow.InstructionsStaticTextText">
        <source>Press/move slowly all buttons/sticks in all possible positions/directions, then release them to their default value before saving.</source>
        <translation>Appuyez lentement sur tous les boutons et bougez tous les sticks dans toutes les positions et directions possibles, puis relâchez-les à leur position par défaut avant d&apos;enregistrer.</translation>
    </message>
    <message id="MainWindow.SavePushButtonCaption">
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message id="MainWindow.FileCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file was successfully created.&#xd;Now you can quit the application.</source>
        <translation>Le fichier « %DEVICENAME%.txt » a bien été créé.&#xd;Vous pouvez maintenant quitter l&apos;application.</translation>
    </message>
    <message id="MainWindow.FileNotCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file could not be created.</source>
        <translation>Le fichier « %DEVICENAME%.txt » n&apos;a pas pu être créé.</translation>
    </message>
    <message id="MainWindow.FileNotExistMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file does not exist.</source>
        <translation>Le fichier « %DEVICENAME%.txt » n&apos;existe pas.</translation>
    </message>
    <message id="MainWindow.DisconnectedDeviceText">
        <source>%DEVICENAME% (disconnected)</source>
        <translation>%DEVICENAME% (déconnecté)</translation>
    </message>
    <message id="MainWindow.UnnamedDeviceText">
        <source>Game controller %USBID%</source>
        <translation>Manette de jeu %USBID%</translation>
    </message>
    <message id="MainWindow.MainListBoxAccessibleName">
        <source>Elements</source>
        <translation>Éléments</translation>
    </message>
    <message id="MainWindow.SavePushButtonAccessibleDescription">
        <source>Saves the minimum, default and maximum value of each element into a text file.</source>
        <translation>Enregistre les valeurs minimale, par défaut et maximale de chaque élément dans un fichier texte.</translation>
    </message>
    <message id="InstructionsWindow.InstructionsWindowTitle">
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message id="AboutWindow.AboutWindowTitle">
        <source>About %APPLICATIONNAME%</source>
        <translation>À propos de %APPLICATIONNAME%</translation>
    </message>
    <message id="InstructionsWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="InstructionsWindow.InstructionsStaticTextText">
        <source>1) Connect right now the USB device you want to test before clicking on the &quot;Ok&quot; button at the bottom of this window.&#xd;&#xd;2) Then click on the &quot;Ok&quot; button to access the &quot;Quillomat&quot; window.&#xd;&#xd;3) In that window, select the USB device you want to test in the popup menu.&#xd;&#xd;4) Then press all buttons and move all sticks in all possible positions and directions in order to allow &quot;Quillomat&quot; to detect the possibilities and limits of your USB device.&#xd;&#xd;5) Then release all buttons and sticks to their default position.&#xd;&#xd;6) Then click on the &quot;Save&quot; button. This will save the values (minimum, default and maximum values of each button and stick) into a text file that you can open later with a text editor to check its content.</source>
        <translation>1) Branchez dès maintenant le périphérique USB que vous voulez tester avant de cliquer sur le bouton « OK » en bas de cette fenêtre.&#xd;&#xd;2) Cliquez ensuite sur le bouton « OK » pour accéder à la fenêtre « Quillomat ».&#xd;&#xd;3) Dans cette fenêtre, sélectionnez dans le menu local le périphérique USB que vous voulez tester.&#xd;&#xd;4) Appuyez ensuite sur tous les boutons et bougez tous les sticks dans toutes les positions et directions possibles afin que « Quillomat » détecte les possibilités et les limites de votre périphérique USB.&#xd;&#xd;5) Relâchez ensuite tous les boutons et sticks à leur position par défaut.&#xd;&#xd;6) Cliquez enfin sur le bouton « Enregistrer ». Les valeurs (minimum, par défaut et maximum de chaque bouton et stick) seront enregistrées dans un fichier texte que vous pourrez ouvrir plus tard avec un éditeur de texte pour en vérifier le contenu.</translation>
    </message>
    <message id="AboutWindow.DevelopedStaticTextText">
        <source>Developed by &quot;Brindlecove Software&quot;</source>
        <translation>Développé par « Brindlecove Software »</translation>
    </message>
    <message id="CommonMenuModule.AppleAboutText">
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message id="CommonMenuModule.ApplePreferencesText">
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message id="CommonMenuModule.AppleQuitText">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="CommonMenuModule.EditClearText">
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message id="CommonMenuModule.EditCopyText">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="CommonMenuModule.EditCutText">
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message id="CommonMenuModule.EditPasteText">
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message id="CommonMenuModule.EditText">
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message id="CommonMenuModule.HelpDocumentationText">
        <source>Read the documentation...</source>
        <translation>Lire la documentation...</translation>
    </message>
    <message id="CommonMenuModule.HelpTranslateText">
        <source>Translate into another language...</source>
        <translation>Traduire dans une autre langue...</translation>
    </message>
    <message id="CommonMenuModule.HelpText">
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message id="CommonMenuModule.HelpWebsiteText">
        <source>Go to the website...</source>
        <translation>Aller sur le site web...</translation>
    </message>
    <message id="CommonMenuModule.HelpContactText">
        <source>Contact us...</source>
        <translation>Nous contacter...</translation>
    </message>
    <message id="CheckForUpdateContainerControl.CheckCheckBoxCaption">
        <source>Automatically check for update at launch.</source>
        <translation>Rechercher les mises à jour au lancement.</translation>
    </message>
    <message id="CheckForUpdateThread.NewVersionAvailableMessage">
        <source>Update notification&#xd;&#xd;A new version of %APPLICATIONNAME% is available online.&#xd;You can download it right now from our website.</source>
        <translation>Mise à jour disponible&#xd;&#xd;Une nouvelle version de %APPLICATIONNAME% est disponible en ligne.&#xd;Vous pouvez la télécharger dès maintenant sur notre site web.</translation>
    </message>
    <message id="ResetPreferencesContainerControl.ResetCheckBoxCaption">
        <source>Reset the preferences at next launch.</source>
        <translation>Réinitialiser les préférences au redémarrage.</translation>
    </message>
    <message id="PreferencesWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="PreferencesWindow.PreferencesWindowTitle">
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message id="MainWindow.ElementDoneText">
        <source>Tested through its whole range</source>
        <translation>Testé sur toute son étendue</translation>
    </message>
    <message id="MainWindow.ElementNotDoneText">
        <source>Not yet through its whole range</source>
        <translation>Pas encore sur toute son étendue</translation>
    </message>
    <message id="CommonMenuModule.ViewText">
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message id="CommonMenuModule.ViewDeviceText">
        <source>Device window</source>
        <translation>Fenêtre du périphérique</translation>
    </message>
    <message id="DeviceWindow.DeviceWindowTitle">
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message id="DeviceWindow.NoDeviceText">
        <source>No device is picked in the tester window.</source>
        <translation>Aucun périphérique n&apos;est choisi dans la fenêtre de test.</translation>
    </message>
    <message id="DeviceWindow.SticksTitle">
        <source>Sticks</source>
        <translation>Sticks</translation>
    </message>
    <message id="DeviceWindow.AxesTitle">
        <source>Triggers and other axes</source>
        <translation>Gâchettes et autres axes</translation>
    </message>
    <message id="DeviceWindow.ButtonsTitle">
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message id="DeviceWindow.HatsTitle">
        <source>Hats</source>
        <translation>Chapeaux</translation>
    </message>
    <message id="DeviceWindow.LeftStickName">
        <source>Left stick</source>
        <translation>Stick gauche</translation>
    </message>
    <message id="DeviceWindow.RightStickName">
        <source>Right stick</source>
        <translation>Stick droit</translation>
    </message>
    <message id="DeviceWindow.StickName">
        <source>Stick %NUMBER%</source>
        <translation>Stick %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.CircularityText">
        <source>Circularity error: %VALUE%</source>
        <translation>Écart de circularité : %VALUE%</translation>
    </message>
    <message id="DeviceWindow.RestOffsetText">
        <source>Rest offset: %VALUE%</source>
        <translation>Décalage au repos : %VALUE%</translation>
    </message>
    <message id="DeviceWindow.ReportRateText">
        <source>Reports per second: %VALUE%</source>
        <translation>Rapports par seconde : %VALUE%</translation>
    </message>
    <message id="DeviceWindow.NotMeasuredText">
        <source>not measured yet</source>
        <translation>pas encore mesuré</translation>
    </message>
    <message id="DeviceWindow.StickNoteText">
        <source>Circularity error: how far the outline lies from a full circle, on average over the directions the stick went halfway or more. Rest offset: how far from the centre the stick rests once still for half a second. Both in percent of a full deflection.</source>
        <translation>Écart de circularité : distance moyenne entre le contour et un cercle complet, sur les directions où le stick est allé au moins à mi-course. Décalage au repos : distance du centre où le stick repose après une demi-seconde immobile. Les deux en pourcentage de la course complète.</translation>
    </message>
    <message id="DeviceWindow.ClearStickCaption">
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message id="DeviceWindow.ClearStickDescription">
        <source>Forgets the outline and figures of this stick, to measure it again.</source>
        <translation>Oublie le contour et les mesures de ce stick, pour le mesurer à nouveau.</translation>
    </message>
    <message id="DeviceWindow.AxisReading">
        <source>%NOW%, reached %MINIMUM% to %MAXIMUM%</source>
        <translation>%NOW%, atteint de %MINIMUM% à %MAXIMUM%</translation>
    </message>
    <message id="DeviceWindow.PressedText">
        <source>Pressed</source>
        <translation>Appuyé</translation>
    </message>
    <message id="DeviceWindow.PressedBeforeText">
        <source>Released, pressed before</source>
        <translation>Relâché, déjà appuyé</translation>
    </message>
    <message id="DeviceWindow.NeverPressedText">
        <source>Never pressed</source>
        <translation>Jamais appuyé</translation>
    </message>
    <message id="DeviceWindow.HatReading">
        <source>Pointing %NOW%; seen %SEEN%</source>
        <translation>Orienté %NOW% ; vu %SEEN%</translation>
    </message>
    <message id="DeviceWindow.UpText">
        <source>up</source>
        <translation>haut</translation>
    </message>
    <message id="DeviceWindow.RightText">
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message id="DeviceWindow.DownText">
        <source>down</source>
        <translation>bas</translation>
    </message>
    <message id="DeviceWindow.LeftText">
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message id="DeviceWindow.CentredText">
        <source>centred</source>
        <translation>au centre</translation>
    </message>
    <message id="DeviceWindow.NoneText">
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message id="DeviceWindow.OutputsTitle">
        <source>Rumble and light</source>
        <translation>Vibrations et lumière</translation>
    </message>
    <message id="DeviceWindow.RumbleLabel">
        <source>Rumble:</source>
        <translation>Vibration :</translation>
    </message>
    <message id="DeviceWindow.LowMotorCaption">
        <source>Low-frequency motor</source>
        <translation>Moteur basse fréquence</translation>
    </message>
    <message id="DeviceWindow.HighMotorCaption">
        <source>High-frequency motor</source>
        <translation>Moteur haute fréquence</translation>
    </message>
    <message id="DeviceWindow.BothMotorsCaption">
        <source>Both motors</source>
        <translation>Les deux moteurs</translation>
    </message>
    <message id="DeviceWindow.TriggerRumbleLabel">
        <source>Trigger rumble:</source>
        <translation>Vibration des gâchettes :</translation>
    </message>
    <message id="DeviceWindow.LeftTriggerCaption">
        <source>Left trigger</source>
        <translation>Gâchette gauche</translation>
    </message>
    <message id="DeviceWindow.RightTriggerCaption">
        <source>Right trigger</source>
        <translation>Gâchette droite</translation>
    </message>
    <message id="DeviceWindow.LightLabel">
        <source>Light:</source>
        <translation>Lumière :</translation>
    </message>
    <message id="DeviceWindow.RedCaption">
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message id="DeviceWindow.GreenCaption">
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message id="DeviceWindow.BlueCaption">
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message id="DeviceWindow.WhiteCaption">
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message id="DeviceWindow.OffCaption">
        <source>Off</source>
        <translation>Éteinte</translation>
    </message>
    <message id="DeviceWindow.RumbleDescription">
        <source>Runs for a second at full strength.</source>
        <translation>Vibre une seconde à pleine force.</translation>
    </message>
    <message id="DeviceWindow.NoRumbleText">
        <source>This device has no rumble motors.</source>
        <translation>Ce périphérique n&apos;a pas de moteurs de vibration.</translation>
    </message>
    <message id="DeviceWindow.NoTriggerRumbleText">
        <source>This device has no rumble motors in its triggers.</source>
        <translation>Ce périphérique n&apos;a pas de moteurs de vibration dans ses gâchettes.</translation>
    </message>
    <message id="DeviceWindow.NoLightText">
        <source>This device has no light.</source>
        <translation>Ce périphérique n&apos;a pas de lumière.</translation>
    </message>
    <message id="DeviceWindow.RefusedText">
        <source>The device refused: %REASON%</source>
        <translation>Le périphérique a refusé : %REASON%</translation>
    </message>
    <message id="DeviceWindow.MotionTitle">
        <source>Motion sensors</source>
        <translation>Capteurs de mouvement</translation>
    </message>
    <message id="DeviceWindow.GyroscopeName">
        <source>Gyroscope</source>
        <translation>Gyroscope</translation>
    </message>
    <message id="DeviceWindow.AccelerometerName">
        <source>Accelerometer</source>
        <translation>Accéléromètre</translation>
    </message>
    <message id="DeviceWindow.DriftName">
        <source>Gyroscope drift</source>
        <translation>Dérive du gyroscope</translation>
    </message>
    <message id="DeviceWindow.RotationReading">
        <source>%X%, %Y%, %Z% degrees per second</source>
        <translation>%X%, %Y%, %Z% degrés par seconde</translation>
    </message>
    <message id="DeviceWindow.AccelerationReading">
        <source>%X%, %Y%, %Z% g</source>
        <translation>%X%, %Y%, %Z% g</translation>
    </message>
    <message id="DeviceWindow.NotStillText">
        <source>lay the device still for two seconds</source>
        <translation>posez le périphérique immobile deux secondes</translation>
    </message>
    <message id="DeviceWindow.TouchpadsTitle">
        <source>Touchpads</source>
        <translation>Pavés tactiles</translation>
    </message>
    <message id="DeviceWindow.TouchpadName">
        <source>Touchpad %NUMBER%</source>
        <translation>Pavé tactile %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.FingerReading">
        <source>finger at %X% across, %Y% down, pressure %PRESSURE%</source>
        <translation>doigt à %X% en largeur, %Y% en hauteur, pression %PRESSURE%</translation>
    </message>
    <message id="DeviceWindow.NoFingerText">
        <source>no finger</source>
        <translation>aucun doigt</translation>
    </message>
    <message id="DeviceWindow.IdentityTitle">
        <source>Identity</source>
        <translation>Identité</translation>
    </message>
    <message id="DeviceWindow.NameLabel">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="DeviceWindow.VendorLabel">
        <source>Vendor ID</source>
        <translation>ID du fabricant</translation>
    </message>
    <message id="DeviceWindow.ProductLabel">
        <source>Product ID</source>
        <translation>ID du produit</translation>
    </message>
    <message id="DeviceWindow.ProductVersionLabel">
        <source>Product version</source>
        <translation>Version du produit</translation>
    </message>
    <message id="DeviceWindow.FirmwareLabel">
        <source>Firmware version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message id="DeviceWindow.SerialLabel">
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message id="DeviceWindow.GuidLabel">
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message id="DeviceWindow.TypeLabel">
        <source>Controller type</source>
        <translation>Type de manette</translation>
    </message>
    <message id="DeviceWindow.MappingLabel">
        <source>Mapping</source>
        <translation>Correspondance</translation>
    </message>
    <message id="DeviceWindow.ConnectionLabel">
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message id="DeviceWindow.BatteryLabel">
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message id="DeviceWindow.UnknownText">
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message id="DeviceWindow.NoMappingText">
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message id="DeviceWindow.WiredText">
        <source>wired</source>
        <translation>filaire</translation>
    </message>
    <message id="DeviceWindow.WirelessText">
        <source>wireless</source>
        <translation>sans fil</translation>
    </message>
    <message id="DeviceWindow.EmptyText">
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message id="DeviceWindow.LowText">
        <source>low</source>
        <translation>faible</translation>
    </message>
    <message id="DeviceWindow.MediumText">
        <source>medium</source>
        <translation>moyenne</translation>
    </message>
    <message id="DeviceWindow.FullText">
        <source>full</source>
        <translation>pleine</translation>
    </message>
    <message id="DeviceWindow.CopyCaption">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="DeviceWindow.CopyDescription">
        <source>Puts the device&apos;s identity on the clipboard as text, one fact a line.</source>
        <translation>Copie l&apos;identité du périphérique dans le presse-papiers, un fait par ligne.</translation>
    </message>
    <message id="DeviceWindow.UnpluggedText">
        <source>The device is unplugged.</source>
        <translation>Le périphérique est débranché.</translation>
    </message>
</context>
</TS>
