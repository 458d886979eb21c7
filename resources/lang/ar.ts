<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>جارٍ التحقق من برنامج تشغيل جهاز انعكاس الشاشة...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>جارٍ إعادة تشغيل الكمبيوتر</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>اكتشف النظام أن إعدادات برنامج التشغيل قد تغيّرت. يجب إعادة تشغيل الكمبيوتر لتصبح التغييرات سارية. هل تريد إعادة التشغيل الآن؟</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>تم تغيير إعدادات برنامج التشغيل. جارٍ إعادة تشغيل الكمبيوتر</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>تم تثبيت برنامج التشغيل بنجاح! سيبدأ انعكاس الشاشة بعد فصل كابل USB وتوصيله مجددًا!</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>تم إلغاء التثبيت بنجاح! يجب إعادة تشغيل الكمبيوتر لتصبح التغييرات سارية. هل تريد إعادة التشغيل الآن؟</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>تعذّر العثور على برنامج تشغيل الجهاز.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>فشل إلغاء التثبيت! يُرجى إعادة تشغيل الكمبيوتر ثم تنفيذ إلغاء التثبيت مرة أخرى. هل تريد إعادة التشغيل الآن؟</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>برنامج تشغيل الجهاز جاهز لإلغاء التثبيت...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>جارٍ إلغاء تثبيت برنامج تشغيل الجهاز...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>اكتمل إلغاء تثبيت برنامج تشغيل الجهاز!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>فشل إلغاء تثبيت برنامج تشغيل الجهاز!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>يوجد % من الأجهزة المتصلة بالكمبيوتر، وكل شيء جاهز لتثبيت برنامج التشغيل...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d جارٍ تجهيز برامج تشغيل الجهاز...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d فشل تجهيز برنامج التشغيل...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d جارٍ تثبيت برامج تشغيل الجهاز...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d تم تثبيت برنامج التشغيل بنجاح...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d فشل تثبيت برنامج التشغيل...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>اكتشف النظام أن ميزة «تصحيح أخطاء USB» مفعّلة. يُرجى إيقافها من الإعدادات ثم فصل الهاتف وتوصيله مجددًا!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>هاتف Android: يوجد % من الأجهزة المتصلة بالكمبيوتر، وكل شيء جاهز لتثبيت برنامج التشغيل...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>هاتف Android: %d/%d جارٍ تجهيز برامج تشغيل الجهاز...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>هاتف Android: %d/%d فشل تجهيز برنامج التشغيل...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>هاتف Android: %d/%d جارٍ تثبيت برامج تشغيل الجهاز...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>هاتف Android: %d/%d تم تثبيت برنامج التشغيل بنجاح...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>هاتف Android: %d/%d فشل تثبيت برنامج التشغيل...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: يوجد % من الأجهزة المتصلة بالكمبيوتر، وكل شيء جاهز لتثبيت برنامج التشغيل...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d جارٍ تجهيز برامج تشغيل الجهاز...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d فشل تجهيز برنامج التشغيل...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d جارٍ تثبيت برامج تشغيل الجهاز...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d تم تثبيت برنامج التشغيل بنجاح...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d فشل تثبيت برنامج التشغيل...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>تعذّر إنشاء مجلد الحفظ:
%1
يُرجى اختيار مجلد آخر من الإعدادات.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>خطأ في التسجيل</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>تم حفظ لقطة الشاشة بنجاح!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>إعدادات بطاقة الرسومات في الكمبيوتر لا تدعم فك الترميز بالعتاد. للحصول على أفضل تجربة، يُرجى زيارة موقعنا الرسمي وإعداد النظام وفق التعليمات!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>زيارة الآن</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>خطأ في الشبكة، يُرجى المحاولة مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>يُرجى إدخال البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>يُرجى إدخال رقم الهاتف</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>الهاتف</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>الاتصال عبر Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>ملحق أو </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>متصل</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>غير متصل</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p dir=&quot;rtl&quot;&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.افتح الإعدادات-&amp;gt;Bluetooth على iPhone/iPad، ثم اتصل بالجهاز التالي:&lt;/span&gt;&lt;/p&gt;&lt;p dir=&quot;rtl&quot; align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p dir=&quot;rtl&quot;&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.يجب أن يكون Bluetooth الكمبيوتر قابلاً للاكتشاف. إذا واجهت مشكلة أثناء الاتصال، فانتقل إلى إعدادات الهاتف واختر أولاً «نسيان هذا الجهاز»، ثم أوقف تشغيل Bluetooth وأعد تشغيله.&lt;/span&gt;&lt;/p&gt;&lt;p dir=&quot;rtl&quot;&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.إذا لم تكن بحاجة إلى التحكم في هاتفك من الكمبيوتر، فيُرجى النقر على «إغلاق».&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QGuideWidget</name>
    <message>
        <source>iOS Device Wired Connection</source>
        <translation>الاتصال السلكي لجهاز iOS</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>الاتصال اللاسلكي لجهاز iOS</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>الاتصال السلكي لجهاز Android</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>الاتصال اللاسلكي لجهاز Android</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. وصّل iPhone أو iPad بالكمبيوتر باستخدام كابل الشحن.
إذا ظهر تنبيه «هل تثق بهذا الكمبيوتر؟»، فاضغط على «ثقة».
2. سيعكس iPhone أو iPad شاشته على الكمبيوتر تلقائيًا طوال مدة الاتصال.
3. لإيقاف انعكاس الشاشة، افصل الكابل.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. تأكد من اتصال الهاتف والكمبيوتر بشبكة Wi-Fi نفسها.
2. افتح مركز التحكم بالسحب لأعلى من أسفل شاشة الجهاز أو بالسحب لأسفل من الزاوية العلوية اليمنى للشاشة (يختلف ذلك حسب الجهاز وإصدار iOS).
3. اضغط على زر «انعكاس الشاشة» أو «AirPlay».
4. اختر الكمبيوتر، وستظهر شاشة iOS على الكمبيوتر.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. امسح رمز QR أعلاه لتنزيل التطبيق وتثبيته.
2. بعد تثبيت التطبيق، وصّل الهاتف بالكمبيوتر باستخدام كابل الشحن.
3. ستنعكس شاشة الهاتف على الكمبيوتر تلقائيًا طوال مدة الاتصال.
4. لإيقاف انعكاس الشاشة، افصل الكابل.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. امسح رمز QR أعلاه لتنزيل التطبيق وتثبيته.
2. تأكد من اتصال الهاتف والكمبيوتر بشبكة Wi-Fi نفسها.
3. اختر الكمبيوتر، وستظهر شاشة Android على الكمبيوتر.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>تعيين المفاتيح</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>حساسية الماوس</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>عتامة الأزرار</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>اختصار وضع إطلاق النار</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>اضغط على مفتاح أو زر في الماوس</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>ملفات التعريف الافتراضية</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>يُرجى اختيار ملف تعريف</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>يُرجى إدخال اسم ملف التعريف</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>يحتوي ملف التعريف على مفاتيح غير صالحة.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>تم حفظ ملف التعريف بنجاح!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>لا يمكن استخدام اسم ملف التعريف كاسم ملف.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>يوجد ملف تعريف بهذا الاسم بالفعل.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>تعذّر حفظ ملف التعريف.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>هل تريد حذف ملف التعريف هذا؟</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>تمت إزالة ملف التعريف بنجاح!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>حقيبة الظهر</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>إلغاء المهارة الذكية</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>المهارة الذكية</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>تدوير زاوية الرؤية</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>المشي بالنقر الأيمن</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>مجال الرؤية</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>المشي بلوحة المفاتيح</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>نقر</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>هذا المفتاح مستخدم بالفعل.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>تمت إضافة مفتاح من هذا النوع بالفعل.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>مركز التحكم في الأجهزة المتعددة</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>جارٍ التحكم...</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>جهاز</translation>
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
        <translation>تسجيل الدخول / إنشاء حساب</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>مركز الأجهزة المتعددة</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p dir=&quot;rtl&quot;&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. التوصيل والتشغيل: استمتع بعرض شاشة iPhone/ iPad/ Android على الكمبيوتر بشكل متزامن.&lt;/span&gt;&lt;/p&gt;&lt;p dir=&quot;rtl&quot;&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. الشحن أثناء الانعكاس: شاهد الفيديوهات والعب ألعاب الهاتف على الشاشة الكبيرة دون تأخير، مع شحن هاتفك في الوقت نفسه.&lt;/span&gt;&lt;/p&gt;&lt;p dir=&quot;rtl&quot;&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. سجّل أسلوب لعبك وبثّه مباشرةً بدقة 4K أثناء لعب ألعاب الهاتف.&lt;/span&gt;&lt;/p&gt;&lt;p dir=&quot;rtl&quot;&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. استمتع بجودة فيديو 4K فائقة الوضوح وسلسة بمعدل إطارات فائق الارتفاع يتراوح بين 60 و100.&lt;/span&gt;&lt;/p&gt;&lt;p dir=&quot;rtl&quot;&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. يمكن عكس شاشات ما يصل إلى 128 جهازًا في الوقت نفسه.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>اسم المضيف:</translation>
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
        <translation>رمز الوصول:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>إذا واجهت أي مشكلة، يُرجى التواصل مع الدعم. 
(البريد الإلكتروني: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>دليل البدء السريع</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>هل تريد تصغير Pivora أم الخروج؟</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>عند التصغير، يواصل Pivora استقبال الهواتف في الخلفية.
يؤدي الخروج إلى إنهاء انعكاس شاشات جميع الهواتف.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>تذكّر اختياري</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>تم تغيير كلمة المرور بنجاح</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>كلمة المرور الجديدة</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>يُرجى إدخال كلمة المرور الجديدة</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>حجم الشاشة (الأفضل)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 والإصدارات الأحدث</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>جهاز Android</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>إصدار Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>التحكم في الجهاز</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>سلكي</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>معدل البت</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>ميكروفون الهاتف</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>لاسلكي</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* ستُطبَّق جميع التغييرات على الأجهزة المتصلة حديثًا.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>جهاز iOS</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>جهاز Android</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>الفيديو</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>التسجيل</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>العتاد</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>التحديث</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>استعادة الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>الإصدار: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>ستؤدي استعادة الإعدادات الافتراضية إلى إعادة تعيين جميع الخيارات، هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>تعذّرت كتابة الإعدادات على القرص. ستظل سارية حتى إغلاق البرنامج.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>تفعيل</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>غير محدد</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>السؤال أولًا</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>أي هاتف على الشبكة</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>اسألني عن الهواتف الجديدة</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>الهواتف التي تُدخل الرمز</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>عند إغلاق التطبيق</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>من يمكنه عكس الشاشة</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>في وضع الرمز، يجب أن تُدخل الهواتف الرمز الظاهر على الشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>برامج التشغيل</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>برامج تشغيل USB</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>يزيل برامج تشغيل USB التي ثبّتها الانعكاس السلكي.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>سيتم قطع اتصال جميع الأجهزة، هل تريد المتابعة؟</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>العتاد</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>نظام التشغيل</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>المعالج</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>الذاكرة</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>التخزين</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>الرسومات</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
الأنوية: %2، المسارات: %3</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (المتاح: %2)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>المساحة الفارغة %1 من %2 (%3، %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>لم يتم العثور على محوّل رسومات</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>غير متاح</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>لا يوجد محوّل شبكة متصل</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>إيثرنت</translation>
    </message>
</context>
<context>
    <name>QOptionsIOSDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>حجم الشاشة (الأفضل)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>جهاز iOS</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>التحكم في الجهاز</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>متطلبات التحكم في الجهاز: 
1. إصدار نظام التشغيل: Windows 10 (1803 أو أحدث) / macOS (10.13 أو أحدث)
2. محوّل Bluetooth: يدعم دور الجهاز الطرفي في Bluetooth منخفض الطاقة (LE)</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>سلكي</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>لاسلكي</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* ستُطبَّق جميع التغييرات على الأجهزة المتصلة حديثًا.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>إصدار نظام التشغيل الحالي غير مدعوم.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>لا توجد وحدة Bluetooth أو أن Bluetooth غير متاح.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>صامت</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>الجهاز</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>الجهاز + ميكروفون الكمبيوتر</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 س</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 س</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 س</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 س</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>التسجيل</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>ميكروفون الكمبيوتر</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>جهاز الإدخال</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>اختبار ميكروفون الكمبيوتر</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>مصدر الصوت</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>مدة التقسيم</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>يُرجى اختيار مجلد الحفظ</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>تعذّر إنشاء مجلد الحفظ.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>لم يتمكن أي مستعرض ملفات من فتح المجلد.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>شريط التحكم</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>تدوير 90</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>لقطة شاشة</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>تشغيل/إيقاف الصوت</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>دائمًا في المقدمة</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>التحكم في الجهاز</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>الإشعارات</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>تبديل التطبيقات</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>زر التشغيل</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>تعيين المفاتيح</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>التحديث</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>الإصدار الحالي</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>لا توجد تحديثات متاحة</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>الفيديو</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>فك الترميز بالعتاد</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>محرك العرض</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* ستُطبَّق جميع التغييرات على الأجهزة المتصلة حديثًا.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>هل تسمح لـ %1 بعكس شاشته على هذا الكمبيوتر؟</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>سماح</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>رفض</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>السماح دائمًا</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>تدوير 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>لقطة شاشة</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>التثبيت في المقدمة</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>إخفاء التحكم في الجهاز</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>إظهار التحكم في الجهاز</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>الصوت مُشغَّل</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>الصوت متوقف</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>الإشعارات</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>تبديل التطبيقات</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>زر التشغيل</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>تعيين المفاتيح</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (التقاط النافذة)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>إخفاء شريط التحكم</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>إظهار شريط التحكم</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>تدوير 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>التثبيت في المقدمة</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>الخروج من ملء الشاشة</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>اقتصاص</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>تعيين المفاتيح</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>التطبيق قيد التشغيل...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>يُرجى إغلاق التطبيق/العملية التالية قبل تشغيل Pivora.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>يُرجى التحقق من الشبكة وإعادة تشغيل التطبيق.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>لمتابعة استخدام هذا البرنامج، يجب تثبيت آخر تحديث.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>إصدار جديد</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
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
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>إنشاء حساب</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>تسجيل الدخول باستخدام</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>تسجيل الدخول عبر WeChat</translation>
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
        <translation>يُرجى إدخال كلمة المرور</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>تسجيل الدخول تلقائيًا</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>هل نسيت كلمة المرور؟</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>تسجيل الدخول بكلمة المرور</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>تسجيل الدخول برمز SMS</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>يُرجى مراجعة شروط الخدمة وتحديد خانة الموافقة عليها</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>يُرجى إدخال كلمة المرور</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>لقد قرأت ووافقت على </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>شروط الخدمة</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>إنشاء حساب</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>تسجيل الخروج</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>إرسال الرمز</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>يُرجى إدخال الرمز الظاهر في الصورة</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>يُرجى إدخال رمز التحقق</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>انقر لتحميل صورة أخرى</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>خطأ في كتابة الملف.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>لا توجد مساحة تخزين كافية.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>لا يُسمح بتسجيل أكثر من فيديو واحد في الوقت نفسه.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>يُرجى تحديد مسار الحفظ في الإعدادات.</translation>
    </message>
</context>
</TS>
