#pragma once

#include "core/canvas/canvas.h"
#include "core/data/cool_type.h"
#include "core/print/print_context.h"

namespace kr {

enum class CurvesPrintOutcome {
    Printed,
    // A cooler with its own circulation pump runs at its pump's one oil
    // flow and has no curves: nothing is printed and nothing needs saying.
    NoCurves,
    // The page cannot hold the charts at one printer pixel per chart unit
    // across and down; nothing is printed. The caller tells the user with the
    // text of keys::ErrorCurvesPageNarrow.
    PageTooNarrow,
};

// One landscape job: the heading with the sender and the cooler's
// designation, the logo, both performance charts of a fresh sweep scaled to
// the page, the operating conditions the cooler was rated at, the
// requirement legend under them, and the version line. The requirement is
// marked whether the cooler came from a duty or is a known cooler's
// estimate. pressureUnit is the options' pressure display unit (an index
// into UnitsPressure).
CurvesPrintOutcome PrintPerformanceCurves(Canvas& canvas, const PrintContext& context, const tCoolType& cooler,
                                          int pressureUnit);

}  // namespace kr
