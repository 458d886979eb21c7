<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Проверка драйвера устройства для трансляции...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Перезагрузка компьютера</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Система обнаружила, что параметры драйвера изменены. Чтобы изменения вступили в силу, необходимо перезагрузить компьютер. Перезагрузить сейчас?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>Параметры драйвера изменены. Перезагрузка компьютера</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>Драйвер успешно установлен! Трансляция экрана начнётся, когда вы отключите USB-кабель и подключите его снова.</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Удаление успешно завершено! Чтобы изменения вступили в силу, необходимо перезагрузить компьютер. Перезагрузить сейчас?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>Драйвер устройства не найден.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>Не удалось выполнить удаление! Перезагрузите компьютер и повторите удаление. Перезагрузить сейчас?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Драйвер устройства готов к удалению...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Удаление драйвера устройства...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>Удаление драйвера устройства завершено!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>Не удалось удалить драйвер устройства!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Число подключённых к компьютеру устройств — %. Всё готово к установке драйвера...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Подготовка драйверов устройств...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Не удалось подготовить драйвер...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Установка драйверов устройств...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d Драйвер успешно установлен...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Не удалось установить драйвер...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>Система обнаружила, что включена функция «Отладка по USB». Отключите её в настройках телефона и переподключите его!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android-телефон: Число подключённых к компьютеру устройств — %. Всё готово к установке драйвера...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Android-телефон: %d/%d Подготовка драйверов устройств...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Android-телефон: %d/%d Не удалось подготовить драйвер...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Android-телефон: %d/%d Установка драйверов устройств...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Android-телефон: %d/%d Драйвер успешно установлен...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Android-телефон: %d/%d Не удалось установить драйвер...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: Число подключённых к компьютеру устройств — %. Всё готово к установке драйвера...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d Подготовка драйверов устройств...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d Не удалось подготовить драйвер...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d Установка драйверов устройств...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d Драйвер успешно установлен...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d Не удалось установить драйвер...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>Не удалось создать папку для сохранения:
%1
Выберите другую папку в настройках.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Ошибка записи</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>Снимок экрана сохранён.</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>Настройки видеокарты вашего компьютера не поддерживают аппаратное декодирование. Для наилучшей работы посетите наш официальный сайт и настройте систему по инструкции.</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Перейти</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>Ошибка сети. Повторите попытку.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Введите адрес эл. почты</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Введите номер телефона</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Подключение по Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Аксессуар или </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.На iPhone/iPad откройте Настройки-&amp;gt;Bluetooth и подключитесь к устройству&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth компьютера должен быть доступен для обнаружения. Если при подключении возникают проблемы, откройте настройки телефона, сначала выберите «Забыть это устройство», затем выключите Bluetooth и снова включите его.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.Если вам не нужно управлять телефоном с компьютера, нажмите «Закрыть».&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Отмена</translation>
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
        <translation>Проводное подключение iOS-устройства</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>Беспроводное подключение iOS-устройства</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Проводное подключение Android-устройства</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Беспроводное подключение Android-устройства</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Подключите iPhone или iPad к компьютеру с помощью кабеля для зарядки.
Если появится запрос «Доверять этому компьютеру?», нажмите «Доверять».
2. Пока iPhone или iPad подключён, его экран автоматически транслируется на компьютер.
3. Чтобы остановить трансляцию экрана, отсоедините кабель.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Убедитесь, что телефон и компьютер подключены к одной сети Wi-Fi.
2. Откройте Пункт управления, смахнув вверх от нижнего края экрана или вниз от правого верхнего угла экрана (зависит от устройства и версии iOS).
3. Нажмите кнопку «Повтор экрана» или «AirPlay».
4. Выберите свой компьютер — экран iOS-устройства появится на компьютере.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Отсканируйте QR-код выше, чтобы скачать и установить приложение.
2. После установки приложения подключите телефон к компьютеру с помощью кабеля для зарядки.
3. Пока телефон подключён, его экран автоматически транслируется на компьютер.
4. Чтобы остановить трансляцию экрана, отсоедините кабель.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. Отсканируйте QR-код выше, чтобы скачать и установить приложение.
2. Убедитесь, что телефон и компьютер подключены к одной сети Wi-Fi.
3. Выберите свой компьютер — экран Android-устройства появится на компьютере.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Раскладка клавиш</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Чувствительность мыши</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Непрозрачность кнопок</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Клавиша режима стрельбы</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Нажмите клавишу или кнопку мыши</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Стандартные профили</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Выберите профиль</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Введите название профиля</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>В профиле есть недопустимые клавиши.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>Профиль сохранён.</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>Это название профиля нельзя использовать как имя файла.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Профиль с таким названием уже существует.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Не удалось сохранить профиль.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>Удалить этот профиль?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>Профиль удалён.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>Рюкзак</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>Отмена умного заклинания</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Умное заклинание</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>Поворот обзора</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Движение по правому клику</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Поле зрения</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Движение с клавиатуры</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>Эта клавиша уже используется.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Клавиша такого типа уже добавлена.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Центр управления несколькими устройствами</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>Управление...</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
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
        <translation>Вход / Регистрация</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Центр нескольких устройств</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Подключи и работай: транслируйте экран iPhone/ iPad/ Android на ПК в реальном времени.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Зарядка во время трансляции: смотрите видео и играйте в мобильные игры на большом экране без задержек, одновременно заряжая телефон.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Записывайте и транслируйте в прямом эфире игровой процесс в 4K прямо во время игры.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Плавное видео в сверхчётком качестве 4K с высокой частотой 60–100 кадров/с.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Одновременная трансляция экранов до 128 устройств.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Имя хоста:</translation>
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
        <translation>Код доступа:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>Если возникли проблемы, обратитесь в службу поддержки. 
(эл. почта: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Краткое руководство</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Свернуть Pivora или выйти?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>В свёрнутом виде Pivora продолжает принимать телефоны в фоновом режиме.
При выходе трансляция всех телефонов прекратится.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Запомнить мой выбор</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>Пароль успешно изменён</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Смена пароля</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Введите новый пароль</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Размер экрана (оптимально)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 и выше</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android-устройство</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Версия Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Управление устройством</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Проводное подключение</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>Микрофон телефона</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Беспроводное подключение</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Все изменения вступят в силу для вновь подключённых устройств.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS-устройство</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android-устройство</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Оборудование</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>версия: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>Восстановление настроек по умолчанию сбросит все параметры. Продолжить?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>Не удалось сохранить настройки на диск. Они будут действовать до закрытия программы.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Не выбрано</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>Спрашивать</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Любой телефон в сети</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Спрашивать о новых телефонах</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Телефоны, указавшие код</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>При закрытии приложения</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Кто может транслировать</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>В режиме с кодом телефон должен ввести код, показанный на главном экране.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Драйверы</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>USB-драйверы</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Удаляет USB-драйверы, установленные для проводной трансляции.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Все устройства будут отключены. Продолжить?</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>Оборудование</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Операционная система</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Процессор</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Накопитель</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Видеокарта</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
Ядер: %2, потоков: %3</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (доступно %2)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>Свободно %1 из %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>Видеоадаптер не найден</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>Нет подключённого сетевого адаптера</translation>
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
        <translation>Размер экрана (оптимально)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS-устройство</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Управление устройством</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>Требования для управления устройством: 
1. Версия ОС: Windows 10 (1803 или новее) / macOS (10.13 или новее)
2. Bluetooth-адаптер: поддержка роли периферийного устройства Bluetooth Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Проводное подключение</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Беспроводное подключение</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Все изменения вступят в силу для вновь подключённых устройств.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>Текущая версия ОС не поддерживается.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Модуль Bluetooth отсутствует или Bluetooth недоступен.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Устройство + микрофон ПК</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 ч</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 ч</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 ч</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 ч</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>Микрофон ПК</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Устройство ввода</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>Проверка микрофона ПК</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Источник звука</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Длительность фрагмента</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>Не удалось создать папку для сохранения.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Не удалось открыть папку ни в одном файловом менеджере.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Панель управления</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>Поворот на 90</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Снимок экрана</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>Звук вкл./выкл.</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Управление устройством</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домой</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Переключение приложений</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Раскладка клавиш</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Текущая версия</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>Обновлений нет</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>Аппаратный декодер</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Движок рендеринга</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Все изменения вступят в силу для вновь подключённых устройств.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>Разрешить %1 транслировать экран на этот ПК?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Разрешить</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Запретить</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Всегда разрешать</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>Повернуть на 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Снимок экрана</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Скрыть управление устройством</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Показать управление устройством</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Звук вкл.</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Звук выкл.</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>Домой</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Переключение приложений</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Раскладка клавиш</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (захват окна)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>Скрыть панель управления</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Показать панель управления</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Повернуть на 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Выйти из полноэкранного режима</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Раскладка клавиш</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>Приложение уже запущено...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Перед запуском Pivora закройте следующие приложения/процессы.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Проверьте подключение к сети и перезапустите приложение.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Чтобы продолжить пользоваться программой, необходимо установить последнее обновление.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
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
        <translation>Вход</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Регистрация</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Войти через</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Войти через WeChat</translation>
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
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Автоматический вход</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Забыли пароль?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Войти по паролю</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Войти по SMS-коду</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Ознакомьтесь с условиями использования и отметьте согласие с ними</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>Я прочитал(а) и принимаю </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>Условия использования</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Зарегистрироваться</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Отправить код</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Введите код с картинки</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Введите код подтверждения</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>Нажмите, чтобы загрузить другую картинку</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Ошибка записи файла.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>Недостаточно места на диске.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>Нельзя записывать несколько видео одновременно.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Укажите папку для сохранения в настройках.</translation>
    </message>
</context>
</TS>
