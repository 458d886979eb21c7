<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QEAlertDialog</name>
    <message>
        <source>Pivora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPivoraApplication</name>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is running...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check network and restart app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
