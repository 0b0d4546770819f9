<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="MainWindow.SelectStaticTextText">
        <source>Select a USB device:</source>
        <translation>Selecione um dispositivo USB:</translation>
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
        <translation>Atual</translation>
    </message>
    <message id="MainWindow.MainListBoxHeading3">
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message id="MainWindow.InstructionsStaticTextText">
        <source>Press/move slowly all buttons/sticks in all possible positions/directions, then release them to their default value before saving.</source>
        <translation>Pressione e mova devagar todos os botões e analógicos em todas as posições e direções possíveis; depois solte-os na posição de repouso antes de salvar.</translation>
    </message>
    <message id="MainWindow.SavePushButtonCaption">
        <source>Save...</source>
        <translation>Salvar...</translation>
    </message>
    <message id="MainWindow.FileCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file was successfully created.&#xd;Now you can quit the application.</source>
        <translation>O arquivo “%DEVICENAME%.txt” foi criado.&#xd;Agora você pode sair do aplicativo.</translation>
    </message>
    <message id="MainWindow.FileNotCreatedMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file could not be created.</source>
        <translation>Não foi possível criar o arquivo “%DEVICENAME%.txt”.</translation>
    </message>
    <message id="MainWindow.FileNotExistMessage">
        <source>The &quot;%DEVICENAME%.txt&quot; file does not exist.</source>
        <translation>O arquivo “%DEVICENAME%.txt” não existe.</translation>
    </message>
    <message id="MainWindow.DisconnectedDeviceText">
        <source>%DEVICENAME% (disconnected)</source>
        <translation>%DEVICENAME% (desconectado)</translation>
    </message>
    <message id="MainWindow.UnnamedDeviceText">
        <source>Game controller %USBID%</source>
        <translation>Controle de jogo %USBID%</translation>
    </message>
    <message id="MainWindow.MainListBoxAccessibleName">
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message id="MainWindow.SavePushButtonAccessibleDescription">
        <source>Saves the minimum, default and maximum value of each element into a text file.</source>
        <translation>Salva os valores mínimo, padrão e máximo de cada elemento em um arquivo de texto.</translation>
    </message>
    <message id="InstructionsWindow.InstructionsWindowTitle">
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message id="AboutWindow.AboutWindowTitle">
        <source>About %APPLICATIONNAME%</source>
        <translation>Sobre o %APPLICATIONNAME%</translation>
    </message>
    <message id="InstructionsWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="InstructionsWindow.InstructionsStaticTextText">
        <source>1) Connect right now the USB device you want to test before clicking on the &quot;Ok&quot; button at the bottom of this window.&#xd;&#xd;2) Then click on the &quot;Ok&quot; button to access the &quot;Quillomat&quot; window.&#xd;&#xd;3) In that window, select the USB device you want to test in the popup menu.&#xd;&#xd;4) Then press all buttons and move all sticks in all possible positions and directions in order to allow &quot;Quillomat&quot; to detect the possibilities and limits of your USB device.&#xd;&#xd;5) Then release all buttons and sticks to their default position.&#xd;&#xd;6) Then click on the &quot;Save&quot; button. This will save the values (minimum, default and maximum values of each button and stick) into a text file that you can open later with a text editor to check its content.</source>
        <translation>1) Conecte agora o dispositivo USB que você quer testar, antes de clicar no botão “OK” na parte de baixo desta janela.&#xd;&#xd;2) Depois clique em “OK” para abrir a janela do “Quillomat”.&#xd;&#xd;3) Nessa janela, escolha no menu suspenso o dispositivo USB que você quer testar.&#xd;&#xd;4) Pressione todos os botões e mova todos os analógicos em todas as posições e direções possíveis, para que o “Quillomat” detecte as possibilidades e os limites do seu dispositivo USB.&#xd;&#xd;5) Depois solte todos os botões e analógicos, para que voltem à posição de repouso.&#xd;&#xd;6) Por fim, clique em “Salvar”. Os valores (mínimo, em repouso e máximo de cada botão e analógico) serão salvos em um arquivo de texto, que você poderá abrir mais tarde em um editor de texto para conferir o conteúdo.</translation>
    </message>
    <message id="AboutWindow.DevelopedStaticTextText">
        <source>Developed by &quot;Brindlecove Software&quot;</source>
        <translation>Desenvolvido por “Brindlecove Software”</translation>
    </message>
    <message id="CommonMenuModule.AppleAboutText">
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message id="CommonMenuModule.ApplePreferencesText">
        <source>Preferences...</source>
        <translation>Preferências...</translation>
    </message>
    <message id="CommonMenuModule.AppleQuitText">
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message id="CommonMenuModule.EditClearText">
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message id="CommonMenuModule.EditCopyText">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="CommonMenuModule.EditCutText">
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message id="CommonMenuModule.EditPasteText">
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message id="CommonMenuModule.EditText">
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message id="CommonMenuModule.HelpDocumentationText">
        <source>Read the documentation...</source>
        <translation>Ler a documentação...</translation>
    </message>
    <message id="CommonMenuModule.HelpTranslateText">
        <source>Translate into another language...</source>
        <translation>Traduzir para outro idioma...</translation>
    </message>
    <message id="CommonMenuModule.HelpText">
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message id="CommonMenuModule.HelpWebsiteText">
        <source>Go to the website...</source>
        <translation>Acessar o site...</translation>
    </message>
    <message id="CommonMenuModule.HelpContactText">
        <source>Contact us...</source>
        <translation>Fale conosco...</translation>
    </message>
    <message id="CheckForUpdateContainerControl.CheckCheckBoxCaption">
        <source>Automatically check for update at launch.</source>
        <translation>Procurar atualizações ao iniciar.</translation>
    </message>
    <message id="CheckForUpdateThread.NewVersionAvailableMessage">
        <source>Update notification&#xd;&#xd;A new version of %APPLICATIONNAME% is available online.&#xd;You can download it right now from our website.</source>
        <translation>Atualização disponível&#xd;&#xd;Uma nova versão do %APPLICATIONNAME% está disponível on-line.&#xd;Você já pode baixá-la no nosso site.</translation>
    </message>
    <message id="ResetPreferencesContainerControl.ResetCheckBoxCaption">
        <source>Reset the preferences at next launch.</source>
        <translation>Redefinir as preferências ao reiniciar.</translation>
    </message>
    <message id="PreferencesWindow.OkPushButtonCaption">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="PreferencesWindow.PreferencesWindowTitle">
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message id="MainWindow.ElementDoneText">
        <source>Tested through its whole range</source>
        <translation>Testado em todo o seu curso</translation>
    </message>
    <message id="MainWindow.ElementNotDoneText">
        <source>Not yet through its whole range</source>
        <translation>Ainda não em todo o seu curso</translation>
    </message>
    <message id="CommonMenuModule.ViewText">
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message id="CommonMenuModule.ViewDeviceText">
        <source>Device window</source>
        <translation>Janela do dispositivo</translation>
    </message>
    <message id="DeviceWindow.DeviceWindowTitle">
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="DeviceWindow.NoDeviceText">
        <source>No device is picked in the tester window.</source>
        <translation>Nenhum dispositivo está escolhido na janela de teste.</translation>
    </message>
    <message id="DeviceWindow.SticksTitle">
        <source>Sticks</source>
        <translation>Alavancas</translation>
    </message>
    <message id="DeviceWindow.AxesTitle">
        <source>Triggers and other axes</source>
        <translation>Gatilhos e outros eixos</translation>
    </message>
    <message id="DeviceWindow.ButtonsTitle">
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message id="DeviceWindow.HatsTitle">
        <source>Hats</source>
        <translation>Direcionais</translation>
    </message>
    <message id="DeviceWindow.LeftStickName">
        <source>Left stick</source>
        <translation>Alavanca esquerda</translation>
    </message>
    <message id="DeviceWindow.RightStickName">
        <source>Right stick</source>
        <translation>Alavanca direita</translation>
    </message>
    <message id="DeviceWindow.StickName">
        <source>Stick %NUMBER%</source>
        <translation>Alavanca %NUMBER%</translation>
    </message>
    <message id="DeviceWindow.CircularityText">
        <source>Circularity error: %VALUE%</source>
        <translation>Erro de circularidade: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.RestOffsetText">
        <source>Rest offset: %VALUE%</source>
        <translation>Desvio em repouso: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.ReportRateText">
        <source>Reports per second: %VALUE%</source>
        <translation>Relatórios por segundo: %VALUE%</translation>
    </message>
    <message id="DeviceWindow.NotMeasuredText">
        <source>not measured yet</source>
        <translation>ainda não medido</translation>
    </message>
    <message id="DeviceWindow.StickNoteText">
        <source>Circularity error: how far the outline lies from a full circle, on average over the directions the stick went halfway or more. Rest offset: how far from the centre the stick rests once still for half a second. Both in percent of a full deflection.</source>
        <translation>Erro de circularidade: quanto o contorno se afasta de um círculo completo, em média nas direções em que a alavanca foi ao menos até a metade. Desvio em repouso: a que distância do centro a alavanca repousa após meio segundo parada. Ambos em porcentagem do curso completo.</translation>
    </message>
    <message id="DeviceWindow.ClearStickCaption">
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message id="DeviceWindow.ClearStickDescription">
        <source>Forgets the outline and figures of this stick, to measure it again.</source>
        <translation>Esquece o contorno e as medidas desta alavanca, para medi-la de novo.</translation>
    </message>
    <message id="DeviceWindow.AxisReading">
        <source>%NOW%, reached %MINIMUM% to %MAXIMUM%</source>
        <translation>%NOW%, alcançado de %MINIMUM% a %MAXIMUM%</translation>
    </message>
    <message id="DeviceWindow.PressedText">
        <source>Pressed</source>
        <translation>Pressionado</translation>
    </message>
    <message id="DeviceWindow.PressedBeforeText">
        <source>Released, pressed before</source>
        <translation>Solto, já pressionado</translation>
    </message>
    <message id="DeviceWindow.NeverPressedText">
        <source>Never pressed</source>
        <translation>Nunca pressionado</translation>
    </message>
    <message id="DeviceWindow.HatReading">
        <source>Pointing %NOW%; seen %SEEN%</source>
        <translation>Aponta %NOW%; visto %SEEN%</translation>
    </message>
    <message id="DeviceWindow.UpText">
        <source>up</source>
        <translation>cima</translation>
    </message>
    <message id="DeviceWindow.RightText">
        <source>right</source>
        <translation>direita</translation>
    </message>
    <message id="DeviceWindow.DownText">
        <source>down</source>
        <translation>baixo</translation>
    </message>
    <message id="DeviceWindow.LeftText">
        <source>left</source>
        <translation>esquerda</translation>
    </message>
    <message id="DeviceWindow.CentredText">
        <source>centred</source>
        <translation>ao centro</translation>
    </message>
    <message id="DeviceWindow.NoneText">
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message id="DeviceWindow.OutputsTitle">
        <source>Rumble and light</source>
        <translation>Vibração e luz</translation>
    </message>
    <message id="DeviceWindow.RumbleLabel">
        <source>Rumble:</source>
        <translation>Vibração:</translation>
    </message>
    <message id="DeviceWindow.LowMotorCaption">
        <source>Low-frequency motor</source>
        <translation>Motor de baixa frequência</translation>
    </message>
    <message id="DeviceWindow.HighMotorCaption">
        <source>High-frequency motor</source>
        <translation>Motor de alta frequência</translation>
    </message>
    <message id="DeviceWindow.BothMotorsCaption">
        <source>Both motors</source>
        <translation>Ambos os motores</translation>
    </message>
    <message id="DeviceWindow.TriggerRumbleLabel">
        <source>Trigger rumble:</source>
        <translation>Vibração dos gatilhos:</translation>
    </message>
    <message id="DeviceWindow.LeftTriggerCaption">
        <source>Left trigger</source>
        <translation>Gatilho esquerdo</translation>
    </message>
    <message id="DeviceWindow.RightTriggerCaption">
        <source>Right trigger</source>
        <translation>Gatilho direito</translation>
    </message>
    <message id="DeviceWindow.LightLabel">
        <source>Light:</source>
        <translation>Luz:</translation>
    </message>
    <message id="DeviceWindow.RedCaption">
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Branco</translation>
    </message>
    <message id="DeviceWindow.OffCaption">
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
    <message id="DeviceWindow.RumbleDescription">
        <source>Runs for a second at full strength.</source>
        <translation>Vibra por um segundo na força máxima.</translation>
    </message>
    <message id="DeviceWindow.NoRumbleText">
        <source>This device has no rumble motors.</source>
        <translation>Este dispositivo não tem motores de vibração.</translation>
    </message>
    <message id="DeviceWindow.NoTriggerRumbleText">
        <source>This device has no rumble motors in its triggers.</source>
        <translation>Este dispositivo não tem motores de vibração nos gatilhos.</translation>
    </message>
    <message id="DeviceWindow.NoLightText">
        <source>This device has no light.</source>
        <translation>Este dispositivo não tem luz.</translation>
    </message>
    <message id="DeviceWindow.RefusedText">
        <source>The device refused: %REASON%</source>
        <translation>O dispositivo recusou: %REASON%</translation>
    </message>
    <message id="DeviceWindow.MotionTitle">
        <source>Motion sensors</source>
        <translation>Sensores de movimento</translation>
    </message>
    <message id="DeviceWindow.GyroscopeName">
        <source>Gyroscope</source>
        <translation>Giroscópio</translation>
    </message>
    <message id="DeviceWindow.AccelerometerName">
        <source>Accelerometer</source>
        <translation>Acelerômetro</translation>
    </message>
    <message id="DeviceWindow.DriftName">
        <source>Gyroscope drift</source>
        <translation>Deriva do giroscópio</translation>
    </message>
    <message id="DeviceWindow.RotationReading">
        <source>%X%, %Y%, %Z% degrees per second</source>
        <translation>%X%, %Y%, %Z% graus por segundo</translation>
    </message>
    <message id="DeviceWindow.AccelerationReading">
        <source>%X%, %Y%, %Z% g</source>
        <translation>%X%, %Y%, %Z% g</translation>
    </message>
    <message id="DeviceWindow.NotStillText">
        <source>lay the device still for two seconds</source>
        <translation>deixe o dispositivo parado por dois segundos</translation>
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
        <translation>dedo a %X% na horizontal, %Y% na vertical, pressão %PRESSURE%</translation>
    </message>
    <message id="DeviceWindow.NoFingerText">
        <source>no finger</source>
        <translation>nenhum dedo</translation>
    </message>
    <message id="DeviceWindow.IdentityTitle">
        <source>Identity</source>
        <translation>Identidade</translation>
    </message>
    <message id="DeviceWindow.NameLabel">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="DeviceWindow.VendorLabel">
        <source>Vendor ID</source>
        <translation>ID do fabricante</translation>
    </message>
    <message id="DeviceWindow.ProductLabel">
        <source>Product ID</source>
        <translation>ID do produto</translation>
    </message>
    <message id="DeviceWindow.ProductVersionLabel">
        <source>Product version</source>
        <translation>Versão do produto</translation>
    </message>
    <message id="DeviceWindow.FirmwareLabel">
        <source>Firmware version</source>
        <translation>Versão do firmware</translation>
    </message>
    <message id="DeviceWindow.SerialLabel">
        <source>Serial number</source>
        <translation>Número de série</translation>
    </message>
    <message id="DeviceWindow.GuidLabel">
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message id="DeviceWindow.TypeLabel">
        <source>Controller type</source>
        <translation>Tipo de controle</translation>
    </message>
    <message id="DeviceWindow.MappingLabel">
        <source>Mapping</source>
        <translation>Mapeamento</translation>
    </message>
    <message id="DeviceWindow.ConnectionLabel">
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message id="DeviceWindow.BatteryLabel">
        <source>Battery</source>
        <translation>Bateria</translation>
    </message>
    <message id="DeviceWindow.UnknownText">
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message id="DeviceWindow.NoMappingText">
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message id="DeviceWindow.WiredText">
        <source>wired</source>
        <translation>com fio</translation>
    </message>
    <message id="DeviceWindow.WirelessText">
        <source>wireless</source>
        <translation>sem fio</translation>
    </message>
    <message id="DeviceWindow.EmptyText">
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message id="DeviceWindow.LowText">
        <source>low</source>
        <translation>baixa</translation>
    </message>
    <message id="DeviceWindow.MediumText">
        <source>medium</source>
        <translation>média</translation>
    </message>
    <message id="DeviceWindow.FullText">
        <source>full</source>
        <translation>cheia</translation>
    </message>
    <message id="DeviceWindow.CopyCaption">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="DeviceWindow.CopyDescription">
        <source>Puts the device&apos;s identity on the clipboard as text, one fact a line.</source>
        <translation>Copia a identidade do dispositivo para a área de transferência, um dado por linha.</translation>
    </message>
    <message id="DeviceWindow.UnpluggedText">
        <source>The device is unplugged.</source>
        <translation>O dispositivo está desconectado.</translation>
    </message>
</context>
</TS>
