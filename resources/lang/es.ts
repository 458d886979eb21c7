<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Detectando el controlador de dispositivo para la duplicación...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Reiniciando el ordenador</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>El sistema ha detectado que se ha modificado la configuración del controlador. Debe reiniciar el ordenador para que los cambios surtan efecto. ¿Desea reiniciarlo ahora?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>Se ha modificado la configuración del controlador. Reiniciando el ordenador</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>¡El controlador se ha instalado correctamente! La duplicación de pantalla se iniciará cuando desconecte el cable USB y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>¡Desinstalación completada! Debe reiniciar el ordenador para que los cambios surtan efecto. ¿Desea reiniciarlo ahora?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>No se ha encontrado el controlador de dispositivo.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>¡No se ha podido completar la desinstalación! Reinicie el ordenador y vuelva a ejecutar la desinstalación. ¿Desea reiniciarlo ahora?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Controlador de dispositivo listo para desinstalar...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Desinstalando el controlador de dispositivo...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>¡Desinstalación del controlador de dispositivo completada!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>¡Error al desinstalar el controlador de dispositivo!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Hay % dispositivos conectados al ordenador. Listo para instalar el controlador...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Preparando los controladores de dispositivo...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Error al preparar el controlador...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Instalando los controladores de dispositivo...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d El controlador se ha instalado correctamente...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Error al instalar el controlador...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>El sistema ha detectado que la «Depuración USB» está activada. Desactívela en Ajustes y vuelva a conectar el teléfono.</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Teléfono Android: Hay % dispositivos conectados al ordenador. Listo para instalar el controlador...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Teléfono Android: %d/%d Preparando los controladores de dispositivo...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Teléfono Android: %d/%d Error al preparar el controlador...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Teléfono Android: %d/%d Instalando los controladores de dispositivo...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Teléfono Android: %d/%d El controlador se ha instalado correctamente...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Teléfono Android: %d/%d Error al instalar el controlador...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: Hay % dispositivos conectados al ordenador. Listo para instalar el controlador...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d Preparando los controladores de dispositivo...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d Error al preparar el controlador...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d Instalando los controladores de dispositivo...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d El controlador se ha instalado correctamente...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d Error al instalar el controlador...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>No se puede crear la carpeta de guardado:
%1
Elija otra carpeta en la configuración.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Error de grabación</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>¡Captura de pantalla guardada!</translation>
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
        <translation>La configuración de la tarjeta gráfica de su ordenador no admite la decodificación por hardware. Para disfrutar de la mejor experiencia, visite nuestro sitio web oficial y configure su sistema siguiendo las instrucciones.</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Visitar ahora</translation>
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
        <translation>Error de red. Inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Introduzca su número de teléfono</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Conexión Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Accesorio o </translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1. En el iPhone/iPad, abra Ajustes-&amp;gt;Bluetooth y conéctese a&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2. El Bluetooth del ordenador debe estar visible. Si tiene problemas de conexión, abra los ajustes del teléfono, pulse primero «Omitir este dispositivo» y, a continuación, desactive y vuelva a activar el Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3. Si no necesita controlar el teléfono desde el ordenador, haga clic en «Cerrar».&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Aceptar</translation>
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
        <translation>Conexión por cable de dispositivo iOS</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>Conexión inalámbrica de dispositivo iOS</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Conexión por cable de dispositivo Android</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Conexión inalámbrica de dispositivo Android</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Conecte su iPhone o iPad al ordenador con el cable de carga.
Si aparece el aviso «¿Confiar en este ordenador?», toque «Confiar».
2. Mientras esté conectado, la pantalla de su iPhone o iPad se duplicará automáticamente en el ordenador.
3. Para detener la duplicación de pantalla, desconecte el cable.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Asegúrese de que el teléfono y el ordenador estén conectados a la misma red Wi-Fi.
2. Abra el Centro de control deslizando hacia arriba desde la parte inferior de la pantalla o hacia abajo desde la esquina superior derecha (según el dispositivo y la versión de iOS).
3. Toque el botón «Duplicar pantalla» o «AirPlay».
4. Seleccione su ordenador y la pantalla de iOS se mostrará en él.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Escanee el código QR de arriba para descargar e instalar la aplicación.
2. Una vez instalada la aplicación, conecte el teléfono al ordenador con el cable de carga.
3. Mientras esté conectado, la pantalla del teléfono se duplicará automáticamente en el ordenador.
4. Para detener la duplicación de pantalla, desconecte el cable.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. Escanee el código QR de arriba para descargar e instalar la aplicación.
2. Asegúrese de que el teléfono y el ordenador estén conectados a la misma red Wi-Fi.
3. Seleccione su ordenador y la pantalla de Android se mostrará en él.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Asignación de teclas</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Sensibilidad del ratón</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Opacidad de los botones</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Atajo del modo disparo</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Pulse una tecla o un botón del ratón</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Perfiles predeterminados</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Seleccione un perfil</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Introduzca el nombre del perfil</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>El perfil contiene teclas no válidas.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>¡Perfil guardado!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>El nombre del perfil no se puede usar como nombre de archivo.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Ya existe un perfil con este nombre.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>No se ha podido guardar el perfil.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>¿Desea eliminar este perfil?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>¡Perfil eliminado!</translation>
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
        <translation>Cancelar hechizo inteligente</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Hechizo inteligente</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>Girar vista</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Clic derecho para caminar</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Campo de visión</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Caminar con el teclado</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>La tecla ya está en uso.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Ya se ha añadido este tipo de tecla.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Centro de control multidispositivo</translation>
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
        <translation>Iniciar sesión / Registrarse</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Centro multidispositivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Conectar y usar: duplique en tiempo real la pantalla de su iPhone/iPad/Android en el PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Carga durante la duplicación: vea vídeos y juegue a sus juegos móviles en la pantalla grande sin retrasos mientras carga el teléfono.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Grabe y retransmita en directo sus partidas en 4K mientras juega a sus juegos móviles.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Disfrute de una calidad de vídeo 4K fluida y ultranítida con una altísima tasa de 60-100 fotogramas por segundo.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Hasta 128 dispositivos pueden duplicar su pantalla a la vez.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Nombre de host:</translation>
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
        <translation>Código de acceso:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>Si tiene algún problema, póngase en contacto con el soporte técnico.
(correo electrónico: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guía de inicio rápido</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>¿Minimizar Pivora o salir?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>Minimizado, Pivora sigue recibiendo teléfonos en segundo plano.
Al salir, se detiene la duplicación de todos los teléfonos.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Recordar mi elección</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>La contraseña se ha cambiado correctamente.</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nueva contraseña</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Introduzca la nueva contraseña</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Cambiar</translation>
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
        <translation>Tamaño de pantalla (óptimo)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 y posteriores</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Dispositivo Android</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Versión de Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Controlar dispositivo</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Por cable</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>Micrófono del teléfono</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Inalámbrico</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Los cambios se aplicarán a los dispositivos que se conecten a partir de ahora.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>General</translation>
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
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>versión: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Al restablecer la configuración predeterminada se restablecerán todas las opciones. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>No se ha podido guardar la configuración en el disco. Se aplicará hasta que se cierre el programa.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Sin seleccionar</translation>
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
        <translation>Preguntar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Cualquier teléfono de la red</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Preguntarme por teléfonos nuevos</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Teléfonos que introduzcan el código</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>Al cerrar la aplicación</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Quién puede duplicar</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>Con código, los teléfonos deben introducir el código que se muestra en la pantalla de inicio.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Controladores</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>Controladores USB</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Elimina los controladores USB instalados para la duplicación por cable.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Se desconectarán todos los dispositivos. ¿Desea continuar?</translation>
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
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Procesador</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 núcleos, %3 hilos</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (%2 disponibles)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>%1 libres de %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>No se ha encontrado ningún adaptador gráfico</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>No hay ningún adaptador de red conectado</translation>
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
        <translation>Tamaño de pantalla (óptimo)</translation>
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
        <translation>Requisitos para controlar el dispositivo:
1. Versión del sistema operativo: Windows 10 (1803 o posterior) / macOS (10.13 o posterior)
2. Adaptador Bluetooth: compatible con el rol de periférico Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Por cable</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Inalámbrico</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Los cambios se aplicarán a los dispositivos que se conecten a partir de ahora.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>La versión actual del sistema operativo no es compatible.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>No hay módulo Bluetooth o el Bluetooth no está disponible.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Dispositivo + micrófono del PC</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
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
        <translation>Grabación</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>Micrófono del PC</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Dispositivo de entrada</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>Prueba del micrófono del PC</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Fuente de audio</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Duración de cada segmento</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Carpeta de guardado</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Seleccione la carpeta de guardado</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>No se puede crear la carpeta de guardado.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Ningún explorador de archivos ha podido abrir la carpeta.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Barra de control</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>Activar/desactivar sonido</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Controlar dispositivo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Cambiar de aplicación</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Asignación de teclas</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Versión actual</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>No hay actualizaciones disponibles</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
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
        <translation>Decodificador por hardware</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Motor de renderizado</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Los cambios se aplicarán a los dispositivos que se conecten a partir de ahora.</translation>
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
        <translation>¿Permitir que %1 duplique su pantalla en este PC?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Denegar</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Permitir siempre</translation>
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
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Ocultar control del dispositivo</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Mostrar control del dispositivo</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Sonido desactivado</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Cambiar de aplicación</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Asignación de teclas</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (captura de ventana)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
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
        <translation>Ocultar barra de control</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Mostrar barra de control</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Girar 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Asignación de teclas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>La aplicación ya se está ejecutando...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Cierre la siguiente aplicación o proceso antes de iniciar Pivora.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Compruebe la conexión de red y reinicie la aplicación.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Para seguir usando este programa, debe instalar la última actualización.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
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
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Registrarse</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Iniciar sesión con</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Iniciar sesión con WeChat</translation>
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
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Inicio de sesión automático</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>¿Ha olvidado la contraseña?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Iniciar sesión con contraseña</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Iniciar sesión con código de verificación</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Lea las condiciones del servicio y marque la casilla para aceptarlas.</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>He leído y acepto las </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>condiciones del servicio</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Registrarse</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Enviar código</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Introduzca el código de la imagen</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Introduzca el código de verificación</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>Haga clic para cargar otra imagen</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Error al escribir el archivo.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>No hay suficiente espacio de almacenamiento.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>No se puede grabar más de un vídeo a la vez.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Configure la carpeta de guardado en la configuración.</translation>
    </message>
</context>
</TS>
