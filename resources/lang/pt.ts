<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Detectando o driver do dispositivo para espelhamento...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Reiniciando o computador</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>O sistema detectou que a configuração do driver foi alterada. É necessário reiniciar o computador para que as alterações entrem em vigor. Deseja reiniciar agora?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>A configuração do driver foi alterada. Reiniciando o computador</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>Driver instalado com sucesso! O espelhamento de tela será iniciado depois que você desconectar e reconectar o cabo USB.</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Desinstalação concluída com sucesso! É necessário reiniciar o computador para que as alterações entrem em vigor. Deseja reiniciar agora?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>Não foi possível encontrar o driver do dispositivo.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>Falha na desinstalação! Reinicie o computador e execute a desinstalação novamente. Deseja reiniciar agora?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Driver do dispositivo pronto para desinstalação...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Desinstalando o driver do dispositivo...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>Desinstalação do driver do dispositivo concluída!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>Falha na desinstalação do driver do dispositivo!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Há % dispositivos conectados ao computador. Pronto para instalar o driver...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Preparando os drivers do dispositivo...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Falha na preparação do driver...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Instalando os drivers do dispositivo...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d Driver instalado com sucesso...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Falha na instalação do driver...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>O sistema detectou que a &quot;Depuração USB&quot; está ativada. Desative-a nas Configurações e reconecte o celular!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Celular Android: Há % dispositivos conectados ao computador. Pronto para instalar o driver...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Celular Android: %d/%d Preparando os drivers do dispositivo...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Celular Android: %d/%d Falha na preparação do driver...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Celular Android: %d/%d Instalando os drivers do dispositivo...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Celular Android: %d/%d Driver instalado com sucesso...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Celular Android: %d/%d Falha na instalação do driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: Há % dispositivos conectados ao computador. Pronto para instalar o driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d Preparando os drivers do dispositivo...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d Falha na preparação do driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d Instalando os drivers do dispositivo...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d Driver instalado com sucesso...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d Falha na instalação do driver...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>Não é possível criar a pasta de salvamento:
%1
Escolha outra pasta nas configurações.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Erro de gravação</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>Captura de tela salva com sucesso!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>As configurações da placa de vídeo do seu computador não são compatíveis com a decodificação por hardware. Para ter a melhor experiência, acesse nosso site oficial e configure seu sistema conforme as instruções!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Acessar agora</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>Erro de rede. Tente novamente.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Digite seu número de telefone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Conectar Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Acessório ou </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1. No iPhone/iPad, abra Ajustes-&amp;gt;Bluetooth e conecte-se a&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2. O Bluetooth do computador deve estar visível. Se tiver problemas para conectar, abra os ajustes do celular, toque primeiro em &quot;Esquecer Este Dispositivo&quot; e depois desative e reative o Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3. Se não precisar controlar o celular pelo computador, clique em &quot;Fechar&quot;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>QEAlertDialog</name>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QGuideWidget</name>
    <message>
        <source>iOS Device Wired Connection</source>
        <translation>Conexão com fio de dispositivo iOS</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>Conexão sem fio de dispositivo iOS</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Conexão com fio de dispositivo Android</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Conexão sem fio de dispositivo Android</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Conecte seu iPhone ou iPad ao computador usando o cabo de carregamento.
Se aparecer o alerta &quot;Confiar neste computador?&quot;, toque em &quot;Confiar&quot;.
2. Enquanto estiver conectado, a tela do iPhone ou iPad será espelhada automaticamente no computador.
3. Para encerrar o espelhamento de tela, desconecte o cabo.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Verifique se o celular e o computador estão conectados à mesma rede Wi-Fi.
2. Abra a Central de Controle deslizando para cima a partir da parte inferior da tela ou para baixo a partir do canto superior direito (varia conforme o dispositivo e a versão do iOS).
3. Toque no botão &quot;Espelhar Tela&quot; ou &quot;AirPlay&quot;.
4. Selecione seu computador e a tela do iOS será exibida nele.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Escaneie o QR code acima para baixar e instalar o aplicativo.
2. Depois de instalar o aplicativo, conecte o celular ao computador usando o cabo de carregamento.
3. Enquanto estiver conectado, a tela do celular será espelhada automaticamente no computador.
4. Para encerrar o espelhamento de tela, desconecte o cabo.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. Escaneie o QR code acima para baixar e instalar o aplicativo.
2. Verifique se o celular e o computador estão conectados à mesma rede Wi-Fi.
3. Selecione seu computador e a tela do Android será exibida nele.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Mapeamento de teclas</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Sensibilidade do mouse</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Opacidade dos botões</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Atalho do modo de tiro</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Pressione uma tecla ou um botão do mouse</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Perfis padrão</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Selecione um perfil</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Digite o nome do perfil</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>O perfil contém teclas inválidas.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>Perfil salvo com sucesso!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>O nome do perfil não pode ser usado como nome de arquivo.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Já existe um perfil com este nome.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Não foi possível salvar o perfil.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>Deseja excluir este perfil?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>Perfil removido com sucesso!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>Mochila</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>Cancelar magia inteligente</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Magia inteligente</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>Girar visão</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Clique direito para andar</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Campo de visão</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Andar pelo teclado</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clique</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>Esta tecla já está em uso.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Este tipo de tecla já foi adicionado.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Central de controle de vários dispositivos</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>Controlando...</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
</context>
<context>
    <name>QMainDialog</name>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Signin / Signup</source>
        <translation>Entrar / Cadastrar-se</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Central de vários dispositivos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: transmita em tempo real a tela do seu iPhone/iPad/Android para o PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Carregue enquanto espelha: assista a vídeos e jogue seus jogos de celular na tela grande sem atrasos, enquanto carrega o celular ao mesmo tempo.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Grave e transmita ao vivo suas partidas em 4K enquanto joga seus jogos de celular.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Aproveite uma qualidade de vídeo 4K fluida e ultranítida, com taxa de quadros altíssima de 60-100 FPS.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Até 128 dispositivos podem espelhar a tela ao mesmo tempo.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Nome do host:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>Wi-Fi:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Código de acesso:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>Se tiver algum problema, entre em contato com o suporte.
(e-mail: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guia de início rápido</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Minimizar o Pivora ou sair?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>Minimizado, o Pivora continua recebendo celulares em segundo plano.
Ao sair, o espelhamento de todos os celulares é encerrado.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Lembrar minha escolha</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>Senha alterada com sucesso.</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Alterar senha</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nova senha</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Digite a nova senha</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Tamanho da tela (ideal)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 ou superior</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Dispositivo Android</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Versão do Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Controlar dispositivo</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Com fio</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>Microfone do celular</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sem fio</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* As alterações serão aplicadas aos dispositivos conectados a partir de agora.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Dispositivo iOS</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Dispositivo Android</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>versão: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>Restaurar as configurações padrão redefinirá todas as opções. Deseja continuar?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>Não foi possível gravar as configurações no disco. Elas valerão até o programa ser encerrado.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Não selecionado</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>Perguntar antes</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Qualquer celular da rede</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Perguntar para novos celulares</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Celulares que informarem o código</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>Ao fechar o aplicativo</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Quem pode espelhar</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>Com código, os celulares precisam informar o código exibido na tela inicial.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Drivers</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>Drivers USB</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Remove os drivers USB instalados para o espelhamento com fio.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Todos os dispositivos serão desconectados. Deseja continuar?</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Sistema operacional</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processador</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Armazenamento</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Placa de vídeo</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 núcleos, %3 threads</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (%2 disponíveis)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>%1 livres de %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>Nenhuma placa de vídeo encontrada</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Indisponível</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>Nenhum adaptador de rede conectado</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
</context>
<context>
    <name>QOptionsIOSDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Tamanho da tela (ideal)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Dispositivo iOS</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Controlar dispositivo</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>Requisitos para controlar o dispositivo:
1. Versão do sistema: Windows 10 (1803 ou posterior) / macOS (10.13 ou posterior)
2. Adaptador Bluetooth: compatível com a função de periférico Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Com fio</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sem fio</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* As alterações serão aplicadas aos dispositivos conectados a partir de agora.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>A versão atual do sistema operacional não é compatível.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Nenhum módulo Bluetooth encontrado ou Bluetooth indisponível.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Dispositivo + microfone do PC</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 h</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 h</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 h</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>Microfone do PC</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Dispositivo de entrada</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>Teste do microfone do PC</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Fonte de áudio</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Duração dos segmentos</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Pasta de salvamento</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Selecione a pasta de salvamento</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>Não é possível criar a pasta de salvamento.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Nenhum gerenciador de arquivos conseguiu abrir a pasta.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Barra de controle</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captura de tela</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>Ativar/desativar som</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Sempre visível</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Controlar dispositivo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Alternar apps</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Liga/desliga</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Mapeamento de teclas</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Versão atual</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>Nenhuma atualização disponível</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>Decodificador de hardware</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Mecanismo de renderização</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* As alterações serão aplicadas aos dispositivos conectados a partir de agora.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>Permitir que %1 espelhe a tela neste PC?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Negar</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Sempre permitir</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura de tela</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Fixar</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Ocultar controle do dispositivo</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Mostrar controle do dispositivo</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Som desligado</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Alternar apps</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Liga/desliga</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Mapeamento de teclas</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (captura de janela)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>Ocultar barra de controle</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Mostrar barra de controle</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Fixar</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Sair da tela cheia</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Mapeamento de teclas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>O aplicativo já está em execução...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Feche o seguinte aplicativo ou processo antes de iniciar o Pivora.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Verifique a conexão de rede e reinicie o aplicativo.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Para continuar usando este programa, você precisa instalar a atualização mais recente.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Nova versão</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
</context>
<context>
    <name>QSignDialog</name>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Cadastrar-se</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Entrar com</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Entrar com o WeChat</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
</context>
<context>
    <name>QSigninFrame</name>
    <message>
        <source>Please input password</source>
        <translation>Digite a senha</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Entrar automaticamente</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Esqueceu a senha?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Entrar com senha</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Entrar com código de verificação</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Leia os Termos de Serviço e marque a caixa para aceitá-los.</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Digite a senha</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>Li e concordo com os </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>Termos de Serviço</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Cadastrar-se</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Enviar código</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Digite o código da imagem</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Digite o código de verificação</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>Clique para carregar outra imagem</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Erro ao gravar o arquivo.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>Não há espaço de armazenamento suficiente.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>Não é permitido gravar mais de um vídeo ao mesmo tempo.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Configure a pasta de salvamento nas configurações.</translation>
    </message>
</context>
</TS>
