#include "gui/platform/pointer_buttons.h"

#include <QGuiApplication>

#if KR_HAVE_XCB && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>
#endif

namespace kr::gui {

namespace {

#if KR_HAVE_XCB && QT_CONFIG(xcb)
// The X server's own view of the pointer buttons; none when the program
// does not run on X11.
std::optional<bool> X11ButtonHeld()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> pointer(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr), &std::free);
    if (!pointer)
        return std::nullopt;
    // Buttons 4 and 5 are the wheel, pressed and released in one step.
    constexpr unsigned AnyButton = XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3;
    return (pointer->mask & AnyButton) != 0;
}
#endif

}  // namespace

bool MouseButtonHeld()
{
#if KR_HAVE_XCB && QT_CONFIG(xcb)
    if (const std::optional<bool> held = X11ButtonHeld())
        return *held;
#endif
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

}  // namespace kr::gui
