#pragma once
#include <QString>
#include <QVariant>

// The remembered login key is kept scrambled in the settings ("lastUser"): its UTF-8 bytes,
// each XORed with one fixed byte. The bytes are stored as a Latin-1 string so that every
// byte value survives the JSON settings file unchanged.
namespace PVLastUser {
QByteArray scramble(const QByteArray& bytes);
QVariant toSetting(const QString& loginKey);
QString fromSetting(const QVariant& value);
}
