<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>QEAlertDialog</name>
    <message>
        <location filename="../../ui/QEAlertDialog.ui" line="20"/>
        <location filename="../../ui/QEAlertDialog.ui" line="90"/>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
    <message>
        <location filename="../../ui/QEAlertDialog.ui" line="225"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../ui/QEAlertDialog.ui" line="241"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="100"/>
        <location filename="../../app/QPivoraApplication.cpp" line="119"/>
        <location filename="../../app/QPivoraApplication.cpp" line="151"/>
        <location filename="../../app/QPivoraApplication.cpp" line="221"/>
        <source>Alert</source>
        <translation>提示</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="100"/>
        <source>Application is running...</source>
        <translation>程序已在运行……</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="120"/>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>启动 Pivora 前请先关闭以下程序/进程。</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="151"/>
        <location filename="../../app/QPivoraApplication.cpp" line="221"/>
        <source>Please check network and restart app.</source>
        <translation>请检查网络后重新启动程序。</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="188"/>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>必须更新到最新版本才能继续使用本程序。</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="192"/>
        <source>New Version</source>
        <translation>新版本</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="193"/>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="271"/>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
</context>
</TS>
