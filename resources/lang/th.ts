<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>ถอนการติดตั้ง</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่ใช่</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>กำลังตรวจหาไดรเวอร์อุปกรณ์สำหรับการสะท้อนหน้าจอ…</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>กำลังรีสตาร์ทคอมพิวเตอร์</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>ระบบตรวจพบว่ามีการเปลี่ยนแปลงการตั้งค่าไดรเวอร์ คุณต้องรีสตาร์ทคอมพิวเตอร์เพื่อให้การเปลี่ยนแปลงมีผล ต้องการรีสตาร์ทตอนนี้หรือไม่</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>มีการเปลี่ยนแปลงการตั้งค่าไดรเวอร์ กำลังรีสตาร์ทคอมพิวเตอร์</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>ติดตั้งไดรเวอร์สำเร็จแล้ว! ถอดสาย USB แล้วเสียบกลับเข้าไปใหม่เพื่อเริ่มการสะท้อนหน้าจอ!</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>ถอนการติดตั้งสำเร็จแล้ว! คุณต้องรีสตาร์ทคอมพิวเตอร์เพื่อให้การเปลี่ยนแปลงมีผล ต้องการรีสตาร์ทตอนนี้หรือไม่</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>ไม่พบไดรเวอร์อุปกรณ์</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>ถอนการติดตั้งไม่สำเร็จ! โปรดรีสตาร์ทคอมพิวเตอร์แล้วถอนการติดตั้งอีกครั้ง ต้องการรีสตาร์ทตอนนี้หรือไม่</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>กำลังเตรียมถอนการติดตั้งไดรเวอร์อุปกรณ์…</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>กำลังถอนการติดตั้งไดรเวอร์อุปกรณ์…</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>ถอนการติดตั้งไดรเวอร์อุปกรณ์เสร็จสมบูรณ์!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>ถอนการติดตั้งไดรเวอร์อุปกรณ์ไม่สำเร็จ!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>มีอุปกรณ์ % เครื่องเชื่อมต่อกับคอมพิวเตอร์ของคุณ กำลังเตรียมติดตั้งไดรเวอร์…</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d กำลังเตรียมไดรเวอร์อุปกรณ์…</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d เตรียมไดรเวอร์ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d กำลังติดตั้งไดรเวอร์อุปกรณ์…</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d ติดตั้งไดรเวอร์สำเร็จแล้ว</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d ติดตั้งไดรเวอร์ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>ระบบตรวจพบว่าเปิดฟังก์ชัน &quot;การแก้ไขข้อบกพร่อง USB&quot; อยู่ โปรดปิดในการตั้งค่า แล้วถอดและเสียบโทรศัพท์ใหม่อีกครั้ง!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>โทรศัพท์ Android: มีอุปกรณ์ % เครื่องเชื่อมต่อกับคอมพิวเตอร์ของคุณ กำลังเตรียมติดตั้งไดรเวอร์…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>โทรศัพท์ Android: %d/%d กำลังเตรียมไดรเวอร์อุปกรณ์…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>โทรศัพท์ Android: %d/%d เตรียมไดรเวอร์ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>โทรศัพท์ Android: %d/%d กำลังติดตั้งไดรเวอร์อุปกรณ์…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>โทรศัพท์ Android: %d/%d ติดตั้งไดรเวอร์สำเร็จแล้ว</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>โทรศัพท์ Android: %d/%d ติดตั้งไดรเวอร์ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: มีอุปกรณ์ % เครื่องเชื่อมต่อกับคอมพิวเตอร์ของคุณ กำลังเตรียมติดตั้งไดรเวอร์…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d กำลังเตรียมไดรเวอร์อุปกรณ์…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d เตรียมไดรเวอร์ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d กำลังติดตั้งไดรเวอร์อุปกรณ์…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d ติดตั้งไดรเวอร์สำเร็จแล้ว</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d ติดตั้งไดรเวอร์ไม่สำเร็จ</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>ไม่สามารถสร้างโฟลเดอร์สำหรับบันทึกได้:
%1
โปรดเลือกโฟลเดอร์อื่นในการตั้งค่า</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>เกิดข้อผิดพลาดในการบันทึก</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>บันทึกภาพหน้าจอเรียบร้อยแล้ว!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>คำแนะนำ</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>การตั้งค่าการ์ดจอของคอมพิวเตอร์คุณไม่รองรับการถอดรหัสด้วยฮาร์ดแวร์ เพื่อประสบการณ์การใช้งานที่ดีที่สุด โปรดไปที่เว็บไซต์ทางการของเราและตั้งค่าระบบตามคำแนะนำ!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>ไปที่เว็บไซต์</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>แจ้งให้ทราบ</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>เครือข่ายขัดข้อง โปรดลองอีกครั้ง</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>โปรดป้อนอีเมล</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>โปรดป้อนหมายเลขโทรศัพท์</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>อีเมล</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>โทรศัพท์</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>เชื่อมต่อ Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>อุปกรณ์เสริม หรือ </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>เชื่อมต่อแล้ว</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>ไม่ได้เชื่อมต่อ</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.เปิด &quot;การตั้งค่า&quot;-&amp;gt;&quot;Bluetooth&quot; บน iPhone/iPad แล้วเชื่อมต่อกับ&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.ต้องตั้งค่า Bluetooth ของคอมพิวเตอร์ให้อุปกรณ์อื่นค้นพบได้ หากเชื่อมต่อไม่ได้ ให้ไปที่การตั้งค่าของโทรศัพท์ แล้วเลือก &quot;ลืมอุปกรณ์นี้&quot; ก่อน จากนั้นปิด Bluetooth แล้วเปิด Bluetooth อีกครั้ง&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.หากไม่ต้องการควบคุมโทรศัพท์จากคอมพิวเตอร์ โปรดคลิก &quot;ปิด&quot;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
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
        <translation>การเชื่อมต่ออุปกรณ์ iOS แบบใช้สาย</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>การเชื่อมต่ออุปกรณ์ iOS แบบไร้สาย</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>การเชื่อมต่ออุปกรณ์ Android แบบใช้สาย</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>การเชื่อมต่ออุปกรณ์ Android แบบไร้สาย</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. เชื่อมต่อ iPhone หรือ iPad เข้ากับคอมพิวเตอร์ด้วยสายชาร์จ
หากมีข้อความ &apos;เชื่อถือคอมพิวเตอร์นี้หรือไม่&apos; ปรากฏขึ้น โปรดแตะ &apos;เชื่อถือ&apos;
2. ขณะเชื่อมต่ออยู่ iPhone หรือ iPad จะสะท้อนหน้าจอไปยังคอมพิวเตอร์โดยอัตโนมัติ
3. ถอดสายออกเพื่อหยุดการสะท้อนหน้าจอ</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. ตรวจสอบว่าโทรศัพท์และคอมพิวเตอร์เชื่อมต่อกับ Wi-Fi เดียวกัน
2. เปิดศูนย์ควบคุมโดยปัดขึ้นจากขอบล่างของหน้าจอ หรือปัดลงจากมุมขวาบนของหน้าจอ (แตกต่างกันไปตามอุปกรณ์และเวอร์ชัน iOS)
3. แตะปุ่ม &apos;การสะท้อนภาพหน้าจอ&apos; หรือ &apos;AirPlay&apos;
4. เลือกคอมพิวเตอร์ของคุณ แล้วหน้าจอ iOS จะแสดงบนคอมพิวเตอร์</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. สแกนคิวอาร์โค้ดด้านบนเพื่อดาวน์โหลดและติดตั้งแอป
2. หลังจากติดตั้งแอปแล้ว ให้เชื่อมต่อโทรศัพท์เข้ากับคอมพิวเตอร์ด้วยสายชาร์จ
3. ขณะเชื่อมต่ออยู่ โทรศัพท์จะสะท้อนหน้าจอไปยังคอมพิวเตอร์โดยอัตโนมัติ
4. ถอดสายออกเพื่อหยุดการสะท้อนหน้าจอ</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. สแกนคิวอาร์โค้ดด้านบนเพื่อดาวน์โหลดและติดตั้งแอป
2. ตรวจสอบว่าโทรศัพท์และคอมพิวเตอร์เชื่อมต่อกับ Wi-Fi เดียวกัน
3. เลือกคอมพิวเตอร์ของคุณ แล้วหน้าจอ Android จะแสดงบนคอมพิวเตอร์</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>การแมปปุ่ม</translation>
    </message>
    <message>
        <source>On</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>New</source>
        <translation>สร้างใหม่</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>แก้ไข</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>ความไวเมาส์</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>ความทึบของปุ่ม</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>ปุ่มลัดโหมดยิง</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>กดปุ่มคีย์บอร์ดหรือปุ่มเมาส์</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>โปรไฟล์เริ่มต้น</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>โปรดเลือกโปรไฟล์</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>โปรดป้อนชื่อโปรไฟล์</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>มีปุ่มที่ไม่ถูกต้องในโปรไฟล์</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>บันทึกโปรไฟล์เรียบร้อยแล้ว!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>ไม่สามารถใช้ชื่อโปรไฟล์นี้เป็นชื่อไฟล์ได้</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>มีโปรไฟล์ชื่อนี้อยู่แล้ว</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>ไม่สามารถบันทึกโปรไฟล์ได้</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>คุณต้องการลบโปรไฟล์นี้หรือไม่</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>ลบโปรไฟล์เรียบร้อยแล้ว!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>กระเป๋า</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>ยกเลิกสมาร์ทแคสต์</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>สมาร์ทแคสต์</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>หมุนมุมมอง</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>คลิกขวาเพื่อเดิน</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>มุมมอง</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>เดินด้วยคีย์บอร์ด</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>คลิก</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>ปุ่มนี้ถูกใช้งานแล้ว</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>เพิ่มปุ่มประเภทนี้แล้ว</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>ศูนย์ควบคุมหลายอุปกรณ์</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>กำลังควบคุม…</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>อุปกรณ์</translation>
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
        <translation>ลงชื่อเข้าใช้ / สมัครสมาชิก</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>ศูนย์หลายอุปกรณ์</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. เสียบแล้วใช้ได้ทันที: สะท้อนหน้าจอ iPhone/ iPad/ Android ไปยังพีซีได้แบบเรียลไทม์&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. ชาร์จไปพร้อมกับสะท้อนหน้าจอ: ดูวิดีโอและเล่นเกมมือถือบนจอใหญ่ได้อย่างลื่นไหลไม่สะดุด พร้อมชาร์จโทรศัพท์ไปในตัว&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. บันทึกและไลฟ์สตรีมเกมเพลย์ระดับ 4K ขณะเล่นเกมมือถือ&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. เพลิดเพลินกับภาพวิดีโอคมชัดระดับ 4K ที่ลื่นไหล ด้วยอัตราเฟรมสูงพิเศษ 60-100&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. สะท้อนหน้าจอได้พร้อมกันสูงสุด 128 อุปกรณ์&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>ชื่อโฮสต์:</translation>
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
        <translation>รหัสเข้าถึง:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>หากพบปัญหาใดๆ โปรดติดต่อฝ่ายสนับสนุน
(อีเมล: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>คู่มือเริ่มต้นใช้งาน</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>หน้าหลัก</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>ย่อ Pivora หรือออกจากโปรแกรม</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>เมื่อย่อหน้าต่าง Pivora จะยังคงรับหน้าจอจากโทรศัพท์ในเบื้องหลัง
การออกจากโปรแกรมจะหยุดการสะท้อนหน้าจอของโทรศัพท์ทุกเครื่อง</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>ย่อ</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>จดจำตัวเลือกของฉัน</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>เปลี่ยนรหัสผ่านสำเร็จ</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>เปลี่ยนรหัสผ่าน</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>รหัสผ่านใหม่</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>โปรดป้อนรหัสผ่านใหม่</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>เปลี่ยน</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>ขนาดหน้าจอ (ดีที่สุด)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 ขึ้นไป</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>อุปกรณ์ Android</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>เวอร์ชัน Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>ควบคุมอุปกรณ์</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>ใช้สาย</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>ความละเอียด</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>บิตเรต</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>ไมโครโฟนโทรศัพท์</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>ไร้สาย</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* การเปลี่ยนแปลงทั้งหมดจะมีผลกับอุปกรณ์ที่เชื่อมต่อใหม่</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>อุปกรณ์ iOS</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>อุปกรณ์ Android</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>วิดีโอ</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>การบันทึก</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>ฮาร์ดแวร์</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ปุ่มลัด</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>เวอร์ชัน: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>การคืนค่าเริ่มต้นจะรีเซ็ตตัวเลือกทั้งหมด คุณต้องการดำเนินการต่อหรือไม่</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>ไม่สามารถบันทึกการตั้งค่าลงดิสก์ได้ การตั้งค่าจะมีผลจนกว่าจะปิดโปรแกรม</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>เปิดใช้</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>ปิดใช้</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>ไม่ได้เลือก</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>ย่อ</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>ถามก่อน</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>โทรศัพท์ทุกเครื่องในเครือข่าย</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>ถามฉันเมื่อมีโทรศัพท์เครื่องใหม่</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>โทรศัพท์ที่ป้อนรหัส</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>เมื่อปิดแอป</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>ผู้ที่สะท้อนหน้าจอได้</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>หากใช้รหัส โทรศัพท์ต้องป้อนรหัสที่แสดงอยู่บนหน้าหลัก</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>ไดรเวอร์</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>ถอนการติดตั้ง</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>ไดรเวอร์ USB</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>ลบไดรเวอร์ USB ที่ติดตั้งไว้สำหรับการสะท้อนหน้าจอแบบใช้สาย</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>อุปกรณ์ทั้งหมดจะถูกตัดการเชื่อมต่อ คุณต้องการดำเนินการต่อหรือไม่</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>ฮาร์ดแวร์</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>ระบบปฏิบัติการ</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>โปรเซสเซอร์</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>หน่วยความจำ</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>พื้นที่จัดเก็บ</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>กราฟิก</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>เครือข่าย</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 คอร์, %3 เธรด</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (ใช้ได้ %2)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>ว่าง %1 จาก %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>ไม่พบการ์ดแสดงผล</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>ไม่พร้อมใช้งาน</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>ไม่มีอะแดปเตอร์เครือข่ายที่เชื่อมต่ออยู่</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>อีเทอร์เน็ต</translation>
    </message>
</context>
<context>
    <name>QOptionsIOSDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>ขนาดหน้าจอ (ดีที่สุด)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>อุปกรณ์ iOS</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>ควบคุมอุปกรณ์</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>ข้อกำหนดสำหรับการควบคุมอุปกรณ์:
1. เวอร์ชันระบบปฏิบัติการ: Windows 10 (1803 ขึ้นไป) / macOS (10.13 ขึ้นไป)
2. อะแดปเตอร์ Bluetooth: รองรับบทบาทอุปกรณ์ต่อพ่วง (Peripheral) แบบ Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>ใช้สาย</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>ความละเอียด</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>ไร้สาย</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* การเปลี่ยนแปลงทั้งหมดจะมีผลกับอุปกรณ์ที่เชื่อมต่อใหม่</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>ไม่รองรับระบบปฏิบัติการเวอร์ชันปัจจุบัน</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>ไม่มีโมดูล Bluetooth หรือ Bluetooth ไม่พร้อมใช้งาน</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>ไม่มีเสียง</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>อุปกรณ์</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>อุปกรณ์ + ไมโครโฟนพีซี</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>ปิดใช้</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 ชม.</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 ชม.</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 ชม.</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 ชม.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>การบันทึก</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>ไมโครโฟนพีซี</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>อุปกรณ์อินพุต</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>ทดสอบไมโครโฟนพีซี</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>แหล่งเสียง</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>ระยะเวลาแบ่งไฟล์</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>เปลี่ยน</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>โฟลเดอร์บันทึก</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>โปรดเลือกโฟลเดอร์บันทึก</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>ไม่สามารถสร้างโฟลเดอร์บันทึกได้</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>ไม่มีโปรแกรมจัดการไฟล์ที่เปิดโฟลเดอร์นี้ได้</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>ปุ่มลัด</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>แถบควบคุม</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>บันทึกวิดีโอ</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>หมุน 90°</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>ภาพหน้าจอ</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>เปิด/ปิดเสียง</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>อยู่ด้านบนเสมอ</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>เต็มหน้าจอ</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>ควบคุมอุปกรณ์</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ปุ่มโฮม</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>แถบการแจ้งเตือน</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>สลับแอป</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>ปุ่มเปิด/ปิด</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>การแมปปุ่ม</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>เวอร์ชันปัจจุบัน</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>ตรวจหาการอัปเดต</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>ไม่มีการอัปเดต</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>ปิดใช้</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>อัตโนมัติ</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>วิดีโอ</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>ตัวถอดรหัสฮาร์ดแวร์</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>เอนจินเรนเดอร์</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* การเปลี่ยนแปลงทั้งหมดจะมีผลกับอุปกรณ์ที่เชื่อมต่อใหม่</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>อนุญาตให้ %1 สะท้อนหน้าจอมายังพีซีเครื่องนี้หรือไม่</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>อนุญาต</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>ปฏิเสธ</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>อนุญาตเสมอ</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>หมุน 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>ถ่ายภาพหน้าจอ</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>ปักหมุดไว้ด้านบน</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>เต็มหน้าจอ</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>ย่อ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>ซ่อนการควบคุมอุปกรณ์</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>แสดงการควบคุมอุปกรณ์</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>หยุดบันทึก</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>เริ่มบันทึก</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>เสียงเปิดอยู่</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>เสียงปิดอยู่</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>ปุ่มโฮม</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>แถบการแจ้งเตือน</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>สลับแอป</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>ปุ่มเปิด/ปิด</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>การแมปปุ่ม</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (จับภาพหน้าต่าง)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>ยืนยัน</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>ซ่อนแถบควบคุม</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>แสดงแถบควบคุม</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>หมุน 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>ปักหมุดไว้ด้านบน</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>ออกจากโหมดเต็มหน้าจอ</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>เต็มหน้าจอ</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>ครอบตัด</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>การแมปปุ่ม</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>แจ้งเตือน</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>แอปพลิเคชันกำลังทำงานอยู่…</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>โปรดปิดแอปพลิเคชัน/โปรเซสต่อไปนี้ก่อนเปิด Pivora</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>โปรดตรวจสอบเครือข่ายแล้วเปิดแอปใหม่อีกครั้ง</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>หากต้องการใช้โปรแกรมนี้ต่อ คุณต้องอัปเดตเป็นเวอร์ชันล่าสุด</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>เวอร์ชันใหม่</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>อัปเดต</translation>
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
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>สมัครสมาชิก</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>ลงชื่อเข้าใช้ด้วยวิธีอื่น</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>ลงชื่อเข้าใช้ด้วย WeChat</translation>
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
        <translation>โปรดป้อนรหัสผ่าน</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>ลงชื่อเข้าใช้อัตโนมัติ</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>ลืมรหัสผ่าน?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>ลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>ลงชื่อเข้าใช้ด้วยรหัสผ่าน</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>ลงชื่อเข้าใช้ด้วยรหัส SMS</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>โปรดอ่านข้อกำหนดในการให้บริการและทำเครื่องหมายยอมรับ</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>โปรดป้อนรหัสผ่าน</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>ฉันได้อ่านและยอมรับ </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>ข้อกำหนดในการให้บริการ</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>สมัครสมาชิก</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>ออกจากระบบ</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>รีเฟรช</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>ส่งรหัส</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>โปรดป้อนตัวอักษรในภาพ</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>โปรดป้อนรหัสยืนยัน</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>คลิกเพื่อโหลดภาพใหม่</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>เกิดข้อผิดพลาดในการเขียนไฟล์</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>พื้นที่จัดเก็บไม่เพียงพอ</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>ไม่สามารถบันทึกวิดีโอมากกว่าหนึ่งรายการพร้อมกันได้</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>โปรดกำหนดตำแหน่งบันทึกในการตั้งค่า</translation>
    </message>
</context>
</TS>
