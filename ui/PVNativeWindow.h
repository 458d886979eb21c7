#pragma once
// Properties on a top-level window's native (X11) window, for other programs that look for it.
// Elsewhere than on X11 the calls do nothing.

#include <QByteArray>
#include <QtGlobal>

class QWidget;

namespace PVNativeWindow {

// Sets a 32-bit CARDINAL property; false when not on X11 or the window has no native handle.
bool setCardinalProperty(QWidget* window, const QByteArray& name, quint32 value);

} // namespace PVNativeWindow
