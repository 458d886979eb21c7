<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>正在检测投屏设备驱动程序…</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>正在重新启动电脑</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>系统检测到驱动程序设置已更改，必须重新启动电脑才能使更改生效。是否立即重新启动？</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>驱动程序设置已更改，正在重新启动电脑</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>驱动程序安装成功！拔下 USB 数据线并重新插入后即可开始投屏！</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>卸载成功！必须重新启动电脑才能使更改生效。是否立即重新启动？</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>找不到设备驱动程序。</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>卸载失败！请重新启动电脑后再次执行卸载。是否立即重新启动？</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>准备卸载设备驱动程序…</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>正在卸载设备驱动程序…</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>设备驱动程序卸载完成！</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>设备驱动程序卸载失败！</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>有 % 台设备已连接到电脑，准备安装驱动程序…</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d 正在准备设备驱动程序…</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d 驱动程序准备失败</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d 正在安装设备驱动程序…</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d 驱动程序安装成功</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d 驱动程序安装失败</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>系统检测到手机已开启“USB 调试”功能。请在设置中将其关闭，然后重新插入手机！</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android 手机：有 % 台设备已连接到电脑，准备安装驱动程序…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Android 手机：%d/%d 正在准备设备驱动程序…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Android 手机：%d/%d 驱动程序准备失败</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Android 手机：%d/%d 正在安装设备驱动程序…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Android 手机：%d/%d 驱动程序安装成功</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Android 手机：%d/%d 驱动程序安装失败</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast：有 % 台设备已连接到电脑，准备安装驱动程序…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast：%d/%d 正在准备设备驱动程序…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast：%d/%d 驱动程序准备失败</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast：%d/%d 正在安装设备驱动程序…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast：%d/%d 驱动程序安装成功</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast：%d/%d 驱动程序安装失败</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>无法创建保存文件夹：
%1
请在设置中选择其他文件夹。</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>录制出错</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>截图已保存！</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>您电脑的显卡设置不支持硬件解码。为获得最佳体验，请访问我们的官网，并按照说明设置您的系统！</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>立即访问</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>网络错误，请重试。</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>请输入邮箱</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>请输入手机号</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮箱</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>手机号</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>连接 Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>配件或 </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.在 iPhone/iPad 上打开“设置”-&amp;gt;“Bluetooth”，然后连接到&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.电脑的 Bluetooth 须设为可被发现。如果连接时遇到问题，请进入手机设置，先选择“忽略此设备”，然后关闭 Bluetooth，再重新打开 Bluetooth。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.如果不需要在电脑上控制手机，请点击“关闭”。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>iOS 设备有线连接</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>iOS 设备无线连接</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Android 设备有线连接</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Android 设备无线连接</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. 使用充电线将 iPhone 或 iPad 连接到电脑。
如果出现“要信任此电脑吗？”提示，请轻点“信任”。
2. 连接期间，iPhone 或 iPad 会自动将屏幕投射到电脑上。
3. 拔下数据线即可停止投屏。</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. 确保手机和电脑连接到同一 Wi-Fi 网络。
2. 从设备屏幕底部向上轻扫，或从屏幕右上角向下轻扫，打开控制中心（因设备和 iOS 版本而异）。
3. 轻点“屏幕镜像”或“AirPlay”按钮。
4. 选择您的电脑，iOS 屏幕随即会显示在电脑上。</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. 扫描上方二维码，下载并安装应用。
2. 安装完成后，使用充电线将手机连接到电脑。
3. 连接期间，手机会自动将屏幕投射到电脑上。
4. 拔下数据线即可停止投屏。</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. 扫描上方二维码，下载并安装应用。
2. 确保手机和电脑连接到同一 Wi-Fi 网络。
3. 选择您的电脑，Android 屏幕随即会显示在电脑上。</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>键位映射</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>鼠标灵敏度</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>按键不透明度</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>射击模式快捷键</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>请按下键盘按键或鼠标按键</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>默认方案</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>请选择方案</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>请输入方案名称</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>方案中存在无效按键。</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>方案已保存！</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>该方案名称无法用作文件名。</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>已存在同名方案。</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>无法保存方案。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>确定要删除此方案吗？</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>方案已删除！</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>背包</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>取消智能施法</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>智能施法</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>旋转视角</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>右键行走</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>视野</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>键盘行走</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>点击</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>该按键已被占用。</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>此类按键已添加。</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>多设备控制中心</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>正在控制…</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
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
        <translation>登录 / 注册</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>多设备中心</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. 即插即用：将 iPhone/ iPad/ Android 屏幕同步投射到电脑。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. 边充电边投屏：在大屏幕上看视频、玩手游，流畅不卡顿，同时还能给手机充电。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. 畅玩手游的同时，录制并直播 4K 游戏画面。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. 流畅的 4K 超清画质，60-100 超高帧率。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. 最多支持 128 台设备同时投屏。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>主机名：</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>Wi-Fi：</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>访问码：</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>如有任何问题，请联系客服。
（邮箱：support@pivora.app）</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>快速入门指南</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>最小化 Pivora 还是退出？</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>最小化后，Pivora 会在后台继续接收手机投屏。
退出将结束所有手机的投屏。</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>记住我的选择</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>修改密码</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>请输入新密码</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>屏幕尺寸（最佳）</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 及以上</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android 设备</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Android 版本</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>控制设备</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>码率</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>手机麦克风</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>无线</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 所有更改将对新连接的设备生效。</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS 设备</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android 设备</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>硬件</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>恢复默认设置将重置所有选项，是否继续？</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>设置无法写入磁盘，仅在本次程序运行期间有效。</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>未选择</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>每次询问</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>网络中的任何手机</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>新手机连接时询问我</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>输入访问码的手机</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>关闭应用时</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>允许投屏的手机</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>选择访问码方式时，手机须输入首页上显示的访问码。</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>驱动程序</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>USB 驱动程序</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>移除有线投屏时安装的 USB 驱动程序。</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>所有设备都将断开连接，是否继续？</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>硬件</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>操作系统</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>处理器</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>内存</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>显卡</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 核，%3 线程</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1（可用 %2）</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>可用 %1，共 %2（%3，%4）</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>未找到显卡</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>未连接网络适配器</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>以太网</translation>
    </message>
</context>
<context>
    <name>QOptionsIOSDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>屏幕尺寸（最佳）</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS 设备</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>控制设备</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>控制设备要求：
1. 系统版本：Windows 10（1803 或更高版本）/ macOS（10.13 或更高版本）
2. Bluetooth 适配器：支持低功耗（LE）外围设备角色</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>无线</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 所有更改将对新连接的设备生效。</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>不支持当前系统版本。</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>未检测到 Bluetooth 模块，或 Bluetooth 不可用。</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>设备 + 电脑麦克风</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 小时</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 小时</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 小时</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 小时</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>电脑麦克风</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>输入设备</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>电脑麦克风测试</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>音频来源</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>分段时长</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>保存文件夹</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>请选择保存文件夹</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>无法创建保存文件夹。</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>没有可打开该文件夹的文件管理器。</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>控制栏</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>旋转 90°</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>声音开/关</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>窗口置顶</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>控制设备</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>通知栏</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>多任务</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>电源键</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>键位映射</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>当前版本</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>已是最新版本</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>硬件解码</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>渲染引擎</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 所有更改将对新连接的设备生效。</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>是否允许 %1 投屏到此电脑？</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>允许</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>拒绝</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>始终允许</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>旋转 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>隐藏设备控制</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>显示设备控制</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>声音已开启</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>声音已关闭</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>通知栏</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>多任务</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>电源键</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>键位映射</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora（窗口捕获）</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>隐藏控制栏</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>显示控制栏</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>旋转 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>退出全屏</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>键位映射</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>程序已在运行……</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>启动 Pivora 前请先关闭以下程序/进程。</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>请检查网络后重新启动程序。</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>必须更新到最新版本才能继续使用本程序。</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>新版本</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
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
        <translation>登录</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>注册</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>其他登录方式</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>微信登录</translation>
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
        <translation>请输入密码</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>自动登录</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>账号密码登录</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>短信验证码登录</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>请阅读服务条款并勾选同意</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>请输入密码</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>我已阅读并同意</translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>《服务条款》</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>注册</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>退出登录</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>获取验证码</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>请输入图形验证码</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>请输入验证码</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>看不清？点击换一张</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>写入文件出错。</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>存储空间不足。</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>不能同时录制多个视频。</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>请在设置中配置保存路径。</translation>
    </message>
</context>
</TS>
