#pragma once

#include "gui/app/size_snapping.h"

#include <QRect>

#include <span>

namespace kr::gui {

// Where one control of the main or technical-data screen goes, in its
// parent, at each of the three window sizes.
struct ControlPlacement {
    const char* Name;
    QRect Small;
    QRect Medium;
    QRect Large;

    const QRect& At(LayoutSize size) const;
};

// Every control the layout moves, containers before their contents.
std::span<const ControlPlacement> MainWindowPlacements();

}  // namespace kr::gui
