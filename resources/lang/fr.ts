<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Détection du pilote de périphérique pour la duplication...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Redémarrage de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Le système a détecté une modification des paramètres du pilote. Vous devez redémarrer votre ordinateur pour que les modifications prennent effet. Voulez-vous redémarrer maintenant ?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>Les paramètres du pilote ont été modifiés. Redémarrage de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>Le pilote a été installé ! La duplication d&apos;écran démarrera dès que vous aurez débranché puis rebranché le câble USB.</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Désinstallation réussie ! Vous devez redémarrer votre ordinateur pour que les modifications prennent effet. Voulez-vous redémarrer maintenant ?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>Pilote de périphérique introuvable.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>Échec de la désinstallation ! Redémarrez l&apos;ordinateur, puis relancez la désinstallation. Voulez-vous redémarrer maintenant ?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Pilote de périphérique prêt à être désinstallé...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Désinstallation du pilote de périphérique...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>Désinstallation du pilote de périphérique terminée !</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>Échec de la désinstallation du pilote de périphérique !</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>% appareils sont connectés à votre ordinateur. Prêt pour l&apos;installation du pilote...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Préparation des pilotes de périphérique...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Échec de la préparation du pilote...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Installation des pilotes de périphérique...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d Pilote installé avec succès...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Échec de l&apos;installation du pilote...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>Le système a détecté que le « Débogage USB » est activé. Désactivez-le dans les Paramètres, puis rebranchez le téléphone !</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Téléphone Android : % appareils sont connectés à votre ordinateur. Prêt pour l&apos;installation du pilote...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Téléphone Android : %d/%d Préparation des pilotes de périphérique...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Téléphone Android : %d/%d Échec de la préparation du pilote...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Téléphone Android : %d/%d Installation des pilotes de périphérique...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Téléphone Android : %d/%d Pilote installé avec succès...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Téléphone Android : %d/%d Échec de l&apos;installation du pilote...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast : % appareils sont connectés à votre ordinateur. Prêt pour l&apos;installation du pilote...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast : %d/%d Préparation des pilotes de périphérique...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast : %d/%d Échec de la préparation du pilote...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast : %d/%d Installation des pilotes de périphérique...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast : %d/%d Pilote installé avec succès...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast : %d/%d Échec de l&apos;installation du pilote...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>Impossible de créer le dossier d&apos;enregistrement :
%1
Veuillez choisir un autre dossier dans les paramètres.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>Capture d&apos;écran enregistrée !</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>Les paramètres de la carte graphique de votre ordinateur ne prennent pas en charge le décodage matériel. Pour profiter d&apos;une expérience optimale, consultez notre site officiel et configurez votre système en suivant les instructions !</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Consulter le site</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>Erreur réseau, veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Veuillez saisir votre numéro de téléphone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Connexion Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Accessoire ou </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1. Sur l&apos;iPhone/iPad, ouvrez Réglages-&amp;gt;Bluetooth, puis connectez-vous à&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2. Le Bluetooth de l&apos;ordinateur doit être visible. En cas de problème de connexion, ouvrez les réglages de votre téléphone, touchez d&apos;abord « Oublier cet appareil », puis désactivez et réactivez le Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3. Si vous n&apos;avez pas besoin de contrôler votre téléphone depuis l&apos;ordinateur, cliquez sur « Fermer ».&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Annuler</translation>
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
        <translation>Connexion filaire d&apos;un appareil iOS</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>Connexion sans fil d&apos;un appareil iOS</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Connexion filaire d&apos;un appareil Android</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Connexion sans fil d&apos;un appareil Android</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Connectez votre iPhone ou iPad à l&apos;ordinateur à l&apos;aide du câble de charge.
Si le message « Se fier à cet ordinateur ? » s&apos;affiche, touchez « Se fier ».
2. Tant qu&apos;il est connecté, l&apos;écran de votre iPhone ou iPad est automatiquement dupliqué sur l&apos;ordinateur.
3. Pour arrêter la duplication d&apos;écran, débranchez le câble.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Assurez-vous que votre téléphone et votre ordinateur sont connectés au même réseau Wi-Fi.
2. Ouvrez le Centre de contrôle en balayant l&apos;écran vers le haut depuis le bas, ou vers le bas depuis le coin supérieur droit (selon l&apos;appareil et la version d&apos;iOS).
3. Touchez le bouton « Recopie de l&apos;écran » ou « AirPlay ».
4. Sélectionnez votre ordinateur : l&apos;écran de votre appareil iOS s&apos;affiche alors sur l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Scannez le QR code ci-dessus pour télécharger et installer l&apos;application.
2. Une fois l&apos;application installée, connectez votre téléphone à l&apos;ordinateur à l&apos;aide du câble de charge.
3. Tant qu&apos;il est connecté, l&apos;écran de votre téléphone est automatiquement dupliqué sur l&apos;ordinateur.
4. Pour arrêter la duplication d&apos;écran, débranchez le câble.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. Scannez le QR code ci-dessus pour télécharger et installer l&apos;application.
2. Assurez-vous que votre téléphone et votre ordinateur sont connectés au même réseau Wi-Fi.
3. Sélectionnez votre ordinateur : l&apos;écran de votre appareil Android s&apos;affiche alors sur l&apos;ordinateur.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Mappage des touches</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Sensibilité de la souris</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Opacité des boutons</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Raccourci du mode tir</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Appuyez sur une touche ou un bouton de la souris</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Profils par défaut</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Veuillez sélectionner un profil</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Veuillez saisir un nom de profil</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>Le profil contient des touches non valides.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>Profil enregistré !</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>Ce nom de profil ne peut pas être utilisé comme nom de fichier.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Un profil portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le profil.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>Voulez-vous supprimer ce profil ?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>Profil supprimé !</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>Sac à dos</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>Annuler le sort intelligent</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Sort intelligent</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>Faire pivoter la vue</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Clic droit pour marcher</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Champ de vision</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Déplacement au clavier</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>Cette touche est déjà utilisée.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Ce type de touche a déjà été ajouté.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Centre de contrôle multi-appareils</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>Contrôle en cours...</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
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
        <translation>Connexion / Inscription</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Centre multi-appareils</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play : diffusez en temps réel l&apos;écran de votre iPhone/iPad/appareil Android sur votre PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Recharge pendant la duplication : regardez des vidéos et jouez à vos jeux mobiles sur grand écran sans latence, tout en rechargeant votre téléphone.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Enregistrez et diffusez en direct vos parties en 4K pendant que vous jouez à vos jeux mobiles.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Profitez d&apos;une qualité vidéo 4K fluide et ultra-nette avec une fréquence d&apos;images très élevée de 60-100 FPS.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Jusqu&apos;à 128 appareils peuvent dupliquer leur écran simultanément.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Nom d&apos;hôte :</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>Wi-Fi :</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Code d&apos;accès :</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>En cas de problème, veuillez contacter l&apos;assistance.
(e-mail : support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guide de démarrage rapide</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Réduire Pivora ou quitter ?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>Une fois réduit, Pivora continue de recevoir les téléphones en arrière-plan.
Quitter met fin à la duplication de tous les téléphones.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Mémoriser mon choix</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>Mot de passe modifié avec succès.</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Veuillez saisir le nouveau mot de passe</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Taille de l&apos;écran (optimale)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 et versions ultérieures</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Appareil Android</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Version d&apos;Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Contrôler l&apos;appareil</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Filaire</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit binaire</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>Micro du téléphone</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Les modifications s&apos;appliqueront aux appareils connectés par la suite.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Appareil iOS</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Appareil Android</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurer les valeurs par défaut</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>version : </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>La restauration des paramètres par défaut réinitialisera toutes les options. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>Impossible d&apos;enregistrer les paramètres sur le disque. Ils restent valables jusqu&apos;à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non sélectionné</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Tout téléphone du réseau</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Me demander pour les nouveaux téléphones</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Téléphones qui saisissent le code</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>À la fermeture de l&apos;application</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Qui peut dupliquer son écran</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>Avec le code, les téléphones doivent saisir le code affiché sur l&apos;écran d&apos;accueil.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Pilotes</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>Pilotes USB</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Supprime les pilotes USB installés pour la duplication filaire.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Tous les appareils seront déconnectés. Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Système d&apos;exploitation</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processeur</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Carte graphique</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 cœurs, %3 threads</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (%2 disponibles)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>%1 libres sur %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>Aucune carte graphique détectée</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Non disponible</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>Aucune carte réseau connectée</translation>
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
        <translation>Taille de l&apos;écran (optimale)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Appareil iOS</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Contrôler l&apos;appareil</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>Configuration requise pour contrôler l&apos;appareil :
1. Système d&apos;exploitation : Windows 10 (1803 ou ultérieure) / macOS (10.13 ou ultérieure)
2. Adaptateur Bluetooth : prise en charge du rôle périphérique Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Filaire</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Les modifications s&apos;appliqueront aux appareils connectés par la suite.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>La version actuelle du système d&apos;exploitation n&apos;est pas prise en charge.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Aucun module Bluetooth ou Bluetooth indisponible.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Appareil + micro du PC</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
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
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>Micro du PC</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Périphérique d&apos;entrée</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>Test du micro du PC</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Source audio</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Durée de découpage</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Veuillez sélectionner le dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>Impossible de créer le dossier d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a pu ouvrir le dossier.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Barre de contrôle</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>Rotation de 90°</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>Son activé/désactivé</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Contrôler l&apos;appareil</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Changer d&apos;application</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Mappage des touches</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Version actuelle</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>Aucune mise à jour disponible</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>Décodeur matériel</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Moteur de rendu</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Les modifications s&apos;appliqueront aux appareils connectés par la suite.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>Autoriser %1 à dupliquer son écran sur ce PC ?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Toujours autoriser</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>Rotation de 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Masquer le contrôle de l&apos;appareil</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Afficher le contrôle de l&apos;appareil</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Son coupé</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Changer d&apos;application</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Mappage des touches</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (capture de fenêtre)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>Masquer la barre de contrôle</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Afficher la barre de contrôle</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Rotation de 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Mappage des touches</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Veuillez fermer l&apos;application/le processus suivant avant de lancer Pivora.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Veuillez vérifier le réseau et redémarrer l&apos;application.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Pour continuer à utiliser ce programme, vous devez installer la dernière mise à jour.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
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
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Inscription</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Se connecter avec</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Se connecter avec WeChat</translation>
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
        <translation>Veuillez saisir le mot de passe</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Connexion automatique</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Se connecter avec un mot de passe</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Se connecter avec un code de vérification</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Veuillez lire les conditions d&apos;utilisation et cocher la case pour les accepter.</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Veuillez saisir le mot de passe</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>J&apos;ai lu et j&apos;accepte les </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>conditions d&apos;utilisation</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>S&apos;inscrire</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Se déconnecter</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Envoyer le code</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Veuillez saisir le captcha</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Veuillez saisir le code de vérification</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>Cliquez pour charger une autre image</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Erreur d&apos;écriture du fichier.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>Espace de stockage insuffisant.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>Impossible d&apos;enregistrer plusieurs vidéos en même temps.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Veuillez définir le dossier d&apos;enregistrement dans les paramètres.</translation>
    </message>
</context>
</TS>
