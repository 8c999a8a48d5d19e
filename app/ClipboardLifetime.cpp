#include "app/ClipboardLifetime.h"

#include <QGuiApplication>

#ifdef ZM_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

bool ClipboardLifetime::OutlivesProgram()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("windows") || platform == QLatin1String("cocoa"))
        return true;
    if (platform == QLatin1String("xcb"))
        return X11ManagerRuns();
    return false; // Wayland and the rest: nothing known to keep it
}

// A clipboard manager owns the CLIPBOARD_MANAGER selection.
bool ClipboardLifetime::X11ManagerRuns()
{
#ifdef ZM_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const char name[] = "CLIPBOARD_MANAGER";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool runs = owner && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return runs;
#else
    return false;
#endif
}
