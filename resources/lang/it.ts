<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Rilevamento del driver del dispositivo per la duplicazione...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Riavvio del computer in corso</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Il sistema ha rilevato che le impostazioni del driver sono state modificate. Per rendere effettive le modifiche devi riavviare il computer. Vuoi riavviarlo ora?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>Le impostazioni del driver sono state modificate. Riavvio del computer in corso</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>Driver installato correttamente! La duplicazione dello schermo si avvierà dopo che avrai scollegato e ricollegato il cavo USB.</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Disinstallazione completata! Per rendere effettive le modifiche devi riavviare il computer. Vuoi riavviarlo ora?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>Impossibile trovare il driver del dispositivo.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>Disinstallazione non riuscita! Riavvia il computer ed esegui di nuovo la disinstallazione. Vuoi riavviarlo ora?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Driver del dispositivo pronto per la disinstallazione...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Disinstallazione del driver del dispositivo in corso...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>Disinstallazione del driver del dispositivo completata!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>Disinstallazione del driver del dispositivo non riuscita!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Al computer sono connessi % dispositivi. Pronto per l&apos;installazione del driver...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Preparazione dei driver del dispositivo...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Preparazione del driver non riuscita...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Installazione dei driver del dispositivo...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d Driver installato correttamente...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Installazione del driver non riuscita...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>Il sistema ha rilevato che il &quot;Debug USB&quot; è attivo. Disattivalo nelle Impostazioni e ricollega il telefono!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Telefono Android: Al computer sono connessi % dispositivi. Pronto per l&apos;installazione del driver...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Telefono Android: %d/%d Preparazione dei driver del dispositivo...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Telefono Android: %d/%d Preparazione del driver non riuscita...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Telefono Android: %d/%d Installazione dei driver del dispositivo...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Telefono Android: %d/%d Driver installato correttamente...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Telefono Android: %d/%d Installazione del driver non riuscita...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: Al computer sono connessi % dispositivi. Pronto per l&apos;installazione del driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d Preparazione dei driver del dispositivo...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d Preparazione del driver non riuscita...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d Installazione dei driver del dispositivo...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d Driver installato correttamente...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d Installazione del driver non riuscita...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>Impossibile creare la cartella di salvataggio:
%1
Scegli un&apos;altra cartella nelle impostazioni.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Errore di registrazione</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>Screenshot salvato!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>Le impostazioni della scheda grafica del computer non supportano la decodifica hardware. Per un&apos;esperienza ottimale, visita il nostro sito ufficiale e configura il sistema seguendo le istruzioni!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Visita ora</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>Errore di rete, riprova.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Inserisci l&apos;indirizzo e-mail</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Inserisci il numero di telefono</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Connetti Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Accessorio o </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1. Sull&apos;iPhone/iPad apri Impostazioni-&amp;gt;Bluetooth, quindi connettiti a&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2. Il Bluetooth del computer deve essere rilevabile. In caso di problemi di connessione, apri le impostazioni del telefono, tocca prima &quot;Dissocia questo dispositivo&quot;, quindi disattiva e riattiva il Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3. Se non hai bisogno di controllare il telefono dal computer, fai clic su &quot;Chiudi&quot;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Annulla</translation>
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
        <translation>Connessione via cavo di un dispositivo iOS</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>Connessione wireless di un dispositivo iOS</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Connessione via cavo di un dispositivo Android</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Connessione wireless di un dispositivo Android</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Collega l&apos;iPhone o l&apos;iPad al computer con il cavo di ricarica.
Se viene visualizzato il messaggio &quot;Autorizzare questo computer?&quot;, tocca &quot;Autorizza&quot;.
2. Finché è collegato, lo schermo dell&apos;iPhone o dell&apos;iPad viene duplicato automaticamente sul computer.
3. Per interrompere la duplicazione dello schermo, scollega il cavo.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Assicurati che il telefono e il computer siano connessi alla stessa rete Wi-Fi.
2. Apri Centro di Controllo scorrendo verso l&apos;alto dal bordo inferiore dello schermo o verso il basso dall&apos;angolo in alto a destra (a seconda del dispositivo e della versione di iOS).
3. Tocca il pulsante &quot;Duplica schermo&quot; o &quot;AirPlay&quot;.
4. Seleziona il computer: lo schermo del dispositivo iOS verrà visualizzato sul computer.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Scansiona il codice QR qui sopra per scaricare e installare l&apos;app.
2. Dopo aver installato l&apos;app, collega il telefono al computer con il cavo di ricarica.
3. Finché è collegato, lo schermo del telefono viene duplicato automaticamente sul computer.
4. Per interrompere la duplicazione dello schermo, scollega il cavo.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. Scansiona il codice QR qui sopra per scaricare e installare l&apos;app.
2. Assicurati che il telefono e il computer siano connessi alla stessa rete Wi-Fi.
3. Seleziona il computer: lo schermo del dispositivo Android verrà visualizzato sul computer.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Mappatura tasti</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Sensibilità del mouse</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Opacità dei pulsanti</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Scorciatoia modalità di tiro</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Premi un tasto o un pulsante del mouse</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Profili predefiniti</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Seleziona un profilo</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Inserisci il nome del profilo</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>Il profilo contiene tasti non validi.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>Profilo salvato!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>Il nome del profilo non può essere usato come nome di file.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Esiste già un profilo con questo nome.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Impossibile salvare il profilo.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>Vuoi eliminare questo profilo?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>Profilo rimosso!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>Zaino</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>Annulla magia intelligente</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Magia intelligente</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>Ruota visuale</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Clic destro per camminare</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Campo visivo</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Movimento da tastiera</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>Il tasto è già in uso.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Questo tipo di tasto è già stato aggiunto.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Centro di controllo multidispositivo</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>Controllo in corso...</translation>
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
        <translation>Accedi / Registrati</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Centro multidispositivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: trasmetti in tempo reale lo schermo di iPhone/iPad/Android sul PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Ricarica durante la duplicazione: guarda video e gioca ai tuoi giochi per smartphone sul grande schermo senza lag, mentre il telefono si ricarica.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Registra e trasmetti in diretta il tuo gameplay in 4K mentre giochi ai tuoi giochi per smartphone.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Goditi una qualità video 4K fluida e nitidissima con un frame rate altissimo di 60-100 FPS.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Fino a 128 dispositivi possono duplicare lo schermo contemporaneamente.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Nome host:</translation>
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
        <translation>Codice di accesso:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>In caso di problemi, contatta l&apos;assistenza.
(e-mail: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guida rapida</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Ridurre a icona Pivora o uscire?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>Se ridotto a icona, Pivora continua a ricevere i telefoni in background.
Uscendo, la duplicazione di tutti i telefoni viene interrotta.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Ricorda la mia scelta</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>Password modificata correttamente.</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Modifica password</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Inserisci la nuova password</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Dimensioni schermo (ottimali)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 e successive</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Dispositivo Android</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Versione di Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Controlla dispositivo</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Via cavo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
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
        <translation>Microfono del telefono</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Le modifiche verranno applicate ai dispositivi connessi successivamente.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>Generali</translation>
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
        <translation>Video</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>versione: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>Il ripristino delle impostazioni predefinite reimposterà tutte le opzioni. Vuoi continuare?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>Impossibile salvare le impostazioni su disco. Resteranno valide fino alla chiusura del programma.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non selezionato</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>Chiedi prima</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Qualsiasi telefono della rete</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Chiedi per i nuovi telefoni</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Telefoni che inseriscono il codice</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>Alla chiusura dell&apos;app</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Chi può duplicare lo schermo</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>Con il codice, i telefoni devono inserire il codice mostrato nella schermata Home.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>Driver USB</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Rimuove i driver USB installati per la duplicazione via cavo.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Tutti i dispositivi verranno disconnessi. Vuoi continuare?</translation>
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
        <translation>Processore</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Archiviazione</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 core, %3 thread</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (%2 disponibili)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>%1 liberi su %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>Nessuna scheda grafica trovata</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Non disponibile</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>Nessuna scheda di rete connessa</translation>
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
        <translation>Dimensioni schermo (ottimali)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Dispositivo iOS</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Controlla dispositivo</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>Requisiti per il controllo del dispositivo:
1. Versione del sistema operativo: Windows 10 (1803 o successiva) / macOS (10.13 o successiva)
2. Adattatore Bluetooth: supporto del ruolo di periferica Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Via cavo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Le modifiche verranno applicate ai dispositivi connessi successivamente.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>La versione attuale del sistema operativo non è supportata.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Nessun modulo Bluetooth o Bluetooth non disponibile.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Silenzio</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Dispositivo + microfono del PC</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattivato</translation>
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
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>Microfono del PC</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Dispositivo di input</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>Test microfono del PC</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Sorgente audio</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Durata dei segmenti</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Cartella di salvataggio</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Seleziona la cartella di salvataggio</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>Impossibile creare la cartella di salvataggio.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Nessun file manager è riuscito ad aprire la cartella.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Barra di controllo</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>Ruota di 90°</translation>
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
        <translation>Attiva/disattiva audio</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Controlla dispositivo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Cambia app</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Accensione</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Mappatura tasti</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Versione attuale</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>Nessun aggiornamento disponibile</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>Decodificatore hardware</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Motore di rendering</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Le modifiche verranno applicate ai dispositivi connessi successivamente.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>Consentire a %1 di duplicare lo schermo su questo PC?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Consenti</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Rifiuta</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Consenti sempre</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>Ruota di 90°</translation>
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
        <translation>Fissa in primo piano</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Nascondi controllo dispositivo</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Mostra controllo dispositivo</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Audio attivo</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Audio disattivato</translation>
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
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Cambia app</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Accensione</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Mappatura tasti</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (cattura finestra)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>Nascondi barra di controllo</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Mostra barra di controllo</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Ruota di 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Fissa in primo piano</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Esci da schermo intero</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Mappatura tasti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>L&apos;applicazione è già in esecuzione...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Chiudi la seguente applicazione o processo prima di avviare Pivora.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Controlla la connessione di rete e riavvia l&apos;app.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Per continuare a usare questo programma devi installare l&apos;aggiornamento più recente.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
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
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Registrati</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Accedi con</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Accedi con WeChat</translation>
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
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Accesso automatico</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Password dimenticata?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Accedi con password</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Accedi con codice di verifica</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Leggi i Termini di servizio e seleziona la casella per accettarli.</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>Ho letto e accetto i </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>Termini di servizio</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Registrati</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Invia codice</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Inserisci il codice dell&apos;immagine</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Inserisci il codice di verifica</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>Fai clic per caricare un&apos;altra immagine</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Errore di scrittura del file.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>Spazio di archiviazione insufficiente.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>Non è possibile registrare più di un video alla volta.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Configura la cartella di salvataggio nelle impostazioni.</translation>
    </message>
</context>
</TS>
