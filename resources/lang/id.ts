<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>CWDIDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Copot</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Detecting mirroring device driver...</source>
        <translation>Mendeteksi driver perangkat pencerminan...</translation>
    </message>
    <message>
        <source>Restarting your computer</source>
        <translation>Memulai ulang komputer Anda</translation>
    </message>
    <message>
        <source>The system has detected that the driver setting has been changed. You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Sistem mendeteksi bahwa pengaturan driver telah diubah. Anda harus memulai ulang komputer agar perubahan diterapkan. Mulai ulang sekarang?</translation>
    </message>
    <message>
        <source>The driver setting has been changed. Restarting your computer</source>
        <translation>Pengaturan driver telah diubah. Memulai ulang komputer Anda</translation>
    </message>
    <message>
        <source>The driver successfully installed! Screen Mirroring will start after unplug the USB cable and plug it again!</source>
        <translation>Driver berhasil dipasang! Pencerminan layar akan dimulai setelah kabel USB dicabut lalu dicolokkan kembali!</translation>
    </message>
    <message>
        <source>Uninstall successfully! You must reboot your computer for the changes to take effect. Do you want to restart now?</source>
        <translation>Berhasil dicopot! Anda harus memulai ulang komputer agar perubahan diterapkan. Mulai ulang sekarang?</translation>
    </message>
    <message>
        <source>The device driver cannot be found.</source>
        <translation>Driver perangkat tidak ditemukan.</translation>
    </message>
    <message>
        <source>Uninstall failed! Please restart the computer and run the uninstall again. Do you want to restart now?</source>
        <translation>Gagal mencopot! Silakan mulai ulang komputer, lalu jalankan pencopotan lagi. Mulai ulang sekarang?</translation>
    </message>
    <message>
        <source>The device driver ready to uninstall...</source>
        <translation>Driver perangkat siap dicopot...</translation>
    </message>
    <message>
        <source>The device driver is uninstalling...</source>
        <translation>Mencopot driver perangkat...</translation>
    </message>
    <message>
        <source>The device driver uninstall completed!</source>
        <translation>Pencopotan driver perangkat selesai!</translation>
    </message>
    <message>
        <source>The device driver uninstall failed!</source>
        <translation>Pencopotan driver perangkat gagal!</translation>
    </message>
    <message>
        <source>There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Ada % perangkat yang terhubung ke komputer Anda, siap memasang driver...</translation>
    </message>
    <message>
        <source>%d/%d Preparing device drivers...</source>
        <translation>%d/%d Menyiapkan driver perangkat...</translation>
    </message>
    <message>
        <source>%d/%d The driver preparation failed...</source>
        <translation>%d/%d Gagal menyiapkan driver...</translation>
    </message>
    <message>
        <source>%d/%d Installing device drivers...</source>
        <translation>%d/%d Memasang driver perangkat...</translation>
    </message>
    <message>
        <source>%d/%d You have successfully installed the driver...</source>
        <translation>%d/%d Driver berhasil dipasang...</translation>
    </message>
    <message>
        <source>%d/%d The driver installation failed...</source>
        <translation>%d/%d Gagal memasang driver...</translation>
    </message>
    <message>
        <source>The system has detected that the &apos;USB debugging&apos; function was turned on. Please turn it off in Setting and replug the Phone!</source>
        <translation>Sistem mendeteksi bahwa fitur &apos;Debugging USB&apos; aktif. Silakan nonaktifkan di Pengaturan, lalu cabut dan colokkan kembali ponsel!</translation>
    </message>
    <message>
        <source>Android Phone: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Ponsel Android: Ada % perangkat yang terhubung ke komputer Anda, siap memasang driver...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Preparing device drivers...</source>
        <translation>Ponsel Android: %d/%d Menyiapkan driver perangkat...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver preparation failed...</source>
        <translation>Ponsel Android: %d/%d Gagal menyiapkan driver...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d Installing device drivers...</source>
        <translation>Ponsel Android: %d/%d Memasang driver perangkat...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d You have successfully installed the driver...</source>
        <translation>Ponsel Android: %d/%d Driver berhasil dipasang...</translation>
    </message>
    <message>
        <source>Android Phone: %d/%d The driver installation failed...</source>
        <translation>Ponsel Android: %d/%d Gagal memasang driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: There are % devices connected to your computer, Ready to install driver...</source>
        <translation>Android UsbCast: Ada % perangkat yang terhubung ke komputer Anda, siap memasang driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Preparing device drivers...</source>
        <translation>Android UsbCast: %d/%d Menyiapkan driver perangkat...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver preparation failed...</source>
        <translation>Android UsbCast: %d/%d Gagal menyiapkan driver...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d Installing device drivers...</source>
        <translation>Android UsbCast: %d/%d Memasang driver perangkat...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d You have successfully installed the driver...</source>
        <translation>Android UsbCast: %d/%d Driver berhasil dipasang...</translation>
    </message>
    <message>
        <source>Android UsbCast: %d/%d The driver installation failed...</source>
        <translation>Android UsbCast: %d/%d Gagal memasang driver...</translation>
    </message>
</context>
<context>
    <name>DeviceRecording</name>
    <message>
        <source>The save folder cannot be created:
%1
Please choose another folder in the settings.</source>
        <translation>Folder penyimpanan tidak dapat dibuat:
%1
Silakan pilih folder lain di pengaturan.</translation>
    </message>
    <message>
        <source>Recording error</source>
        <translation>Kesalahan perekaman</translation>
    </message>
    <message>
        <source>Screenshot is saved successfully!</source>
        <translation>Tangkapan layar berhasil disimpan!</translation>
    </message>
</context>
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation>Pengaturan kartu grafis komputer Anda tidak mendukung dekode perangkat keras. Untuk pengalaman terbaik, silakan kunjungi situs web resmi kami dan atur sistem Anda sesuai petunjuk!</translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation>Kunjungi Sekarang</translation>
    </message>
</context>
<context>
    <name>PVSignForm</name>
    <message>
        <source>Alert</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Network error, please try again.</source>
        <translation>Kesalahan jaringan, silakan coba lagi.</translation>
    </message>
</context>
<context>
    <name>QAccountKindSwitch</name>
    <message>
        <source>Please input email</source>
        <translation>Silakan masukkan email</translation>
    </message>
    <message>
        <source>Please input phone number</source>
        <translation>Silakan masukkan nomor telepon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telepon</translation>
    </message>
</context>
<context>
    <name>QBtGuideWidget</name>
    <message>
        <source>Connect Bluetooth</source>
        <translation>Hubungkan Bluetooth</translation>
    </message>
    <message>
        <source>Bluetooth:</source>
        <translation>Bluetooth:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Accessory Or </source>
        <translation>Aksesori atau </translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Terhubung</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Tidak terhubung</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Open Settings-&amp;gt;Bluetooth on iPhone/iPad, then connect to&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth of computer should be discoverable, Having trouble while connecting, go into your phone&apos;s settings, forget This Device first, turn off Bluetooth next and then turn on Bluetooth.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.If you don&apos;t need to control your phone on your computer, Please tap &apos;Close&apos;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;1.Buka Pengaturan-&amp;gt;Bluetooth di iPhone/iPad, lalu hubungkan ke&lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot;font-size:15px;font-weight:600;color:#ff9900;word-break:break-all;white-space:pre-wrap;&quot;&gt;%s&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;2.Bluetooth komputer harus dapat ditemukan. Jika mengalami masalah saat menghubungkan, buka pengaturan ponsel Anda, pilih &quot;Lupakan Perangkat Ini&quot; terlebih dahulu, lalu matikan Bluetooth dan nyalakan kembali.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot;font-size:14px;&quot;&gt;3.Jika Anda tidak perlu mengontrol ponsel dari komputer, silakan ketuk &quot;Tutup&quot;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Batal</translation>
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
        <translation>Koneksi Kabel Perangkat iOS</translation>
    </message>
    <message>
        <source>iOS Device Wireless Connection</source>
        <translation>Koneksi Nirkabel Perangkat iOS</translation>
    </message>
    <message>
        <source>Android Device Wired Connection</source>
        <translation>Koneksi Kabel Perangkat Android</translation>
    </message>
    <message>
        <source>Android Device Wireless Connection</source>
        <translation>Koneksi Nirkabel Perangkat Android</translation>
    </message>
    <message>
        <source>1. Connect your iPhone or iPad to your computer via your charging cable.
If you see an alert of &apos;Trust this Computer?&apos; , please tap on the &apos;Trust&apos; .
2. Your iPhone or iPad will mirror its display automatically to your computer while it is being connected.
3. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Hubungkan iPhone atau iPad ke komputer menggunakan kabel pengisi daya.
Jika muncul peringatan &apos;Percayai Komputer Ini?&apos;, ketuk &apos;Percayai&apos;.
2. iPhone atau iPad akan otomatis mencerminkan layarnya ke komputer selama terhubung.
3. Untuk menghentikan pencerminan layar, cabut kabelnya.</translation>
    </message>
    <message>
        <source>1. Make sure your Phone and computer are on the same WiFi.
2. Open the Control Center by swiping up from the bottom of the device screen or swiping down from the top right corner of the screen (varies by device and iOS version).
3. Tap the &apos;Screen Mirroring&apos; or &apos;AirPlay&apos; button.
4. Select your computer, then your iOS screen will show on your computer.</source>
        <translation>1. Pastikan ponsel dan komputer terhubung ke Wi-Fi yang sama.
2. Buka Pusat Kontrol dengan menggesek ke atas dari bagian bawah layar perangkat atau menggesek ke bawah dari pojok kanan atas layar (tergantung perangkat dan versi iOS).
3. Ketuk tombol &apos;Pencerminan Layar&apos; atau &apos;AirPlay&apos;.
4. Pilih komputer Anda, lalu layar iOS akan tampil di komputer.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. After installed application, Connect your Phone to your computer via your charging cable.
3. Your Phone Screen will mirror its display automaticly to youre computer while it is being connected.
4. Please Turn off the screen mirroring by Unplugging the cable.</source>
        <translation>1. Pindai Kode QR di atas untuk mengunduh dan memasang aplikasi.
2. Setelah aplikasi terpasang, hubungkan ponsel ke komputer menggunakan kabel pengisi daya.
3. Layar ponsel akan otomatis dicerminkan ke komputer selama terhubung.
4. Untuk menghentikan pencerminan layar, cabut kabelnya.</translation>
    </message>
    <message>
        <source>1. Scan a QR Code above to download and install application.
2. Make sure your Phone and computer are on the same WiFi.
3. Select your computer, then your Android screen will show on your computer.</source>
        <translation>1. Pindai Kode QR di atas untuk mengunduh dan memasang aplikasi.
2. Pastikan ponsel dan komputer terhubung ke Wi-Fi yang sama.
3. Pilih komputer Anda, lalu layar Android akan tampil di komputer.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperEditor</name>
    <message>
        <source>Key Mapper</source>
        <translation>Pemetaan Tombol</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aktif</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nonaktif</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Baru</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Mouse Sensitivity</source>
        <translation>Sensitivitas Mouse</translation>
    </message>
    <message>
        <source>Button Opacity</source>
        <translation>Opasitas Tombol</translation>
    </message>
    <message>
        <source>Shooting Mode Shortcut</source>
        <translation>Pintasan Mode Menembak</translation>
    </message>
    <message>
        <source>Press a key or mouse button</source>
        <translation>Tekan tombol keyboard atau mouse</translation>
    </message>
    <message>
        <source>Default Profiles</source>
        <translation>Profil Bawaan</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Please select a profile</source>
        <translation>Silakan pilih profil</translation>
    </message>
    <message>
        <source>Please input profile name</source>
        <translation>Silakan masukkan nama profil</translation>
    </message>
    <message>
        <source>There are invalid keys in profile.</source>
        <translation>Ada tombol yang tidak valid di profil.</translation>
    </message>
    <message>
        <source>Profile is saved successfully!</source>
        <translation>Profil berhasil disimpan!</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name.</source>
        <translation>Nama profil tidak dapat digunakan sebagai nama file.</translation>
    </message>
    <message>
        <source>A profile with this name already exists.</source>
        <translation>Profil dengan nama ini sudah ada.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Profil tidak dapat disimpan.</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Do you want to delete this profile?</source>
        <translation>Apakah Anda ingin menghapus profil ini?</translation>
    </message>
    <message>
        <source>Profile is removed successfully!</source>
        <translation>Profil berhasil dihapus!</translation>
    </message>
</context>
<context>
    <name>QHIDMapperItemWidget</name>
    <message>
        <source>Backpack</source>
        <translation>Tas</translation>
    </message>
    <message>
        <source>Cancel smart magic</source>
        <translation>Batalkan skill pintar</translation>
    </message>
    <message>
        <source>Smart magic</source>
        <translation>Skill pintar</translation>
    </message>
    <message>
        <source>Rotate view</source>
        <translation>Putar pandangan</translation>
    </message>
    <message>
        <source>Right-click to walk</source>
        <translation>Klik kanan untuk berjalan</translation>
    </message>
    <message>
        <source>Field of view</source>
        <translation>Bidang pandang</translation>
    </message>
    <message>
        <source>Keyboard walk</source>
        <translation>Berjalan dengan keyboard</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klik</translation>
    </message>
    <message>
        <source>The key is already in use.</source>
        <translation>Tombol ini sudah digunakan.</translation>
    </message>
</context>
<context>
    <name>QHIDMapperWidget</name>
    <message>
        <source>This kind of key has been added.</source>
        <translation>Tombol jenis ini sudah ditambahkan.</translation>
    </message>
</context>
<context>
    <name>QMDControlCenter</name>
    <message>
        <source>Multi Device Control Center</source>
        <translation>Pusat Kontrol Multi-Perangkat</translation>
    </message>
</context>
<context>
    <name>QMDItemWidget</name>
    <message>
        <source>Controlling...</source>
        <translation>Mengontrol...</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Perangkat</translation>
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
        <translation>Masuk / Daftar</translation>
    </message>
    <message>
        <source>Multi Devices Center</source>
        <translation>Pusat Multi-Perangkat</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Enjoy to sync cast your iPhone/ iPad/ Android screen to PC.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Charging While Mirroring: Watch videos and play your mobile games on the big screen with no lag, while charging your phone at the same time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Record and live stream 4K gameplay while play your mobile games.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Enjoy smooth 4K ultra-clear video quality with 60-100 ultra-high framerate.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Up to 128 devices can be screen mirror at the same time.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;1. Plug and Play: Nikmati transmisi layar iPhone/ iPad/ Android ke PC secara sinkron.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;2. Mengisi Daya Sambil Mencerminkan: Tonton video dan mainkan game seluler di layar besar tanpa lag, sambil mengisi daya ponsel.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;3. Rekam dan siarkan langsung gameplay 4K saat bermain game seluler.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;4. Nikmati kualitas video 4K ultra-jernih yang mulus dengan frame rate ultra-tinggi 60-100.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:18px;&quot;&gt;5. Hingga 128 perangkat dapat mencerminkan layar secara bersamaan.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Nama Host:</translation>
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
        <translation>Kode akses:</translation>
    </message>
    <message>
        <source>If you have any problems, please contact support. 
(email: support@pivora.app)</source>
        <translation>Jika mengalami masalah, silakan hubungi dukungan. 
(email: support@pivora.app)</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Panduan Memulai Cepat</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Beranda</translation>
    </message>
    <message>
        <source>Minimize Pivora or quit?</source>
        <translation>Minimalkan Pivora atau keluar?</translation>
    </message>
    <message>
        <source>Minimized, Pivora keeps receiving phones in the background.
Quitting ends the mirroring of every phone.</source>
        <translation>Saat diminimalkan, Pivora tetap menerima ponsel di latar belakang.
Keluar akan menghentikan pencerminan semua ponsel.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalkan</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Ingat pilihan saya</translation>
    </message>
</context>
<context>
    <name>QModifyDialog</name>
    <message>
        <source>Modified succeed</source>
        <translation>Kata sandi berhasil diubah</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Ubah Kata Sandi</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Kata Sandi Baru</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Silakan masukkan kata sandi baru</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>QOptionsAndroidDeviceFrame</name>
    <message>
        <source>Screen Size (Best)</source>
        <translation>Ukuran Layar (Terbaik)</translation>
    </message>
    <message>
        <source>5/6/7/8</source>
        <translation>5/6/7/8</translation>
    </message>
    <message>
        <source>9 and above</source>
        <translation>9 ke atas</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Perangkat Android</translation>
    </message>
    <message>
        <source>Android Version</source>
        <translation>Versi Android</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Kontrol Perangkat</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolusi</translation>
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
        <translation>Mikrofon Ponsel</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Nirkabel</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Semua perubahan akan berlaku untuk perangkat yang baru terhubung.</translation>
    </message>
</context>
<context>
    <name>QOptionsDialog</name>
    <message>
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Perangkat iOS</translation>
    </message>
    <message>
        <source>Android Device</source>
        <translation>Perangkat Android</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Perekaman</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Perangkat Keras</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Pembaruan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Pulihkan Default</translation>
    </message>
    <message>
        <source>ver: </source>
        <translation>versi: </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Restoring the default settings will reset all options, do you want to continue?</source>
        <translation>Memulihkan pengaturan default akan mengatur ulang semua opsi. Lanjutkan?</translation>
    </message>
    <message>
        <source>The settings could not be written to disk. They apply until the program ends.</source>
        <translation>Pengaturan tidak dapat ditulis ke disk. Pengaturan hanya berlaku hingga program ditutup.</translation>
    </message>
</context>
<context>
    <name>QOptionsFrame</name>
    <message>
        <source>Enable</source>
        <translation>Aktifkan</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktifkan</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Belum dipilih</translation>
    </message>
</context>
<context>
    <name>QOptionsGeneralFrame</name>
    <message>
        <source>Minimize</source>
        <translation>Minimalkan</translation>
    </message>
    <message>
        <source>Ask First</source>
        <translation>Tanya Dulu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Any phone on the network</source>
        <translation>Semua ponsel di jaringan</translation>
    </message>
    <message>
        <source>Ask me for new phones</source>
        <translation>Tanya saya untuk ponsel baru</translation>
    </message>
    <message>
        <source>Phones that give the code</source>
        <translation>Ponsel yang memasukkan kode</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>When closing app</source>
        <translation>Saat menutup aplikasi</translation>
    </message>
    <message>
        <source>Who may mirror</source>
        <translation>Siapa yang boleh mencerminkan</translation>
    </message>
    <message>
        <source>With the code, phones must give the code that the home screen shows.</source>
        <translation>Dengan kode, ponsel harus memasukkan kode yang ditampilkan di layar beranda.</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Copot</translation>
    </message>
    <message>
        <source>USB Drivers</source>
        <translation>Driver USB</translation>
    </message>
    <message>
        <source>Removes the USB drivers that wired mirroring installed.</source>
        <translation>Menghapus driver USB yang dipasang oleh pencerminan kabel.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>All devices will be disconnected, do you want to continue?</source>
        <translation>Semua perangkat akan terputus. Lanjutkan?</translation>
    </message>
</context>
<context>
    <name>QOptionsHWFrame</name>
    <message>
        <source>Hardware</source>
        <translation>Perangkat Keras</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Sistem Operasi</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Prosesor</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memori</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Penyimpanan</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafis</translation>
    </message>
    <message>
        <source>OpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Jaringan</translation>
    </message>
    <message>
        <source>%1
%2 cores, %3 threads</source>
        <translation>%1
%2 inti, %3 thread</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>%1 (%2 available)</source>
        <translation>%1 (%2 tersedia)</translation>
    </message>
    <message>
        <source>%1 free of %2 (%3, %4)</source>
        <translation>%1 kosong dari %2 (%3, %4)</translation>
    </message>
    <message>
        <source>No graphics adapter found</source>
        <translation>Adaptor grafis tidak ditemukan</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Tidak tersedia</translation>
    </message>
    <message>
        <source>No network adapter connected</source>
        <translation>Tidak ada adaptor jaringan yang terhubung</translation>
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
        <translation>Ukuran Layar (Terbaik)</translation>
    </message>
    <message>
        <source>iOS Device</source>
        <translation>Perangkat iOS</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Kontrol Perangkat</translation>
    </message>
    <message>
        <source>Control Device requirements: 
1. OS Version: Windows 10 (1803 or later) / macOS (10.13 or later)
2. Bluetooth Adapter: Support LowEnergy peripheral role</source>
        <translation>Persyaratan Kontrol Perangkat: 
1. Versi OS: Windows 10 (1803 atau lebih baru) / macOS (10.13 atau lebih baru)
2. Adaptor Bluetooth: Mendukung peran periferal Bluetooth Low Energy</translation>
    </message>
    <message>
        <source>Wired</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolusi</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Nirkabel</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Semua perubahan akan berlaku untuk perangkat yang baru terhubung.</translation>
    </message>
    <message>
        <source>Current OS Version is not supported.</source>
        <translation>Versi OS saat ini tidak didukung.</translation>
    </message>
    <message>
        <source>No Bluetooth module or Bluetooth is not available.</source>
        <translation>Tidak ada modul Bluetooth atau Bluetooth tidak tersedia.</translation>
    </message>
</context>
<context>
    <name>QOptionsRecordFrame</name>
    <message>
        <source>Silence</source>
        <translation>Tanpa Suara</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Perangkat</translation>
    </message>
    <message>
        <source>Device + PC Microphone</source>
        <translation>Perangkat + Mikrofon PC</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktifkan</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 jam</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 jam</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 jam</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 jam</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Perekaman</translation>
    </message>
    <message>
        <source>PC Microphone</source>
        <translation>Mikrofon PC</translation>
    </message>
    <message>
        <source>Input Device</source>
        <translation>Perangkat Input</translation>
    </message>
    <message>
        <source>PC Microphone Test</source>
        <translation>Tes Mikrofon PC</translation>
    </message>
    <message>
        <source>Audio Source</source>
        <translation>Sumber Audio</translation>
    </message>
    <message>
        <source>Split Duration</source>
        <translation>Durasi Pemisahan</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Folder Penyimpanan</translation>
    </message>
    <message>
        <source>Please select save folder</source>
        <translation>Silakan pilih folder penyimpanan</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>The save folder cannot be created.</source>
        <translation>Folder penyimpanan tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>No file browser could open the folder.</source>
        <translation>Tidak ada penjelajah file yang dapat membuka folder.</translation>
    </message>
</context>
<context>
    <name>QOptionsShortcutsFrame</name>
    <message>
        <source>Shortcuts</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Control Bar</source>
        <translation>Bilah Kontrol</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekam</translation>
    </message>
    <message>
        <source>Rotate 90</source>
        <translation>Putar 90</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Tangkapan Layar</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Volume On/Off</source>
        <translation>Volume Aktif/Nonaktif</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Selalu di Atas</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Layar Penuh</translation>
    </message>
    <message>
        <source>Control Device</source>
        <translation>Kontrol Perangkat</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Beranda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notifikasi</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Ganti Aplikasi</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Daya</translation>
    </message>
    <message>
        <source>Keyboard Mapping</source>
        <translation>Pemetaan Tombol</translation>
    </message>
</context>
<context>
    <name>QOptionsUpdateFrame</name>
    <message>
        <source>Update</source>
        <translation>Pembaruan</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Versi Saat Ini</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Periksa Pembaruan</translation>
    </message>
    <message>
        <source>No updates available</source>
        <translation>Tidak ada pembaruan</translation>
    </message>
</context>
<context>
    <name>QOptionsVideoAudioFrame</name>
    <message>
        <source>Disable</source>
        <translation>Nonaktifkan</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Hardware decoder</source>
        <translation>Dekoder perangkat keras</translation>
    </message>
    <message>
        <source>Render Engine</source>
        <translation>Mesin Render</translation>
    </message>
    <message>
        <source>* All changes will take effect to new connected device.</source>
        <translation>* Semua perubahan akan berlaku untuk perangkat yang baru terhubung.</translation>
    </message>
</context>
<context>
    <name>QPVAccessPrompt</name>
    <message>
        <source>Tips</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Allow %1 to mirror to this PC?</source>
        <translation>Izinkan %1 mencerminkan layar ke PC ini?</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Izinkan</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Tolak</translation>
    </message>
    <message>
        <source>Always allow</source>
        <translation>Selalu izinkan</translation>
    </message>
</context>
<context>
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation>Putar 90°</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Tangkapan Layar</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Sematkan di Atas</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Layar Penuh</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation>Sembunyikan Kontrol Perangkat</translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation>Tampilkan Kontrol Perangkat</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Hentikan Perekaman</translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation>Mulai Perekaman</translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation>Volume Aktif</translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation>Volume Nonaktif</translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation>Beranda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Notifikasi</translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation>Ganti Aplikasi</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Daya</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Pemetaan Tombol</translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation>Pivora (Tangkapan Jendela)</translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation>Sembunyikan Bilah Kontrol</translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation>Tampilkan Bilah Kontrol</translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation>Putar 90°</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Sematkan di Atas</translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation>Keluar dari Layar Penuh</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Layar Penuh</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Pangkas</translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation>Pemetaan Tombol</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation>Aplikasi sedang berjalan...</translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Silakan tutup aplikasi/proses berikut sebelum menjalankan Pivora.</translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation>Silakan periksa jaringan dan mulai ulang aplikasi.</translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Untuk terus menggunakan program ini, Anda harus memasang pembaruan terbaru.</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Versi Baru</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Perbarui</translation>
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
        <translation>Masuk</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Daftar</translation>
    </message>
</context>
<context>
    <name>QSignSNSFrame</name>
    <message>
        <source>Sign With</source>
        <translation>Masuk dengan</translation>
    </message>
    <message>
        <source>Login with WeChat</source>
        <translation>Masuk dengan WeChat</translation>
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
        <translation>Silakan masukkan kata sandi</translation>
    </message>
    <message>
        <source>Auto Login</source>
        <translation>Masuk Otomatis</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Lupa Kata Sandi?</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Masuk</translation>
    </message>
    <message>
        <source>Sign in by userpass</source>
        <translation>Masuk dengan kata sandi</translation>
    </message>
    <message>
        <source>Sign in by smscode</source>
        <translation>Masuk dengan kode SMS</translation>
    </message>
</context>
<context>
    <name>QSignupFrame</name>
    <message>
        <source>Please review term of service and agree to check it</source>
        <translation>Silakan baca Ketentuan Layanan dan centang kotak persetujuan</translation>
    </message>
    <message>
        <source>Please input password</source>
        <translation>Silakan masukkan kata sandi</translation>
    </message>
    <message>
        <source>I have read and agreed to </source>
        <translation>Saya telah membaca dan menyetujui </translation>
    </message>
    <message>
        <source>Term of Service</source>
        <translation>Ketentuan Layanan</translation>
    </message>
    <message>
        <source>Sign Up</source>
        <translation>Daftar</translation>
    </message>
</context>
<context>
    <name>QUserPanel</name>
    <message>
        <source>Sign out</source>
        <translation>Keluar</translation>
    </message>
</context>
<context>
    <name>QVerifyCodeBox</name>
    <message>
        <source>Refresh</source>
        <translation>Segarkan</translation>
    </message>
    <message>
        <source>Send Code</source>
        <translation>Kirim Kode</translation>
    </message>
    <message>
        <source>Please input captcha</source>
        <translation>Silakan masukkan kode captcha</translation>
    </message>
    <message>
        <source>Please input verify code</source>
        <translation>Silakan masukkan kode verifikasi</translation>
    </message>
    <message>
        <source>Click to load another picture</source>
        <translation>Klik untuk memuat gambar lain</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>Writing file error.</source>
        <translation>Kesalahan saat menulis file.</translation>
    </message>
    <message>
        <source>There is no enough storage space.</source>
        <translation>Ruang penyimpanan tidak cukup.</translation>
    </message>
    <message>
        <source>Recording more than one video at the same time is not allowed.</source>
        <translation>Tidak dapat merekam lebih dari satu video secara bersamaan.</translation>
    </message>
    <message>
        <source>Please config save path in options.</source>
        <translation>Silakan atur lokasi penyimpanan di pengaturan.</translation>
    </message>
</context>
</TS>
