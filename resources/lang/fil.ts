<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil_PH">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>I-uninstall</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Paalala</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Hinahanap ang driver ng device para sa mirroring...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Nire-restart ang iyong computer</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Natukoy ng system na binago ang setting ng driver. Kailangan mong i-restart ang iyong computer para magkabisa ang mga pagbabago. Gusto mo bang mag-restart ngayon?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>Binago ang setting ng driver. Nire-restart ang iyong computer</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>Matagumpay na na-install ang driver! Magsisimula ang screen mirroring kapag tinanggal mo at muling isinaksak ang USB cable!</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Matagumpay na na-uninstall! Kailangan mong i-restart ang iyong computer para magkabisa ang mga pagbabago. Gusto mo bang mag-restart ngayon?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>Hindi mahanap ang driver ng device.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>Nabigo ang pag-uninstall! I-restart ang computer at patakbuhin muli ang pag-uninstall. Gusto mo bang mag-restart ngayon?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Handa nang i-uninstall ang driver ng device...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Ina-uninstall ang driver ng device...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>Tapos na ang pag-uninstall ng driver ng device!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>Nabigo ang pag-uninstall ng driver ng device!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>May % device na nakakonekta sa iyong computer, handa nang i-install ang driver...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Inihahanda ang mga driver ng device...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Nabigo ang paghahanda ng driver...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Ini-install ang mga driver ng device...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d Matagumpay mong na-install ang driver...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Nabigo ang pag-install ng driver...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>Natukoy ng system na naka-on ang &apos;USB debugging&apos;. I-off ito sa Mga Setting ng phone, pagkatapos ay tanggalin at isaksak muli ang phone!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android phone: May % device na nakakonekta sa iyong computer, handa nang i-install ang driver...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Android phone: %d/%d Inihahanda ang mga driver ng device...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Android phone: %d/%d Nabigo ang paghahanda ng driver...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Android phone: %d/%d Ini-install ang mga driver ng device...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Android phone: %d/%d Matagumpay mong na-install ang driver...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Android phone: %d/%d Nabigo ang pag-install ng driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: May % device na nakakonekta sa iyong computer, handa nang i-install ang driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d Inihahanda ang mga driver ng device...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d Nabigo ang paghahanda ng driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d Ini-install ang mga driver ng device...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d Matagumpay mong na-install ang driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d Nabigo ang pag-install ng driver...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>Hindi magawa ang folder ng pag-save:
%1
Pumili ng ibang folder sa mga setting.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Error sa pag-record</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>Matagumpay na na-save ang screenshot!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>Paalala</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>Hindi sinusuportahan ng setting ng graphics card ng iyong computer ang hardware decoding. Para sa pinakamahusay na karanasan, bisitahin ang aming opisyal na website at i-set up ang iyong system ayon sa mga tagubilin!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Bisitahin Ngayon</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>Alerto</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Paalala</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>Nagka-error sa network, pakisubukang muli.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Ilagay ang email</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Ilagay ang numero ng telepono</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Kumonekta sa Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Accessory o </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Nakakonekta</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Hindi nakakonekta</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Buksan ang Settings-&amp;gt;Bluetooth sa iPhone/iPad, pagkatapos ay kumonekta sa&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Dapat discoverable ang Bluetooth ng computer. Kung nagkakaproblema sa pagkonekta, pumunta sa settings ng iyong phone, piliin muna ang &quot;Forget This Device&quot;, pagkatapos ay i-off ang Bluetooth at saka ito i-on muli.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.Kung hindi mo kailangang kontrolin ang iyong phone mula sa computer, i-tap ang &quot;Isara&quot;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Kanselahin</translation>
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
        <translation>Wired na Koneksyon ng iOS Device</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>Wireless na Koneksyon ng iOS Device</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Wired na Koneksyon ng Android Device</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Wireless na Koneksyon ng Android Device</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Ikonekta ang iyong iPhone o iPad sa computer gamit ang charging cable.
Kung lumabas ang alertong &apos;Trust this Computer?&apos;, i-tap ang &apos;Trust&apos;.
2. Awtomatikong ipapakita ng iyong iPhone o iPad ang screen nito sa computer habang nakakonekta ito.
3. Para ihinto ang screen mirroring, tanggalin ang cable.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Siguraduhing nakakonekta ang iyong phone at computer sa iisang Wi-Fi.
2. Buksan ang Control Center sa pag-swipe pataas mula sa ibaba ng screen ng device o pag-swipe pababa mula sa kanang itaas na sulok ng screen (depende sa device at bersyon ng iOS).
3. I-tap ang button na &apos;Screen Mirroring&apos; o &apos;AirPlay&apos;.
4. Piliin ang iyong computer, at lalabas ang screen ng iyong iOS device sa computer.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. I-scan ang QR code sa itaas para i-download at i-install ang application.
2. Pagkatapos ma-install ang application, ikonekta ang iyong phone sa computer gamit ang charging cable.
3. Awtomatikong ipapakita ang screen ng iyong phone sa computer habang nakakonekta ito.
4. Para ihinto ang screen mirroring, tanggalin ang cable.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. I-scan ang QR code sa itaas para i-download at i-install ang application.
2. Siguraduhing nakakonekta ang iyong phone at computer sa iisang Wi-Fi.
3. Piliin ang iyong computer, at lalabas ang screen ng iyong Android device sa computer.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Pag-map ng Key</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Naka-on</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Naka-off</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Bago</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>I-edit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>I-save</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Alisin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Pangalan</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Sensitivity ng Mouse</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Opacity ng Button</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Shortcut ng Shooting Mode</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Pumindot ng key o button ng mouse</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Mga Default na Profile</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>I-reset</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Pumili ng profile</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Ilagay ang pangalan ng profile</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>May mga hindi wastong key sa profile.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>Matagumpay na na-save ang profile!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>Hindi magagamit ang pangalan ng profile bilang pangalan ng file.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>May profile na may ganitong pangalan.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Hindi ma-save ang profile.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Paalala</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>Gusto mo bang burahin ang profile na ito?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>Matagumpay na naalis ang profile!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>Bag</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>Kanselahin ang smart skill</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Smart skill</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>I-rotate ang view</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Mag-right-click para maglakad</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Saklaw ng paningin</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Paglakad gamit ang keyboard</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>I-click</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>Ginagamit na ang key na ito.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Naidagdag na ang ganitong uri ng key.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Control Center ng Maraming Device</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>Kinokontrol...</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
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
        <translation>Mag-sign in / Mag-sign up</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Center ng Maraming Device</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Mga Setting</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: I-cast nang sabay ang screen ng iyong iPhone/ iPad/ Android sa PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Pag-charge Habang Nagmi-mirror: Manood ng mga video at maglaro ng mobile games sa malaking screen nang walang lag, habang chine-charge ang iyong phone.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Mag-record at mag-live stream ng 4K gameplay habang naglalaro ng mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Mag-enjoy sa makinis at napakalinaw na 4K video na may napakataas na framerate na 60-100.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Hanggang 128 device ang puwedeng mag-screen mirror nang sabay-sabay.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Pangalan ng Host:</translation>
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
        <translation>Code sa pag-access:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>Kung may problema ka, makipag-ugnayan sa support. 
(email: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Gabay sa Mabilis na Pagsisimula</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>I-minimize ang Pivora o umalis?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>Kapag naka-minimize, patuloy na tumatanggap ang Pivora ng mga phone sa background.
Kapag umalis, matatapos ang mirroring ng lahat ng phone.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>I-minimize</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Umalis</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Tandaan ang pinili ko</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>Matagumpay na napalitan ang password</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Palitan ang Password</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Bagong Password</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Ilagay ang bagong password</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Palitan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Laki ng Screen (Pinakamainam)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 pataas</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android Device</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Bersyon ng Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Kontrol ng Device</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Wired</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
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
        <translation>Mikropono ng Phone</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Ilalapat ang lahat ng pagbabago sa mga bagong konektadong device.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>Pangkalahatan</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS Device</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android Device</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Pag-record</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Mga Shortcut</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Mga Setting</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ibalik ang Default</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>bersyon: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>I-save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerto</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>Ire-reset ng pagbabalik sa default na mga setting ang lahat ng opsyon. Gusto mo bang magpatuloy?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>Hindi maisulat sa disk ang mga setting. Gagana lang ang mga ito hanggang magsara ang program.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>I-enable</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>I-disable</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Walang napili</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>I-minimize</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>Magtanong Muna</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Umalis</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Anumang phone sa network</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Tanungin ako para sa mga bagong phone</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Mga phone na nagbigay ng code</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Pangkalahatan</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Wika</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>Kapag isinasara ang app</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Sino ang puwedeng mag-mirror</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>Kapag may code, kailangang ibigay ng mga phone ang code na ipinapakita sa home screen.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Mga Driver</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>I-uninstall</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>Mga USB Driver</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Inaalis ang mga USB driver na in-install ng wired mirroring.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerto</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Madidiskonekta ang lahat ng device. Gusto mo bang magpatuloy?</translation>
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
        <translation>Operating System</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processor</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memorya</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 core, %3 thread</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Hindi alam</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (%2 ang magagamit)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>%1 ang bakante sa %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>Walang nakitang graphics adapter</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Hindi available</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>Walang nakakonektang network adapter</translation>
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
        <translation>Laki ng Screen (Pinakamainam)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS Device</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Kontrol ng Device</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>Mga kinakailangan para sa Kontrol ng Device: 
1. Bersyon ng OS: Windows 10 (1803 o mas bago) / macOS (10.13 o mas bago)
2. Bluetooth Adapter: Sumusuporta sa peripheral role ng Bluetooth Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Wired</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
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
        <translation>* Ilalapat ang lahat ng pagbabago sa mga bagong konektadong device.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>Hindi suportado ang kasalukuyang bersyon ng OS.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Walang Bluetooth module o hindi available ang Bluetooth.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Walang Tunog</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Device + Mikropono ng PC</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>I-disable</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 oras</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 oras</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 oras</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 na oras</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Pag-record</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>Mikropono ng PC</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Input Device</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>Pagsubok sa Mikropono ng PC</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Pinagmulan ng Audio</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Haba ng Bawat Bahagi</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Baguhin</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buksan</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Folder ng Pag-save</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Pumili ng folder ng pag-save</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerto</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>Hindi magawa ang folder ng pag-save.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Walang file browser na nakapagbukas ng folder.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Mga Shortcut</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Control Bar</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>I-record</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>I-rotate nang 90</translation>
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
        <translation>I-on/I-off ang Volume</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Laging Nasa Ibabaw</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Kontrol ng Device</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bumalik</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Mga Notification</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Lumipat ng App</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Pag-map ng Key</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Kasalukuyang Bersyon</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Tingnan ang Update</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>Walang available na update</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>I-disable</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Awtomatiko</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>Hardware decoder</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Render Engine</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Ilalapat ang lahat ng pagbabago sa mga bagong konektadong device.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>Paalala</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>Payagan ang %1 na mag-mirror sa PC na ito?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Payagan</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Tanggihan</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Laging payagan</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>I-rotate nang 90°</translation>
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
        <translation>I-pin sa Ibabaw</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>I-minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Itago ang Kontrol ng Device</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Ipakita ang Kontrol ng Device</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Ihinto ang Pag-record</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Simulan ang Pag-record</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Naka-on ang Volume</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Naka-off ang Volume</translation>
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
        <translation>Bumalik</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Mga Notification</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Lumipat ng App</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Pag-map ng Key</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (Pag-capture ng Window)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>I-reset</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Kumpirmahin</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>Itago ang Control Bar</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Ipakita ang Control Bar</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>I-rotate nang 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>I-pin sa Ibabaw</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Lumabas sa Full Screen</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>I-crop</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Pag-map ng Key</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Isara</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>Alerto</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>Tumatakbo na ang application...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Isara muna ang sumusunod na application/process bago buksan ang Pivora.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Suriin ang network at i-restart ang app.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Para patuloy na magamit ang program na ito, kailangan mong i-install ang pinakabagong update.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Bagong Bersyon</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>I-update</translation>
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
        <translation>Mag-sign in</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Mag-sign up</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Mag-sign in gamit ang</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Mag-sign in gamit ang WeChat</translation>
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
        <translation>Ilagay ang password</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Awtomatikong Mag-sign in</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Nakalimutan ang Password?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Mag-sign in</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Mag-sign in gamit ang password</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Mag-sign in gamit ang SMS code</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Pakibasa ang Mga Tuntunin ng Serbisyo at lagyan ng check para sumang-ayon</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Ilagay ang password</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>Nabasa ko at sumasang-ayon ako sa </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>Mga Tuntunin ng Serbisyo</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Mag-sign up</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Mag-sign out</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>I-refresh</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Ipadala ang Code</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Ilagay ang captcha</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Ilagay ang verification code</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>I-click para mag-load ng ibang larawan</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Error sa pagsulat ng file.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>Kulang ang storage space.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>Hindi puwedeng mag-record ng higit sa isang video nang sabay.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Itakda ang lokasyon ng pag-save sa mga setting.</translation>
    </message>
</context>
</TS>
