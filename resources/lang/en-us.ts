<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PVDevice</name>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your computer&apos;s graphics card setting does not support hardware decoding. To maximise your experience, please visit our official website and set up your system as instructed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>QPVDeviceCtrlBar</name>
    <message>
        <source>Rotate 90°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Device Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Device Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPVDeviceHIDControl</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Mapper</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPVDeviceWidget</name>
    <message>
        <source>Pivora (Window Capture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pivora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Control Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Control Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate 90°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
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
