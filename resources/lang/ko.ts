<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>미러링 기기 드라이버를 확인하는 중…</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>컴퓨터를 다시 시작하는 중</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>드라이버 설정이 변경된 것이 감지되었습니다. 변경 사항을 적용하려면 컴퓨터를 다시 시작해야 합니다. 지금 다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>드라이버 설정이 변경되었습니다. 컴퓨터를 다시 시작하는 중</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>드라이버가 설치되었습니다! USB 케이블을 뽑았다가 다시 연결하면 미러링이 시작됩니다!</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>제거되었습니다! 변경 사항을 적용하려면 컴퓨터를 다시 시작해야 합니다. 지금 다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>기기 드라이버를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>제거하지 못했습니다! 컴퓨터를 다시 시작한 후 제거를 다시 실행하세요. 지금 다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>기기 드라이버 제거를 준비하는 중…</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>기기 드라이버를 제거하는 중…</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>기기 드라이버 제거가 완료되었습니다!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>기기 드라이버를 제거하지 못했습니다!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>컴퓨터에 기기 %대가 연결되어 있습니다. 드라이버 설치를 준비하는 중…</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d 기기 드라이버를 준비하는 중…</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d 드라이버를 준비하지 못했습니다</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d 기기 드라이버를 설치하는 중…</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d 드라이버가 설치되었습니다</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d 드라이버를 설치하지 못했습니다</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>&apos;USB 디버깅&apos; 기능이 켜져 있는 것이 감지되었습니다. 설정에서 끈 다음 휴대폰을 다시 연결하세요!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android 휴대폰: 컴퓨터에 기기 %대가 연결되어 있습니다. 드라이버 설치를 준비하는 중…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Android 휴대폰: %d/%d 기기 드라이버를 준비하는 중…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Android 휴대폰: %d/%d 드라이버를 준비하지 못했습니다</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Android 휴대폰: %d/%d 기기 드라이버를 설치하는 중…</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Android 휴대폰: %d/%d 드라이버가 설치되었습니다</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Android 휴대폰: %d/%d 드라이버를 설치하지 못했습니다</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: 컴퓨터에 기기 %대가 연결되어 있습니다. 드라이버 설치를 준비하는 중…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d 기기 드라이버를 준비하는 중…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d 드라이버를 준비하지 못했습니다</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d 기기 드라이버를 설치하는 중…</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d 드라이버가 설치되었습니다</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d 드라이버를 설치하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>저장 폴더를 만들 수 없습니다:
%1
설정에서 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>녹화 오류</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>스크린샷이 저장되었습니다!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>컴퓨터의 그래픽 카드 설정이 하드웨어 디코딩을 지원하지 않습니다. 최상의 환경을 위해 공식 웹사이트를 방문하여 안내에 따라 시스템을 설정하세요!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>지금 방문</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>네트워크 오류가 발생했습니다. 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>이메일 주소를 입력하세요</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>휴대폰 번호를 입력하세요</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>휴대폰</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Bluetooth 연결</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>액세서리 또는 </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.iPhone/iPad에서 &apos;설정&apos;-&amp;gt;&apos;Bluetooth&apos;를 열고 다음 이름에 연결합니다&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.컴퓨터의 Bluetooth가 검색 가능 상태여야 합니다. 연결에 문제가 있으면 휴대폰 설정에서 먼저 &apos;이 기기 지우기&apos;를 한 다음, Bluetooth를 껐다가 다시 켜세요.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.컴퓨터에서 휴대폰을 제어할 필요가 없으면 &apos;닫기&apos;를 클릭하세요.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
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
        <translation>iOS 기기 유선 연결</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>iOS 기기 무선 연결</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Android 기기 유선 연결</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Android 기기 무선 연결</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. 충전 케이블로 iPhone 또는 iPad를 컴퓨터에 연결합니다.
&apos;이 컴퓨터를 신뢰하겠습니까?&apos; 알림이 표시되면 &apos;신뢰&apos;를 탭하세요.
2. 연결되어 있는 동안 iPhone 또는 iPad의 화면이 컴퓨터에 자동으로 미러링됩니다.
3. 케이블을 분리하면 화면 미러링이 종료됩니다.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. 휴대폰과 컴퓨터가 같은 Wi-Fi에 연결되어 있는지 확인합니다.
2. 기기 화면 하단에서 위로 쓸어올리거나 화면 오른쪽 상단 모서리에서 아래로 쓸어내려 제어 센터를 엽니다(기기 및 iOS 버전에 따라 다름).
3. &apos;화면 미러링&apos; 또는 &apos;AirPlay&apos; 버튼을 탭합니다.
4. 컴퓨터를 선택하면 iOS 화면이 컴퓨터에 표시됩니다.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. 위의 QR 코드를 스캔하여 앱을 다운로드하고 설치합니다.
2. 앱 설치 후 충전 케이블로 휴대폰을 컴퓨터에 연결합니다.
3. 연결되어 있는 동안 휴대폰 화면이 컴퓨터에 자동으로 미러링됩니다.
4. 케이블을 분리하면 화면 미러링이 종료됩니다.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. 위의 QR 코드를 스캔하여 앱을 다운로드하고 설치합니다.
2. 휴대폰과 컴퓨터가 같은 Wi-Fi에 연결되어 있는지 확인합니다.
3. 컴퓨터를 선택하면 Android 화면이 컴퓨터에 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>키 매핑</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜짐</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>꺼짐</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>마우스 감도</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>버튼 불투명도</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>슈팅 모드 단축키</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>키 또는 마우스 버튼을 누르세요</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>기본 프로필</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>프로필을 선택하세요</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>프로필 이름을 입력하세요</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>프로필에 잘못된 키가 있습니다.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>프로필이 저장되었습니다!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>이 프로필 이름은 파일 이름으로 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>같은 이름의 프로필이 이미 있습니다.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>프로필을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>이 프로필을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>프로필이 삭제되었습니다!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>가방</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>스마트 시전 취소</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>스마트 시전</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>시점 회전</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>우클릭 이동</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>시야</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>키보드 이동</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>클릭</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>이미 사용 중인 키입니다.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>이 종류의 키는 이미 추가되었습니다.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>멀티 기기 제어 센터</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>제어 중…</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>기기</translation>
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
        <translation>로그인 / 회원가입</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>멀티 기기 센터</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. 플러그 앤 플레이: iPhone/ iPad/ Android 화면을 PC에 실시간으로 미러링하세요.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. 충전하며 미러링: 휴대폰을 충전하면서 큰 화면으로 동영상을 보고 모바일 게임을 끊김 없이 즐기세요.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. 모바일 게임을 플레이하면서 4K 게임 화면을 녹화하고 라이브 방송하세요.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. 60-100의 초고 프레임 레이트로 부드러운 4K 초고화질 영상을 즐기세요.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. 최대 128대의 기기를 동시에 미러링할 수 있습니다.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>호스트 이름:</translation>
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
        <translation>접속 코드:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>문제가 있으면 고객 지원팀에 문의하세요.
(이메일: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>빠른 시작 가이드</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Pivora를 최소화할까요, 아니면 종료할까요?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>최소화하면 Pivora가 백그라운드에서 계속 휴대폰 화면을 수신합니다.
종료하면 모든 휴대폰의 미러링이 끝납니다.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>선택 기억하기</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>비밀번호가 변경되었습니다</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>비밀번호 변경</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>새 비밀번호</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>새 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>화면 크기(최적)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 이상</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android 기기</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Android 버전</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>기기 제어</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>유선</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>비트레이트</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>휴대폰 마이크</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>무선</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 모든 변경 사항은 새로 연결되는 기기부터 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS 기기</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Android 기기</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>하드웨어</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>버전: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>기본 설정을 복원하면 모든 옵션이 초기화됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>설정을 디스크에 저장할 수 없습니다. 설정은 프로그램이 종료될 때까지만 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>선택 안 됨</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>항상 묻기</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>네트워크의 모든 휴대폰</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>새 휴대폰은 확인 후 허용</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>코드를 입력한 휴대폰</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>앱을 닫을 때</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>미러링 허용 대상</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>코드 방식을 사용하면 휴대폰에서 홈 화면에 표시된 코드를 입력해야 합니다.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>드라이버</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>USB 드라이버</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>유선 미러링을 위해 설치된 USB 드라이버를 제거합니다.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>모든 기기의 연결이 끊어집니다. 계속하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>하드웨어</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>운영 체제</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>프로세서</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>메모리</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>저장 공간</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>그래픽</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2코어, %3스레드</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1(%2 사용 가능)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>%2 중 %1 사용 가능(%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>그래픽 어댑터를 찾을 수 없음</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>사용할 수 없음</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>연결된 네트워크 어댑터 없음</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>이더넷</translation>
    </message>
</context>
<context>
    <name>QOptionsIOSDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>화면 크기(최적)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>iOS 기기</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>기기 제어</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>기기 제어 요구 사항:
1. OS 버전: Windows 10(1803 이상) / macOS(10.13 이상)
2. Bluetooth 어댑터: Low Energy 주변기기(Peripheral) 역할 지원</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>유선</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>무선</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 모든 변경 사항은 새로 연결되는 기기부터 적용됩니다.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>현재 OS 버전은 지원되지 않습니다.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Bluetooth 모듈이 없거나 Bluetooth를 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>무음</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>기기</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>기기 + PC 마이크</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1시간</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2시간</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3시간</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4시간</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>PC 마이크</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>입력 장치</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>PC 마이크 테스트</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>오디오 소스</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>분할 시간</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>저장 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>폴더를 열 수 있는 파일 탐색기가 없습니다.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>컨트롤 바</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>90° 회전</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>소리 켜기/끄기</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>항상 위에 표시</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>기기 제어</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>알림창</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>앱 전환</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>전원</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>키 매핑</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>현재 버전</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>사용 가능한 업데이트가 없습니다</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>하드웨어 디코더</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>렌더링 엔진</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* 모든 변경 사항은 새로 연결되는 기기부터 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>%1에서 이 PC로 미러링하도록 허용하시겠습니까?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>허용</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>거부</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>항상 허용</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>90° 회전</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>맨 위에 고정</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>기기 제어 숨기기</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>기기 제어 표시</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>소리 켜짐</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>소리 꺼짐</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>알림창</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>앱 전환</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>전원</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>키 매핑</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (창 캡처)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>컨트롤 바 숨기기</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>컨트롤 바 표시</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>90° 회전</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>맨 위에 고정</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>전체 화면 종료</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>키 매핑</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>애플리케이션이 실행 중입니다…</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Pivora를 실행하기 전에 다음 애플리케이션/프로세스를 종료하세요.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>네트워크를 확인한 후 앱을 다시 시작하세요.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>이 프로그램을 계속 사용하려면 최신 업데이트를 적용해야 합니다.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>새 버전</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
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
        <translation>로그인</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>회원가입</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>다른 방법으로 로그인</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>WeChat으로 로그인</translation>
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
        <translation>비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>자동 로그인</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>비밀번호를 잊으셨나요?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>비밀번호로 로그인</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>SMS 인증번호로 로그인</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>서비스 약관을 확인하고 동의란에 체크하세요</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>다음 내용을 읽었으며 이에 동의합니다: </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>서비스 약관</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>회원가입</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>로그아웃</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>인증번호 받기</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>보안 문자를 입력하세요</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>인증번호를 입력하세요</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>클릭하여 다른 이미지 불러오기</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>파일 쓰기 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>저장 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>여러 동영상을 동시에 녹화할 수 없습니다.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>설정에서 저장 경로를 지정하세요.</translation>
    </message>
</context>
</TS>
