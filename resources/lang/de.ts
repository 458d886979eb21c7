<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Gerätetreiber für die Spiegelung wird gesucht...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Computer wird neu gestartet</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Das System hat festgestellt, dass die Treibereinstellungen geändert wurden. Damit die Änderungen wirksam werden, müssen Sie Ihren Computer neu starten. Möchten Sie jetzt neu starten?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>Die Treibereinstellungen wurden geändert. Computer wird neu gestartet</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>Der Treiber wurde erfolgreich installiert! Die Bildschirmspiegelung startet, sobald Sie das USB-Kabel abziehen und wieder einstecken.</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Deinstallation erfolgreich! Damit die Änderungen wirksam werden, müssen Sie Ihren Computer neu starten. Möchten Sie jetzt neu starten?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>Der Gerätetreiber wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>Deinstallation fehlgeschlagen! Bitte starten Sie den Computer neu und führen Sie die Deinstallation erneut aus. Möchten Sie jetzt neu starten?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Gerätetreiber bereit zur Deinstallation...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Gerätetreiber wird deinstalliert...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>Deinstallation des Gerätetreibers abgeschlossen!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>Deinstallation des Gerätetreibers fehlgeschlagen!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Es sind % Geräte mit Ihrem Computer verbunden. Bereit zur Treiberinstallation...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Gerätetreiber werden vorbereitet...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Vorbereitung des Treibers fehlgeschlagen...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Gerätetreiber werden installiert...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d Der Treiber wurde erfolgreich installiert...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Installation des Treibers fehlgeschlagen...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>Das System hat festgestellt, dass „USB-Debugging“ aktiviert ist. Bitte deaktivieren Sie es in den Einstellungen und schließen Sie das Smartphone erneut an!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android-Smartphone: Es sind % Geräte mit Ihrem Computer verbunden. Bereit zur Treiberinstallation...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Android-Smartphone: %d/%d Gerätetreiber werden vorbereitet...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Android-Smartphone: %d/%d Vorbereitung des Treibers fehlgeschlagen...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Android-Smartphone: %d/%d Gerätetreiber werden installiert...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Android-Smartphone: %d/%d Der Treiber wurde erfolgreich installiert...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Android-Smartphone: %d/%d Installation des Treibers fehlgeschlagen...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: Es sind % Geräte mit Ihrem Computer verbunden. Bereit zur Treiberinstallation...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d Gerätetreiber werden vorbereitet...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d Vorbereitung des Treibers fehlgeschlagen...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d Gerätetreiber werden installiert...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d Der Treiber wurde erfolgreich installiert...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d Installation des Treibers fehlgeschlagen...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>Der Speicherordner kann nicht erstellt werden:
%1
Bitte wählen Sie in den Einstellungen einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Aufnahmefehler</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>Screenshot wurde gespeichert!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>Die Grafikkarteneinstellungen Ihres Computers unterstützen keine Hardware-Dekodierung. Für ein optimales Erlebnis besuchen Sie bitte unsere offizielle Website und richten Sie Ihr System gemäß der Anleitung ein!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Jetzt besuchen</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>Netzwerkfehler. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Bitte E-Mail-Adresse eingeben</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Bitte Telefonnummer eingeben</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Bluetooth verbinden</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Zubehör oder </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1. Öffnen Sie auf dem iPhone/iPad Einstellungen-&amp;gt;Bluetooth und verbinden Sie sich dann mit&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2. Das Bluetooth des Computers muss sichtbar sein. Bei Verbindungsproblemen öffnen Sie die Einstellungen Ihres Smartphones, tippen Sie zuerst auf „Dieses Gerät ignorieren“ und schalten Sie dann Bluetooth aus und wieder ein.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3. Wenn Sie Ihr Smartphone nicht vom Computer aus steuern müssen, klicken Sie auf „Schließen“.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>iOS-Gerät per Kabel verbinden</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>iOS-Gerät drahtlos verbinden</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Android-Gerät per Kabel verbinden</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Android-Gerät drahtlos verbinden</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Verbinden Sie Ihr iPhone oder iPad über das Ladekabel mit dem Computer.
Wenn die Meldung „Diesem Computer vertrauen?“ erscheint, tippen Sie auf „Vertrauen“.
2. Solange Ihr iPhone oder iPad verbunden ist, wird sein Bildschirm automatisch auf dem Computer gespiegelt.
3. Um die Bildschirmspiegelung zu beenden, ziehen Sie das Kabel ab.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Stellen Sie sicher, dass Ihr Smartphone und Ihr Computer mit demselben WLAN verbunden sind.
2. Öffnen Sie das Kontrollzentrum, indem Sie vom unteren Bildschirmrand nach oben oder von der oberen rechten Ecke nach unten wischen (je nach Gerät und iOS-Version).
3. Tippen Sie auf „Bildschirmsynchronisierung“ bzw. „AirPlay“.
4. Wählen Sie Ihren Computer aus – dann wird Ihr iOS-Bildschirm auf dem Computer angezeigt.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Scannen Sie den QR-Code oben, um die App herunterzuladen und zu installieren.
2. Verbinden Sie Ihr Smartphone nach der Installation über das Ladekabel mit dem Computer.
3. Solange Ihr Smartphone verbunden ist, wird sein Bildschirm automatisch auf dem Computer gespiegelt.
4. Um die Bildschirmspiegelung zu beenden, ziehen Sie das Kabel ab.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. Scannen Sie den QR-Code oben, um die App herunterzuladen und zu installieren.
2. Stellen Sie sicher, dass Ihr Smartphone und Ihr Computer mit demselben WLAN verbunden sind.
3. Wählen Sie Ihren Computer aus – dann wird Ihr Android-Bildschirm auf dem Computer angezeigt.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Mausempfindlichkeit</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Tasten-Deckkraft</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Tastenkürzel für Schießmodus</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Taste oder Maustaste drücken</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Standardprofile</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Bitte wählen Sie ein Profil aus</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Bitte geben Sie einen Profilnamen ein</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>Das Profil enthält ungültige Tasten.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>Das Profil wurde gespeichert!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>Der Profilname kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Ein Profil mit diesem Namen ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Das Profil konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>Möchten Sie dieses Profil löschen?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>Das Profil wurde entfernt!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>Rucksack</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>Smart-Zauber abbrechen</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Smart-Zauber</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>Ansicht drehen</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Rechtsklick zum Laufen</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Sichtfeld</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Laufen per Tastatur</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>Die Taste wird bereits verwendet.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Diese Art von Taste wurde bereits hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Mehrgeräte-Steuerzentrale</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>Wird gesteuert...</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
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
        <translation>Anmelden / Registrieren</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Mehrgeräte-Zentrale</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug &amp;amp; Play: Spiegeln Sie den Bildschirm Ihres iPhone/iPad/Android-Geräts in Echtzeit auf den PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Laden während der Spiegelung: Schauen Sie Videos und spielen Sie Ihre Handyspiele ruckelfrei auf dem großen Bildschirm, während Ihr Smartphone gleichzeitig geladen wird.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Nehmen Sie Ihr Gameplay in 4K auf und streamen Sie es live, während Sie Ihre Handyspiele spielen.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Genießen Sie flüssige, gestochen scharfe 4K-Videoqualität mit extrem hohen Bildraten von 60-100 FPS.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Bis zu 128 Geräte können gleichzeitig gespiegelt werden.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Hostname:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>WLAN:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Zugangscode:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>Bei Problemen wenden Sie sich bitte an den Support.
(E-Mail: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Schnellstartanleitung</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Pivora minimieren oder beenden?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>Minimiert empfängt Pivora weiterhin Smartphones im Hintergrund.
Beim Beenden wird die Spiegelung aller Smartphones beendet.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Auswahl merken</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>Das Passwort wurde erfolgreich geändert.</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Bitte neues Passwort eingeben</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Bildschirmgröße (optimal)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 und höher</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android-Gerät</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Android-Version</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Gerät steuern</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabelgebunden</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>Smartphone-Mikrofon</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Drahtlos</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Alle Änderungen gelten für neu verbundene Geräte.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS-Gerät</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android-Gerät</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>Beim Wiederherstellen der Standardeinstellungen werden alle Optionen zurückgesetzt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Sie gelten nur bis zum Beenden des Programms.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Nicht ausgewählt</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>Vorher fragen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Jedes Smartphone im Netzwerk</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Bei neuen Smartphones fragen</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Smartphones mit Zugangscode</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>Beim Schließen der App</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Wer darf spiegeln</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>Mit Zugangscode müssen Smartphones den Code eingeben, der auf der Startseite angezeigt wird.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>USB-Treiber</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Entfernt die USB-Treiber, die für die kabelgebundene Spiegelung installiert wurden.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Alle Geräte werden getrennt. Möchten Sie fortfahren?</translation>
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
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Prozessor</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 Kerne, %3 Threads</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (%2 verfügbar)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>%1 von %2 frei (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>Keine Grafikkarte gefunden</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>Kein Netzwerkadapter verbunden</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>WLAN</translation>
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
        <translation>Bildschirmgröße (optimal)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS-Gerät</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Gerät steuern</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>Voraussetzungen für die Gerätesteuerung:
1. Betriebssystem: Windows 10 (1803 oder höher) / macOS (10.13 oder höher)
2. Bluetooth-Adapter: Unterstützung der Low-Energy-Peripherierolle</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabelgebunden</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Drahtlos</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Alle Änderungen gelten für neu verbundene Geräte.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>Die aktuelle Betriebssystemversion wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Kein Bluetooth-Modul vorhanden oder Bluetooth ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Gerät + PC-Mikrofon</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiviert</translation>
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
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>PC-Mikrofon</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Eingabegerät</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>PC-Mikrofontest</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Audioquelle</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Aufteilungsdauer</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Bitte wählen Sie einen Speicherordner aus</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>Der Speicherordner kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Kein Dateimanager konnte den Ordner öffnen.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Steuerleiste</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>Um 90° drehen</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>Ton ein/aus</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Gerät steuern</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>App-Wechsel</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Tastenbelegung</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Aktuelle Version</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>Keine Updates verfügbar</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>Hardware-Decoder</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Render-Engine</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Alle Änderungen gelten für neu verbundene Geräte.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>Darf %1 auf diesen PC spiegeln?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Zulassen</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Immer zulassen</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>Um 90° drehen</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Gerätesteuerung ausblenden</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Gerätesteuerung einblenden</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Ton aus</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>App-Wechsel</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Tastenbelegung</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (Fensteraufnahme)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>Steuerleiste ausblenden</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Steuerleiste einblenden</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Um 90° drehen</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Vollbild beenden</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>Die Anwendung läuft bereits...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Bitte schließen Sie die folgende Anwendung bzw. den folgenden Prozess, bevor Sie Pivora starten.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Bitte prüfen Sie das Netzwerk und starten Sie die Anwendung neu.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Um dieses Programm weiter zu verwenden, müssen Sie das neueste Update installieren.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
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
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Registrieren</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Anmelden mit</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Mit WeChat anmelden</translation>
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
        <translation>Bitte Passwort eingeben</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Automatisch anmelden</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Mit Passwort anmelden</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Mit Bestätigungscode anmelden</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Bitte lesen Sie die Nutzungsbedingungen und setzen Sie das Häkchen, um ihnen zuzustimmen.</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Bitte Passwort eingeben</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>Ich habe gelesen und akzeptiere die </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Registrieren</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Code senden</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Bitte Bildcode eingeben</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Bitte Bestätigungscode eingeben</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>Klicken, um ein anderes Bild zu laden</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Fehler beim Schreiben der Datei.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>Nicht genügend Speicherplatz.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>Es kann nicht mehr als ein Video gleichzeitig aufgenommen werden.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Bitte legen Sie in den Einstellungen einen Speicherordner fest.</translation>
    </message>
</context>
</TS>
