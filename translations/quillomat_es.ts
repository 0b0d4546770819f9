<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="MainWindow.SelectStaticTextText">
        <source>Select a USB device:</source>
        <translation>Seleccione un dispositivo USB:</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading0">
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading1">
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading2">
        <source>Now</source>
        <translation>Actual</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading3">
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message id="MainWindow.InstructionsStaticTextText">
        <source>Press/move slowly all buttons/sticks in all possible positions/directions, then release them to their default value before saving.</source>
        <translation>Pulse y mueva despacio todos los botones y sticks en todas las posiciones y direcciones posibles; después suéltelos en su posición de reposo antes de guardar.</translation>
    </message>
    <message id="MainWindow.SavePushButtonCaption">
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message id="MainWindow.FileCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file was successfully created.&#xd;Now you can quit the application.</source>
        <translation>Se ha creado el archivo «%DEVICENAME%.txt».&#xd;Ya puede salir de la aplicación.</translation>
    </message>
    <message id="MainWindow.FileNotCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file could not be created.</source>
        <translation>No se ha podido crear el archivo «%DEVICENAME%.txt».</translation>
    </message>
    <message id="MainWindow.FileNotExistMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file does not exist.</source>
        <translation>El archivo «%DEVICENAME%.txt» no existe.</translation>
    </message>
    <message id="MainWindow.DisconnectedDeviceText">
        <source>%DEVICENAME% (disconnected)</source>
        <translation>%DEVICENAME% (desconectado)</translation>
    </message>
    <message id="MainWindow.UnnamedDeviceText">
        <source>Game controller %USBID%</source>
        <translation>Mando de juego %USBID%</translation>
    </message>
    <message id="MainWindow.MainListBoxAccessibleName">
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message id="MainWindow.SavePushButtonAccessibleDescription">
        <source>Saves the minimum, default and maximum value of each element into a text file.</source>
        <translation>Guarda el valor mínimo, predeterminado y máximo de cada elemento en un archivo de texto.</translation>
    </message>
    <message id="InstructionsWindow.InstructionsWindowTitle">
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message id="AboutWindow.AboutWindowTitle">
        <source>About %APPLICATIONNAME%</source>
        <translation>Acerca de %APPLICATIONNAME%</translation>
    </message>
    <message id="InstructionsWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="InstructionsWindow.InstructionsStaticTextText">
        <source>1) Connect right now the USB device you want to test before clicking on the &quot;Ok&quot; button at the bottom of this window.&#xd;&#xd;2) Then click on the &quot;Ok&quot; button to access the &quot;Quillomat&quot; window.&#xd;&#xd;3) In that window, select the USB device you want to test in the popup menu.&#xd;&#xd;4) Then press all buttons and move all sticks in all possible positions and directions in order to allow &quot;Quillomat&quot; to detect the possibilities and limits of your USB device.&#xd;&#xd;5) Then release all buttons and sticks to their default position.&#xd;&#xd;6) Then click on the &quot;Save&quot; button. This will save the values (minimum, default and maximum values of each button and stick) into a text file that you can open later with a text editor to check its content.</source>
        <translation>1) Conecte ahora el dispositivo USB que quiera probar, antes de hacer clic en el botón «OK» de la parte inferior de esta ventana.&#xd;&#xd;2) Después haga clic en «OK» para pasar a la ventana «Quillomat».&#xd;&#xd;3) En esa ventana, elija en el menú desplegable el dispositivo USB que quiera probar.&#xd;&#xd;4) Pulse todos los botones y mueva todos los sticks en todas las posiciones y direcciones posibles para que «Quillomat» detecte las posibilidades y los límites de su dispositivo USB.&#xd;&#xd;5) Después suelte todos los botones y sticks para que vuelvan a su posición de reposo.&#xd;&#xd;6) Por último, haga clic en «Guardar». Los valores (mínimo, en reposo y máximo de cada botón y stick) se guardarán en un archivo de texto que podrá abrir más adelante con un editor de texto para revisarlo.</translation>
    </message>
    <message id="AboutWindow.DevelopedStaticTextText">
        <source>Developed by &quot;Brindlecove Software&quot;</source>
        <translation>Desarrollado por «Brindlecove Software»</translation>
    </message>
    <message id="CommonMenuModule.AppleAboutText">
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message id="CommonMenuModule.ApplePreferencesText">
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message id="CommonMenuModule.AppleQuitText">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="CommonMenuModule.EditClearText">
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message id="CommonMenuModule.EditCopyText">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="CommonMenuModule.EditCutText">
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message id="CommonMenuModule.EditPasteText">
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message id="CommonMenuModule.EditText">
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message id="CommonMenuModule.HelpDocumentationText">
        <source>Read the documentation...</source>
        <translation>Leer la documentación...</translation>
    </message>
    <message id="CommonMenuModule.HelpTranslateText">
        <source>Translate into another language...</source>
        <translation>Traducir a otro idioma...</translation>
    </message>
    <message id="CommonMenuModule.HelpText">
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message id="CommonMenuModule.HelpWebsiteText">
        <source>Go to the website...</source>
        <translation>Ir al sitio web...</translation>
    </message>
    <message id="CommonMenuModule.HelpContactText">
        <source>Contact us...</source>
        <translation>Contactar...</translation>
    </message>
    <message id="CheckForUpdateContainerControl.CheckCheckBoxCaption">
        <source>Automatically check for update at launch.</source>
        <translation>Buscar actualizaciones al iniciar.</translation>
    </message>
    <message id="CheckForUpdateThread.NewVersionAvailableMessage">
        <source>Update notification&#xd;&#xd;A new version of %APPLICATIONNAME% is available online.&#xd;You can download it right now from our website.</source>
        <translation>Actualización disponible&#xd;&#xd;Hay una nueva versión de %APPLICATIONNAME% disponible en línea.&#xd;Puede descargarla ahora mismo desde nuestro sitio web.</translation>
    </message>
    <message id="ResetPreferencesContainerControl.ResetCheckBoxCaption">
        <source>Reset the preferences at next launch.</source>
        <translation>Restablecer las preferencias al reiniciar.</translation>
    </message>
    <message id="PreferencesWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="PreferencesWindow.PreferencesWindowTitle">
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message id="MainWindow.ElementDoneText">
        <source>Tested through its whole range</source>
        <translation>Probado en todo su recorrido</translation>
    </message>
    <message id="MainWindow.ElementNotDoneText">
        <source>Not yet through its whole range</source>
        <translation>Aún no en todo su recorrido</translation>
    </message>
    <message id="CommonMenuModule.ViewText">
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message id="CommonMenuModule.ViewDeviceText">
        <source>Device window</source>
        <translation>Ventana del dispositivo</translation>
    </message>
    <message id="DeviceWindow.DeviceWindowTitle">
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="DeviceWindow.NoDeviceText">
        <source>No device is picked in the tester window.</source>
        <translation>No hay ningún dispositivo elegido en la ventana de prueba.</translation>
    </message>
    <message id="DeviceWindow.SticksTitle">
        <source>Sticks</source>
        <translation>Palancas</translation>
    </message>
    <message id="DeviceWindow.AxesTitle">
        <source>Triggers and other axes</source>
        <translation>Gatillos y otros ejes</translation>
    </message>
    <message id="DeviceWindow.ButtonsTitle">
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message id="DeviceWindow.HatsTitle">
        <source>Hats</source>
        <translation>Crucetas</translation>
    </message>
    <message id="DeviceWindow.LeftStickName">
        <source>Left stick</source>
        <translation>Palanca izquierda</translation>
    </message>
    <message id="DeviceWindow.RightStickName">
        <source>Right stick</source>
        <translation>Palanca derecha</translation>
    </message>
    <message id="DeviceWindow.StickName">
        <source>Stick %NUMBER%</source>
        <translation>Palanca %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.CircularityText">
        <source>Circularity error: %VALUE%</source>
        <translation>Error de circularidad: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.RestOffsetText">
        <source>Rest offset: %VALUE%</source>
        <translation>Desvío en reposo: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.ReportRateText">
        <source>Reports per second: %VALUE%</source>
        <translation>Informes por segundo: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.NotMeasuredText">
        <source>not measured yet</source>
        <translation>aún sin medir</translation>
    </message>
    <message id="DeviceWindow.StickNoteText">
        <source>Circularity error: how far the outline lies from a full circle, on average over the directions the stick went halfway or more. Rest offset: how far from the centre the stick rests once still for half a second. Both in percent of a full deflection.</source>
        <translation>Error de circularidad: cuánto se aparta el contorno de un círculo completo, de media sobre las direcciones en que la palanca llegó al menos a la mitad. Desvío en reposo: a qué distancia del centro reposa la palanca tras medio segundo quieta. Ambos en porcentaje del recorrido completo.</translation>
    </message>
    <message id="DeviceWindow.ClearStickCaption">
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message id="DeviceWindow.ClearStickDescription">
        <source>Forgets the outline and figures of this stick, to measure it again.</source>
        <translation>Olvida el contorno y las cifras de esta palanca, para medirla de nuevo.</translation>
    </message>
    <message id="DeviceWindow.AxisReading">
        <source>%NOW%, reached %MINIMUM% to %MAXIMUM%</source>
        <translation>%NOW%, alcanzado de %MINIMUM% a %MAXIMUM%</translation>
    </message>
    <message id="DeviceWindow.PressedText">
        <source>Pressed</source>
        <translation>Pulsado</translation>
    </message>
    <message id="DeviceWindow.PressedBeforeText">
        <source>Released, pressed before</source>
        <translation>Suelto, ya pulsado</translation>
    </message>
    <message id="DeviceWindow.NeverPressedText">
        <source>Never pressed</source>
        <translation>Nunca pulsado</translation>
    </message>
    <message id="DeviceWindow.HatReading">
        <source>Pointing %NOW%; seen %SEEN%</source>
        <translation>Apunta %NOW%; visto %SEEN%</translation>
    </message>
    <message id="DeviceWindow.UpText">
        <source>up</source>
        <translation>arriba</translation>
    </message>
    <message id="DeviceWindow.RightText">
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message id="DeviceWindow.DownText">
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message id="DeviceWindow.LeftText">
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message id="DeviceWindow.CentredText">
        <source>centred</source>
        <translation>al centro</translation>
    </message>
    <message id="DeviceWindow.NoneText">
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message id="DeviceWindow.OutputsTitle">
        <source>Rumble and light</source>
        <translation>Vibración y luz</translation>
    </message>
    <message id="DeviceWindow.RumbleLabel">
        <source>Rumble:</source>
        <translation>Vibración:</translation>
    </message>
    <message id="DeviceWindow.LowMotorCaption">
        <source>Low-frequency motor</source>
        <translation>Motor de baja frecuencia</translation>
    </message>
    <message id="DeviceWindow.HighMotorCaption">
        <source>High-frequency motor</source>
        <translation>Motor de alta frecuencia</translation>
    </message>
    <message id="DeviceWindow.BothMotorsCaption">
        <source>Both motors</source>
        <translation>Ambos motores</translation>
    </message>
    <message id="DeviceWindow.TriggerRumbleLabel">
        <source>Trigger rumble:</source>
        <translation>Vibración de gatillos:</translation>
    </message>
    <message id="DeviceWindow.LeftTriggerCaption">
        <source>Left trigger</source>
        <translation>Gatillo izquierdo</translation>
    </message>
    <message id="DeviceWindow.RightTriggerCaption">
        <source>Right trigger</source>
        <translation>Gatillo derecho</translation>
    </message>
    <message id="DeviceWindow.LightLabel">
        <source>Light:</source>
        <translation>Luz:</translation>
    </message>
    <message id="DeviceWindow.RedCaption">
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message id="DeviceWindow.GreenCaption">
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message id="DeviceWindow.BlueCaption">
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message id="DeviceWindow.WhiteCaption">
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message id="DeviceWindow.OffCaption">
        <source>Off</source>
        <translation>Apagada</translation>
    </message>
    <message id="DeviceWindow.RumbleDescription">
        <source>Runs for a second at full strength.</source>
        <translation>Vibra un segundo a plena potencia.</translation>
    </message>
    <message id="DeviceWindow.NoRumbleText">
        <source>This device has no rumble motors.</source>
        <translation>Este dispositivo no tiene motores de vibración.</translation>
    </message>
    <message id="DeviceWindow.NoTriggerRumbleText">
        <source>This device has no rumble motors in its triggers.</source>
        <translation>Este dispositivo no tiene motores de vibración en los gatillos.</translation>
    </message>
    <message id="DeviceWindow.NoLightText">
        <source>This device has no light.</source>
        <translation>Este dispositivo no tiene luz.</translation>
    </message>
    <message id="DeviceWindow.RefusedText">
        <source>The device refused: %REASON%</source>
        <translation>El dispositivo se negó: %REASON%</translation>
    </message>
    <message id="DeviceWindow.MotionTitle">
        <source>Motion sensors</source>
        <translation>Sensores de movimiento</translation>
    </message>
    <message id="DeviceWindow.GyroscopeName">
        <source>Gyroscope</source>
        <translation>Giroscopio</translation>
    </message>
    <message id="DeviceWindow.AccelerometerName">
        <source>Accelerometer</source>
        <translation>Acelerómetro</translation>
    </message>
    <message id="DeviceWindow.DriftName">
        <source>Gyroscope drift</source>
        <translation>Deriva del giroscopio</translation>
    </message>
    <message id="DeviceWindow.RotationReading">
        <source>%X%, %Y%, %Z% degrees per second</source>
        <translation>%X%, %Y%, %Z% grados por segundo</translation>
    </message>
    <message id="DeviceWindow.AccelerationReading">
        <source>%X%, %Y%, %Z% g</source>
        <translation>%X%, %Y%, %Z% g</translation>
    </message>
    <message id="DeviceWindow.NotStillText">
        <source>lay the device still for two seconds</source>
        <translation>deje el dispositivo quieto dos segundos</translation>
    </message>
    <message id="DeviceWindow.TouchpadsTitle">
        <source>Touchpads</source>
        <translation>Paneles táctiles</translation>
    </message>
    <message id="DeviceWindow.TouchpadName">
        <source>Touchpad %NUMBER%</source>
        <translation>Panel táctil %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.FingerReading">
        <source>finger at %X% across, %Y% down, pressure %PRESSURE%</source>
        <translation>dedo a %X% en horizontal, %Y% en vertical, presión %PRESSURE%</translation>
    </message>
    <message id="DeviceWindow.NoFingerText">
        <source>no finger</source>
        <translation>ningún dedo</translation>
    </message>
    <message id="DeviceWindow.IdentityTitle">
        <source>Identity</source>
        <translation>Identidad</translation>
    </message>
    <message id="DeviceWindow.NameLabel">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="DeviceWindow.VendorLabel">
        <source>Vendor ID</source>
        <translation>ID del fabricante</translation>
    </message>
    <message id="DeviceWindow.ProductLabel">
        <source>Product ID</source>
        <translation>ID del producto</translation>
    </message>
    <message id="DeviceWindow.ProductVersionLabel">
        <source>Product version</source>
        <translation>Versión del producto</translation>
    </message>
    <message id="DeviceWindow.FirmwareLabel">
        <source>Firmware version</source>
        <translation>Versión del firmware</translation>
    </message>
    <message id="DeviceWindow.SerialLabel">
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message id="DeviceWindow.GuidLabel">
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message id="DeviceWindow.TypeLabel">
        <source>Controller type</source>
        <translation>Tipo de mando</translation>
    </message>
    <message id="DeviceWindow.MappingLabel">
        <source>Mapping</source>
        <translation>Asignación</translation>
    </message>
    <message id="DeviceWindow.ConnectionLabel">
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message id="DeviceWindow.BatteryLabel">
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message id="DeviceWindow.UnknownText">
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message id="DeviceWindow.NoMappingText">
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message id="DeviceWindow.WiredText">
        <source>wired</source>
        <translation>por cable</translation>
    </message>
    <message id="DeviceWindow.WirelessText">
        <source>wireless</source>
        <translation>inalámbrica</translation>
    </message>
    <message id="DeviceWindow.EmptyText">
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message id="DeviceWindow.LowText">
        <source>low</source>
        <translation>baja</translation>
    </message>
    <message id="DeviceWindow.MediumText">
        <source>medium</source>
        <translation>media</translation>
    </message>
    <message id="DeviceWindow.FullText">
        <source>full</source>
        <translation>llena</translation>
    </message>
    <message id="DeviceWindow.CopyCaption">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="DeviceWindow.CopyDescription">
        <source>Puts the device&apos;s identity on the clipboard as text, one fact a line.</source>
        <translation>Copia la identidad del dispositivo al portapapeles como texto, un dato por línea.</translation>
    </message>
    <message id="DeviceWindow.UnpluggedText">
        <source>The device is unplugged.</source>
        <translation>El dispositivo está desconectado.</translation>
    </message>
</context>
</TS>
