<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>解除安裝</translation>
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
        <translation>確定</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>正在偵測投影裝置驅動程式…</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>正在重新啟動電腦</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>系統偵測到驅動程式設定已變更，必須重新啟動電腦才能套用變更。要立即重新啟動嗎？</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>驅動程式設定已變更，正在重新啟動電腦</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>驅動程式安裝成功！拔除 USB 傳輸線並重新插入後，即可開始投影！</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>解除安裝成功！必須重新啟動電腦才能套用變更。要立即重新啟動嗎？</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>找不到裝置驅動程式。</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>解除安裝失敗！請重新啟動電腦後再執行一次解除安裝。要立即重新啟動嗎？</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>準備解除安裝裝置驅動程式…</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>正在解除安裝裝置驅動程式…</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>裝置驅動程式解除安裝完成！</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>裝置驅動程式解除安裝失敗！</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>有 % 台裝置已連接至電腦，準備安裝驅動程式…</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d 正在準備裝置驅動程式…</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d 驅動程式準備失敗</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d 正在安裝裝置驅動程式…</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d 驅動程式安裝成功</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d 驅動程式安裝失敗</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>系統偵測到手機已開啟「USB 偵錯」功能。請在設定中關閉此功能，然後重新插入手機！</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android 手機：有 % 台裝置已連接至電腦，準備安裝驅動程式…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Android 手機：%d/%d 正在準備裝置驅動程式…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Android 手機：%d/%d 驅動程式準備失敗</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Android 手機：%d/%d 正在安裝裝置驅動程式…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Android 手機：%d/%d 驅動程式安裝成功</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Android 手機：%d/%d 驅動程式安裝失敗</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast：有 % 台裝置已連接至電腦，準備安裝驅動程式…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast：%d/%d 正在準備裝置驅動程式…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast：%d/%d 驅動程式準備失敗</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast：%d/%d 正在安裝裝置驅動程式…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast：%d/%d 驅動程式安裝成功</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast：%d/%d 驅動程式安裝失敗</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>無法建立儲存資料夾：
%1
請在設定中選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>錄影發生錯誤</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>螢幕截圖已儲存！</translation>
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
        <translation>您電腦的顯示卡設定不支援硬體解碼。為獲得最佳體驗，請造訪我們的官方網站，並依照說明設定您的系統！</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>立即前往</translation>
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
        <translation>網路錯誤，請再試一次。</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>請輸入電子郵件地址</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>請輸入手機號碼</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>手機號碼</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>連線 Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>配件或 </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.在 iPhone/iPad 上開啟「設定」-&amp;gt;「Bluetooth」，然後連線到&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.電腦的 Bluetooth 必須設為可被偵測。如果連線時遇到問題，請進入手機的設定，先選擇「忘記此裝置」，接著關閉 Bluetooth，再重新開啟 Bluetooth。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.如果不需要在電腦上控制手機，請按一下「關閉」。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>確定</translation>
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
        <translation>iOS 裝置有線連線</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>iOS 裝置無線連線</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Android 裝置有線連線</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Android 裝置無線連線</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. 使用充電線將 iPhone 或 iPad 連接到電腦。
如果出現「要信任這部電腦嗎？」提示，請點一下「信任」。
2. 連接期間，iPhone 或 iPad 會自動將畫面投影到電腦上。
3. 拔除傳輸線即可停止螢幕投影。</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. 確認手機和電腦連接到同一個 Wi-Fi 網路。
2. 從裝置螢幕底部向上滑動，或從螢幕右上角向下滑動，開啟控制中心（依裝置和 iOS 版本而異）。
3. 點一下「螢幕鏡像輸出」或「AirPlay」按鈕。
4. 選擇您的電腦，iOS 畫面隨即會顯示在電腦上。</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. 掃描上方的 QR 碼，下載並安裝 App。
2. 安裝完成後，使用充電線將手機連接到電腦。
3. 連接期間，手機會自動將畫面投影到電腦上。
4. 拔除傳輸線即可停止螢幕投影。</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. 掃描上方的 QR 碼，下載並安裝 App。
2. 確認手機和電腦連接到同一個 Wi-Fi 網路。
3. 選擇您的電腦，Android 畫面隨即會顯示在電腦上。</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>按鍵對應</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>滑鼠靈敏度</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>按鍵不透明度</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>射擊模式快速鍵</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>請按下鍵盤按鍵或滑鼠按鍵</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>預設設定檔</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>請選擇設定檔</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>請輸入設定檔名稱</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>設定檔中有無效的按鍵。</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>設定檔已儲存！</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>此設定檔名稱無法作為檔案名稱。</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>已有同名的設定檔。</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>無法儲存設定檔。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>確定要刪除此設定檔嗎？</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>設定檔已刪除！</translation>
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
        <translation>取消智慧施法</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>智慧施法</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>旋轉視角</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>右鍵行走</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>視野</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>鍵盤行走</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>點擊</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>此按鍵已被使用。</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>已新增此類按鍵。</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>多裝置控制中心</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>控制中…</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
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
        <translation>登入 / 註冊</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>多裝置中心</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. 隨插即用：將 iPhone/ iPad/ Android 畫面同步投影到電腦。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. 邊充電邊投影：在大螢幕上看影片、玩手遊，流暢不延遲，同時還能替手機充電。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. 暢玩手遊的同時，錄製並直播 4K 遊戲畫面。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. 流暢的 4K 超高畫質，60-100 超高影格率。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. 最多支援 128 台裝置同時投影。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>主機名稱：</translation>
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
        <translation>存取碼：</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>如有任何問題，請聯絡客服。
（電子郵件：support@pivora.app）</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>快速入門指南</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>要將 Pivora 最小化還是結束？</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>最小化後，Pivora 會在背景繼續接收手機投影。
結束程式將停止所有手機的投影。</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>記住我的選擇</translation>
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
        <translation>變更密碼</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密碼</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>請輸入新密碼</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>變更</translation>
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
        <translation>螢幕尺寸（最佳）</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 以上</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android 裝置</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Android 版本</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>控制裝置</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有線</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>影格率</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>位元速率</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>手機麥克風</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>無線</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 所有變更將套用至新連線的裝置。</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS 裝置</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android 裝置</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>視訊</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>硬體</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
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
        <translation>還原預設設定將重設所有選項，是否要繼續？</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>無法將設定寫入磁碟，設定僅在本次程式執行期間有效。</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>未選擇</translation>
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
        <translation>每次詢問</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>網路上的任何手機</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>新手機連線時詢問我</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>輸入存取碼的手機</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>關閉 App 時</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>允許投影的手機</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>選擇存取碼方式時，手機必須輸入首頁上顯示的存取碼。</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>驅動程式</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>解除安裝</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>USB 驅動程式</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>移除有線投影時安裝的 USB 驅動程式。</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>所有裝置都將中斷連線，是否要繼續？</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>硬體</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>作業系統</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>處理器</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>記憶體</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>儲存空間</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>顯示卡</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 核心，%3 執行緒</translation>
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
        <translation>找不到顯示卡</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>無法使用</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>未連線任何網路介面卡</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>乙太網路</translation>
    </message>
</context>
<context>
    <name>QOptionsIOSDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>螢幕尺寸（最佳）</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS 裝置</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>控制裝置</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>控制裝置需求：
1. 系統版本：Windows 10（1803 或更新版本）/ macOS（10.13 或更新版本）
2. Bluetooth 介面卡：支援低功耗（LE）周邊裝置角色</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有線</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>影格率</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>無線</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 所有變更將套用至新連線的裝置。</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>不支援目前的系統版本。</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>未偵測到 Bluetooth 模組，或 Bluetooth 無法使用。</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>裝置 + 電腦麥克風</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 小時</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 小時</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 小時</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 小時</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>電腦麥克風</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>輸入裝置</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>電腦麥克風測試</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>音訊來源</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>分段長度</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>儲存資料夾</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>請選擇儲存資料夾</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>無法建立儲存資料夾。</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>沒有可開啟此資料夾的檔案管理程式。</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>控制列</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>旋轉 90°</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>螢幕截圖</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>影格率</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>聲音開啟/關閉</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>視窗置頂</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>控制裝置</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主畫面</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>多工處理</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>電源鍵</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>按鍵對應</translation>
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
        <translation>目前版本</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>檢查更新</translation>
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
        <translation>停用</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>視訊</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>硬體解碼</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>算繪引擎</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 所有變更將套用至新連線的裝置。</translation>
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
        <translation>要允許 %1 投影到這部電腦嗎？</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>允許</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>拒絕</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>一律允許</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>旋轉 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>螢幕截圖</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>影格率</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>置頂</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>隱藏裝置控制</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>顯示裝置控制</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>停止錄影</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>開始錄影</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>聲音已開啟</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>聲音已關閉</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>主畫面</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>多工處理</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>電源鍵</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>按鍵對應</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora（視窗擷取）</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>隱藏控制列</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>顯示控制列</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>旋轉 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>置頂</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>結束全螢幕</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁切</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>按鍵對應</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
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
        <translation>程式正在執行中…</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>啟動 Pivora 前，請先關閉下列應用程式/處理程序。</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>請檢查網路連線，然後重新啟動 App。</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>若要繼續使用本程式，必須更新至最新版本。</translation>
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
        <translation>登入</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>註冊</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>其他登入方式</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>使用微信登入</translation>
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
        <translation>請輸入密碼</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>自動登入</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>忘記密碼？</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>帳號密碼登入</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>簡訊驗證碼登入</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>請閱讀服務條款並勾選同意</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>請輸入密碼</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>我已閱讀並同意</translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>《服務條款》</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>註冊</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>登出</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>取得驗證碼</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>請輸入圖形驗證碼</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>請輸入驗證碼</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>看不清楚？按一下換一張</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>寫入檔案時發生錯誤。</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>儲存空間不足。</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>無法同時錄製多段影片。</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>請在設定中指定儲存路徑。</translation>
    </message>
</context>
</TS>
