<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Gỡ cài đặt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Đang kiểm tra trình điều khiển thiết bị phản chiếu...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Đang khởi động lại máy tính</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Hệ thống phát hiện cài đặt trình điều khiển đã thay đổi. Bạn cần khởi động lại máy tính để các thay đổi có hiệu lực. Bạn có muốn khởi động lại ngay bây giờ không?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>Cài đặt trình điều khiển đã thay đổi. Đang khởi động lại máy tính</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>Đã cài đặt trình điều khiển thành công! Phản chiếu màn hình sẽ bắt đầu sau khi bạn rút cáp USB ra và cắm lại!</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Gỡ cài đặt thành công! Bạn cần khởi động lại máy tính để các thay đổi có hiệu lực. Bạn có muốn khởi động lại ngay bây giờ không?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>Không tìm thấy trình điều khiển thiết bị.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>Gỡ cài đặt thất bại! Vui lòng khởi động lại máy tính rồi chạy gỡ cài đặt lần nữa. Bạn có muốn khởi động lại ngay bây giờ không?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Trình điều khiển thiết bị đã sẵn sàng để gỡ cài đặt...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Đang gỡ cài đặt trình điều khiển thiết bị...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>Đã gỡ cài đặt trình điều khiển thiết bị xong!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>Gỡ cài đặt trình điều khiển thiết bị thất bại!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Có % thiết bị đang kết nối với máy tính, sẵn sàng cài đặt trình điều khiển...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Đang chuẩn bị trình điều khiển thiết bị...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Chuẩn bị trình điều khiển thất bại...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Đang cài đặt trình điều khiển thiết bị...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d Đã cài đặt trình điều khiển thành công...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Cài đặt trình điều khiển thất bại...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>Hệ thống phát hiện chức năng “Gỡ lỗi USB” đang bật. Vui lòng tắt chức năng này trong Cài đặt rồi rút ra và cắm lại điện thoại!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Điện thoại Android: Có % thiết bị đang kết nối với máy tính, sẵn sàng cài đặt trình điều khiển...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Điện thoại Android: %d/%d Đang chuẩn bị trình điều khiển thiết bị...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Điện thoại Android: %d/%d Chuẩn bị trình điều khiển thất bại...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Điện thoại Android: %d/%d Đang cài đặt trình điều khiển thiết bị...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Điện thoại Android: %d/%d Đã cài đặt trình điều khiển thành công...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Điện thoại Android: %d/%d Cài đặt trình điều khiển thất bại...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: Có % thiết bị đang kết nối với máy tính, sẵn sàng cài đặt trình điều khiển...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d Đang chuẩn bị trình điều khiển thiết bị...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d Chuẩn bị trình điều khiển thất bại...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d Đang cài đặt trình điều khiển thiết bị...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d Đã cài đặt trình điều khiển thành công...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d Cài đặt trình điều khiển thất bại...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>Không thể tạo thư mục lưu:
%1
Vui lòng chọn thư mục khác trong phần cài đặt.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Lỗi ghi hình</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>Đã lưu ảnh chụp màn hình thành công!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>Cài đặt card đồ họa trên máy tính của bạn không hỗ trợ giải mã phần cứng. Để có trải nghiệm tốt nhất, vui lòng truy cập trang web chính thức của chúng tôi và thiết lập hệ thống theo hướng dẫn!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Truy cập ngay</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>Cảnh báo</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>Lỗi mạng, vui lòng thử lại.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Vui lòng nhập email</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Vui lòng nhập số điện thoại</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Điện thoại</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Kết nối Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Phụ kiện hoặc </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Đã kết nối</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Chưa kết nối</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Mở Cài đặt-&amp;gt;Bluetooth trên iPhone/iPad, sau đó kết nối với&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth của máy tính phải ở chế độ cho phép phát hiện. Nếu gặp sự cố khi kết nối, hãy vào phần cài đặt của điện thoại, chọn “Quên thiết bị này” trước, sau đó tắt Bluetooth rồi bật lại.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.Nếu bạn không cần điều khiển điện thoại trên máy tính, vui lòng nhấn “Đóng”.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Hủy</translation>
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
        <translation>Kết nối có dây cho thiết bị iOS</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>Kết nối không dây cho thiết bị iOS</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Kết nối có dây cho thiết bị Android</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Kết nối không dây cho thiết bị Android</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Kết nối iPhone hoặc iPad với máy tính bằng cáp sạc.
Nếu thấy thông báo “Tin cậy máy tính này?”, hãy chạm vào “Tin cậy”.
2. iPhone hoặc iPad sẽ tự động phản chiếu màn hình lên máy tính trong suốt thời gian kết nối.
3. Để tắt phản chiếu màn hình, hãy rút cáp.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Đảm bảo điện thoại và máy tính kết nối cùng một mạng Wi-Fi.
2. Mở Trung tâm điều khiển bằng cách vuốt lên từ cạnh dưới màn hình thiết bị hoặc vuốt xuống từ góc trên bên phải màn hình (tùy thiết bị và phiên bản iOS).
3. Chạm vào nút “Phản chiếu màn hình” hoặc “AirPlay”.
4. Chọn máy tính của bạn, màn hình iOS sẽ hiển thị trên máy tính.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Quét mã QR ở trên để tải về và cài đặt ứng dụng.
2. Sau khi cài đặt ứng dụng, kết nối điện thoại với máy tính bằng cáp sạc.
3. Màn hình điện thoại sẽ tự động phản chiếu lên máy tính trong suốt thời gian kết nối.
4. Để tắt phản chiếu màn hình, hãy rút cáp.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. Quét mã QR ở trên để tải về và cài đặt ứng dụng.
2. Đảm bảo điện thoại và máy tính kết nối cùng một mạng Wi-Fi.
3. Chọn máy tính của bạn, màn hình Android sẽ hiển thị trên máy tính.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Ánh xạ phím</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Bật</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Mới</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Sửa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Độ nhạy chuột</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Độ mờ đục của nút</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Phím tắt chế độ bắn</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Nhấn một phím hoặc nút chuột</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Cấu hình mặc định</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Vui lòng chọn một cấu hình</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Vui lòng nhập tên cấu hình</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>Cấu hình có phím không hợp lệ.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>Đã lưu cấu hình thành công!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>Không thể dùng tên cấu hình này làm tên tệp.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Đã có cấu hình mang tên này.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Không thể lưu cấu hình.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>Bạn có muốn xóa cấu hình này không?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>Đã xóa cấu hình thành công!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>Ba lô</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>Hủy kỹ năng thông minh</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Kỹ năng thông minh</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>Xoay góc nhìn</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Nhấp chuột phải để di chuyển</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Tầm nhìn</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Di chuyển bằng bàn phím</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Nhấp</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>Phím này đã được sử dụng.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Loại phím này đã được thêm.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Trung tâm điều khiển đa thiết bị</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>Đang điều khiển...</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Thiết bị</translation>
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
        <translation>Đăng nhập / Đăng ký</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Trung tâm đa thiết bị</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Cắm là chạy: Truyền đồng bộ màn hình iPhone/ iPad/ Android lên PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Vừa sạc vừa phản chiếu: Xem video và chơi game di động trên màn hình lớn không giật lag, đồng thời sạc điện thoại.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Ghi hình và phát trực tiếp gameplay 4K trong khi chơi game di động.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Tận hưởng chất lượng video 4K siêu nét, mượt mà với tốc độ khung hình siêu cao 60-100.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Có thể phản chiếu màn hình tối đa 128 thiết bị cùng lúc.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Tên máy:</translation>
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
        <translation>Mã truy cập:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>Nếu gặp bất kỳ sự cố nào, vui lòng liên hệ bộ phận hỗ trợ. 
(email: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Hướng dẫn nhanh</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Trang chủ</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Thu nhỏ Pivora hay thoát?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>Khi thu nhỏ, Pivora vẫn tiếp tục nhận điện thoại ở chế độ nền.
Thoát sẽ kết thúc phản chiếu của mọi điện thoại.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Ghi nhớ lựa chọn của tôi</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>Đổi mật khẩu thành công</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Đổi mật khẩu</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Mật khẩu mới</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Vui lòng nhập mật khẩu mới</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Thay đổi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Kích thước màn hình (Tốt nhất)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 trở lên</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Thiết bị Android</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Phiên bản Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Điều khiển thiết bị</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Có dây</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Độ phân giải</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tốc độ bit</translation>
    </message>
    <message>
        <source>Mobile Microphone</source>
        <translation>Micrô điện thoại</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Không dây</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Mọi thay đổi sẽ áp dụng cho thiết bị kết nối mới.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>Chung</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Thiết bị iOS</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Thiết bị Android</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Ghi hình</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Phần cứng</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Phím tắt</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Khôi phục mặc định</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>phiên bản: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Cảnh báo</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>Khôi phục cài đặt mặc định sẽ đặt lại tất cả tùy chọn, bạn có muốn tiếp tục không?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>Không thể ghi cài đặt vào ổ đĩa. Cài đặt chỉ có hiệu lực cho đến khi chương trình đóng.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>Bật</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Chưa chọn</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>Hỏi trước</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Mọi điện thoại trong mạng</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Hỏi tôi khi có điện thoại mới</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Điện thoại nhập đúng mã</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Chung</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>Khi đóng ứng dụng</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Ai được phản chiếu</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>Khi dùng mã, điện thoại phải nhập mã hiển thị trên màn hình chính.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Trình điều khiển</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Gỡ cài đặt</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>Trình điều khiển USB</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Gỡ bỏ trình điều khiển USB đã được cài đặt cho phản chiếu có dây.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Cảnh báo</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Tất cả thiết bị sẽ bị ngắt kết nối, bạn có muốn tiếp tục không?</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>Phần cứng</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Hệ điều hành</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Bộ xử lý</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Bộ nhớ</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Lưu trữ</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Đồ họa</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Mạng</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 nhân, %3 luồng</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Không rõ</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (khả dụng %2)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>Trống %1 / %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>Không tìm thấy card đồ họa</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Không khả dụng</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>Không có bộ điều hợp mạng nào được kết nối</translation>
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
        <translation>Kích thước màn hình (Tốt nhất)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Thiết bị iOS</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Điều khiển thiết bị</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>Yêu cầu để điều khiển thiết bị: 
1. Phiên bản hệ điều hành: Windows 10 (1803 trở lên) / macOS (10.13 trở lên)
2. Bộ điều hợp Bluetooth: Hỗ trợ vai trò thiết bị ngoại vi Bluetooth Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Có dây</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Độ phân giải</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Không dây</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Mọi thay đổi sẽ áp dụng cho thiết bị kết nối mới.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>Phiên bản hệ điều hành hiện tại không được hỗ trợ.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Không có mô-đun Bluetooth hoặc Bluetooth không khả dụng.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Không có âm thanh</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Thiết bị</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Thiết bị + Micrô PC</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 giờ</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 giờ</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 giờ</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 giờ</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Ghi hình</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>Micrô PC</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Thiết bị đầu vào</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>Kiểm tra micrô PC</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Nguồn âm thanh</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Thời lượng mỗi đoạn</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Thay đổi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Thư mục lưu</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Vui lòng chọn thư mục lưu</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Cảnh báo</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>Không thể tạo thư mục lưu.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Không có trình quản lý tệp nào mở được thư mục.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Phím tắt</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Thanh điều khiển</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Ghi hình</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>Xoay 90</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Chụp màn hình</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>Bật/Tắt âm thanh</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Luôn ở trên cùng</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Toàn màn hình</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Điều khiển thiết bị</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Màn hình chính</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Chuyển ứng dụng</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Nguồn</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Ánh xạ phím</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Phiên bản hiện tại</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>Không có bản cập nhật nào</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Tự động</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>Bộ giải mã phần cứng</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Công cụ kết xuất</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Mọi thay đổi sẽ áp dụng cho thiết bị kết nối mới.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>Cho phép %1 phản chiếu lên PC này?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Cho phép</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Từ chối</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Luôn cho phép</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>Xoay 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Chụp màn hình</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Ghim trên cùng</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Toàn màn hình</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Ẩn điều khiển thiết bị</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Hiện điều khiển thiết bị</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Dừng ghi hình</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Bắt đầu ghi hình</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Âm thanh: Bật</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Âm thanh: Tắt</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>Màn hình chính</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Chuyển ứng dụng</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Nguồn</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Ánh xạ phím</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (Chụp cửa sổ)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Xác nhận</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>Ẩn thanh điều khiển</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Hiện thanh điều khiển</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Xoay 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Ghim trên cùng</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Thoát toàn màn hình</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Toàn màn hình</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Cắt khung hình</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Ánh xạ phím</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>Cảnh báo</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>Ứng dụng đang chạy...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Vui lòng đóng ứng dụng/tiến trình sau trước khi khởi chạy Pivora.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Vui lòng kiểm tra mạng và khởi động lại ứng dụng.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Để tiếp tục sử dụng chương trình này, bạn phải cài đặt bản cập nhật mới nhất.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Phiên bản mới</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Cập nhật</translation>
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
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Đăng ký</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Đăng nhập bằng</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Đăng nhập bằng WeChat</translation>
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
        <translation>Vui lòng nhập mật khẩu</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Tự động đăng nhập</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Quên mật khẩu?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Đăng nhập bằng mật khẩu</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Đăng nhập bằng mã SMS</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Vui lòng đọc Điều khoản dịch vụ và đánh dấu đồng ý</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Vui lòng nhập mật khẩu</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>Tôi đã đọc và đồng ý với </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>Điều khoản dịch vụ</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Đăng ký</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Đăng xuất</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>Làm mới</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Gửi mã</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Vui lòng nhập mã trong hình</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Vui lòng nhập mã xác minh</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>Nhấp để tải hình khác</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Lỗi ghi tệp.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>Không đủ dung lượng lưu trữ.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>Không được phép ghi nhiều video cùng lúc.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Vui lòng thiết lập đường dẫn lưu trong phần cài đặt.</translation>
    </message>
</context>
</TS>
