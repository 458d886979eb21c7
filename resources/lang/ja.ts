<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>ミラーリング用デバイスドライバーを検出しています…</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>コンピューターを再起動しています</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>ドライバーの設定が変更されたことを検出しました。変更を有効にするには、コンピューターを再起動する必要があります。今すぐ再起動しますか？</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>ドライバーの設定が変更されました。コンピューターを再起動しています</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>ドライバーのインストールが完了しました！USB ケーブルを抜いて差し直すと、ミラーリングが開始されます！</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>アンインストールが完了しました！変更を有効にするには、コンピューターを再起動する必要があります。今すぐ再起動しますか？</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>デバイスドライバーが見つかりません。</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>アンインストールに失敗しました！コンピューターを再起動してから、もう一度アンインストールを実行してください。今すぐ再起動しますか？</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>デバイスドライバーのアンインストールを準備しています…</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>デバイスドライバーをアンインストールしています…</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>デバイスドライバーのアンインストールが完了しました！</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>デバイスドライバーのアンインストールに失敗しました！</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>% 台のデバイスがコンピューターに接続されています。ドライバーのインストールを準備しています…</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d デバイスドライバーを準備しています…</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d ドライバーの準備に失敗しました</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d デバイスドライバーをインストールしています…</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d ドライバーのインストールが完了しました</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d ドライバーのインストールに失敗しました</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>「USB デバッグ」がオンになっていることを検出しました。スマートフォンの設定でオフにしてから、接続し直してください！</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android スマートフォン：% 台のデバイスがコンピューターに接続されています。ドライバーのインストールを準備しています…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Android スマートフォン：%d/%d デバイスドライバーを準備しています…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Android スマートフォン：%d/%d ドライバーの準備に失敗しました</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Android スマートフォン：%d/%d デバイスドライバーをインストールしています…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Android スマートフォン：%d/%d ドライバーのインストールが完了しました</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Android スマートフォン：%d/%d ドライバーのインストールに失敗しました</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast：% 台のデバイスがコンピューターに接続されています。ドライバーのインストールを準備しています…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast：%d/%d デバイスドライバーを準備しています…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast：%d/%d ドライバーの準備に失敗しました</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast：%d/%d デバイスドライバーをインストールしています…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast：%d/%d ドライバーのインストールが完了しました</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast：%d/%d ドライバーのインストールに失敗しました</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>保存フォルダーを作成できません：
%1
設定で別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>録画エラー</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>スクリーンショットを保存しました！</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>お使いのコンピューターのグラフィックカード設定はハードウェアデコードに対応していません。快適にご利用いただくため、公式サイトにアクセスし、手順に従ってシステムを設定してください。</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>今すぐアクセス</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>ネットワークエラーが発生しました。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>メールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>電話番号を入力してください</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話番号</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Bluetooth 接続</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>アクセサリまたは </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.iPhone/iPad で「設定」-&amp;gt;「Bluetooth」を開き、次の名前に接続します&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.コンピューターの Bluetooth を検出可能にしておいてください。接続できない場合は、スマートフォンの設定でまず「このデバイスの登録を解除」を行い、Bluetooth をオフにしてから、もう一度オンにしてください。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.コンピューターからスマートフォンを操作する必要がない場合は、「閉じる」をクリックしてください。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>キャンセル</translation>
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
        <translation>iOS デバイスの有線接続</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>iOS デバイスのワイヤレス接続</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Android デバイスの有線接続</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Android デバイスのワイヤレス接続</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. 充電ケーブルで iPhone または iPad をコンピューターに接続します。
「このコンピューターを信頼しますか？」と表示されたら、「信頼」をタップしてください。
2. 接続中は、iPhone または iPad の画面が自動的にコンピューターにミラーリングされます。
3. ケーブルを抜くと画面ミラーリングが終了します。</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. スマートフォンとコンピューターが同じ Wi-Fi に接続されていることを確認します。
2. 画面の下端から上にスワイプするか、画面の右上隅から下にスワイプして、コントロールセンターを開きます（デバイスと iOS のバージョンによって異なります）。
3.「画面ミラーリング」または「AirPlay」ボタンをタップします。
4. お使いのコンピューターを選択すると、iOS の画面がコンピューターに表示されます。</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. 上の QR コードをスキャンして、アプリをダウンロードしてインストールします。
2. アプリのインストール後、充電ケーブルでスマートフォンをコンピューターに接続します。
3. 接続中は、スマートフォンの画面が自動的にコンピューターにミラーリングされます。
4. ケーブルを抜くと画面ミラーリングが終了します。</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. 上の QR コードをスキャンして、アプリをダウンロードしてインストールします。
2. スマートフォンとコンピューターが同じ Wi-Fi に接続されていることを確認します。
3. お使いのコンピューターを選択すると、Android の画面がコンピューターに表示されます。</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>キーマッピング</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>マウス感度</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>ボタンの不透明度</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>シューティングモードのショートカット</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>キーまたはマウスボタンを押してください</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>デフォルトのプロファイル</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>プロファイルを選択してください</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>プロファイル名を入力してください</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>プロファイルに無効なキーがあります。</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>プロファイルを保存しました！</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>このプロファイル名はファイル名として使用できません。</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>同じ名前のプロファイルが既に存在します。</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>プロファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>このプロファイルを削除しますか？</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>プロファイルを削除しました！</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>バックパック</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>スマートキャストをキャンセル</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>スマートキャスト</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>視点回転</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>右クリックで移動</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>視野</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>キーボードで移動</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>このキーは既に使用されています。</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>この種類のキーは既に追加されています。</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>マルチデバイス コントロールセンター</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>操作中…</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
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
        <translation>ログイン / 新規登録</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>マルチデバイスセンター</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. プラグ＆プレイ：iPhone/ iPad/ Android の画面を PC にそのままミラーリング。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. 充電しながらミラーリング：スマートフォンを充電しながら、大画面で動画やモバイルゲームを遅延なく楽しめます。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. モバイルゲームをプレイしながら、4K のゲームプレイを録画・ライブ配信。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. 60-100 の超高フレームレートで、なめらかな 4K 超高画質映像を楽しめます。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. 最大 128 台のデバイスを同時にミラーリングできます。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>ホスト名：</translation>
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
        <translation>アクセスコード：</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>問題が発生した場合は、サポートまでお問い合わせください。
（メール：support@pivora.app）</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>クイックスタートガイド</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Pivora を最小化しますか、それとも終了しますか？</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>最小化すると、Pivora はバックグラウンドでスマートフォンの受信を続けます。
終了すると、すべてのスマートフォンのミラーリングが終了します。</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>この選択を記憶する</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>パスワードを変更しました</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>パスワードの変更</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新しいパスワード</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>新しいパスワードを入力してください</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>画面サイズ（最適）</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 以降</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android デバイス</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Android バージョン</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>デバイス操作</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有線</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>スマートフォンのマイク</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>ワイヤレス</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 変更内容は、新しく接続したデバイスから適用されます。</translation>
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
        <translation>iOS デバイス</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android デバイス</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>ハードウェア</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>デフォルトに戻す</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>デフォルト設定に戻すと、すべてのオプションがリセットされます。続行しますか？</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>設定をディスクに書き込めませんでした。設定はプログラムの終了まで有効です。</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>未選択</translation>
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
        <translation>毎回確認する</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>ネットワーク上のすべてのスマートフォン</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>新しいスマートフォンは確認する</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>コードを入力したスマートフォン</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>アプリを閉じるとき</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>ミラーリングを許可する相手</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>コードを使用する場合、スマートフォンでホーム画面に表示されているコードを入力する必要があります。</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>ドライバー</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>USB ドライバー</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>有線ミラーリング用にインストールされた USB ドライバーを削除します。</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>すべてのデバイスの接続が切断されます。続行しますか？</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>ハードウェア</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>オペレーティングシステム</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>プロセッサー</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリ</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>ストレージ</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>グラフィックス</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 コア、%3 スレッド</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1（%2 使用可能）</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>空き %1 / 全体 %2（%3、%4）</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>グラフィックアダプターが見つかりません</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>利用できません</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>接続されているネットワークアダプターはありません</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>イーサネット</translation>
    </message>
</context>
<context>
    <name>QOptionsIOSDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>画面サイズ（最適）</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS デバイス</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>デバイス操作</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>デバイス操作の要件：
1. OS バージョン：Windows 10（1803 以降）/ macOS（10.13 以降）
2. Bluetooth アダプター：Low Energy のペリフェラルロールに対応していること</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>有線</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>ワイヤレス</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 変更内容は、新しく接続したデバイスから適用されます。</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>現在の OS バージョンはサポートされていません。</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Bluetooth モジュールがないか、Bluetooth を利用できません。</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>無音</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>デバイス + PC のマイク</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 時間</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 時間</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 時間</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>PC のマイク</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>入力デバイス</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>PC のマイクのテスト</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>音声ソース</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>分割時間</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>保存フォルダー</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>保存フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>保存フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>フォルダーを開けるファイルブラウザーがありません。</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>コントロールバー</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>90° 回転</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>音声オン/オフ</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>デバイス操作</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホームボタン</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻るボタン</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>アプリ切り替え</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>電源ボタン</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>キーマッピング</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>現在のバージョン</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>利用可能なアップデートはありません</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>ハードウェアデコーダー</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>レンダリングエンジン</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 変更内容は、新しく接続したデバイスから適用されます。</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>%1 にこの PC へのミラーリングを許可しますか？</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>許可</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>拒否</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>常に許可</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>90° 回転</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>最前面に固定</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>デバイス操作を非表示</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>デバイス操作を表示</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>録画を停止</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>録画を開始</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>音声オン</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>音声オフ</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>ホームボタン</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻るボタン</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>アプリ切り替え</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>電源ボタン</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>キーマッピング</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora（ウィンドウキャプチャ）</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>コントロールバーを非表示</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>コントロールバーを表示</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>90° 回転</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>最前面に固定</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>全画面表示を終了</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>キーマッピング</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>アプリケーションは実行中です…</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Pivora を起動する前に、次のアプリケーション/プロセスを終了してください。</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>ネットワークを確認して、アプリを再起動してください。</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>このプログラムを引き続き使用するには、最新のアップデートを適用する必要があります。</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>新しいバージョン</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
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
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>新規登録</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>他の方法でログイン</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>WeChat でログイン</translation>
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
        <translation>パスワードを入力してください</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>自動ログイン</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>パスワードをお忘れですか？</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>パスワードでログイン</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>SMS 認証コードでログイン</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>利用規約をご確認のうえ、同意にチェックを入れてください</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>パスワードを入力してください</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>次の内容を読み、同意します：</translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>利用規約</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>新規登録</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>ログアウト</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>コードを送信</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>画像の文字を入力してください</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>認証コードを入力してください</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>クリックして別の画像を表示</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>ファイルの書き込みエラーです。</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>ストレージの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>複数の動画を同時に録画することはできません。</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>設定で保存先を指定してください。</translation>
    </message>
</context>
</TS>
