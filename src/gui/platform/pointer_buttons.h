#pragma once

namespace kr::gui {

// Whether a mouse button is held down at this moment. While a window
// manager drags the window's border it keeps the pointer to itself, so the
// program sees no button events and must ask the display server.
bool MouseButtonHeld();

}  // namespace kr::gui
