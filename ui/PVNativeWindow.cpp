#include "ui/PVNativeWindow.h"

#include <QWidget>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>

namespace PVNativeWindow {

bool setCardinalProperty(QWidget* window, const QByteArray& name, quint32 value)
{
    if (!window || !QX11Info::isPlatformX11())
        return false;
    xcb_connection_t* connection = QX11Info::connection();
    if (!connection)
        return false;
    const xcb_window_t handle = xcb_window_t(window->window()->winId());
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection,
        xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
    if (!atom)
        return false;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, handle, atom->atom, XCB_ATOM_CARDINAL, 32, 1, &value);
    std::free(atom);
    xcb_flush(connection);
    return true;
}

} // namespace PVNativeWindow
