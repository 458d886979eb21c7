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
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../ui/QEAlertDialog.ui" line="241"/>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Alerte</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="100"/>
        <source>Application is running...</source>
        <translation>L'application est déjà en cours d'exécution...</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="120"/>
        <source>Please close the following application/process before launch Pivora.</source>
        <translation>Veuillez fermer l'application/le processus suivant avant de lancer Pivora.</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="151"/>
        <location filename="../../app/QPivoraApplication.cpp" line="221"/>
        <source>Please check network and restart app.</source>
        <translation>Veuillez vérifier le réseau et redémarrer l'application.</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="188"/>
        <source>To continue using this program you must apply to the latest update.</source>
        <translation>Pour continuer à utiliser ce programme, vous devez installer la dernière mise à jour.</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="192"/>
        <source>New Version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="193"/>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <location filename="../../app/QPivoraApplication.cpp" line="271"/>
        <source>Pivora</source>
        <translation>Pivora</translation>
    </message>
</context>
</TS>
