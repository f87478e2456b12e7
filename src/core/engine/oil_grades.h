#pragma once

#include "core/common/extended.h"

#include <array>
#include <string_view>

namespace kr {

// One ISO VG oil grade. OilFactor scales the heat transfer; the kinematic
// viscosity at an oil temperature T (°C) is exp(ViscA · exp(ViscC · T)) cSt.
struct OilGrade {
    std::string_view Name;
    Extended OilFactor;
    Extended ViscA;
    Extended ViscC;
};

inline constexpr std::size_t OilGradeCount = 18;

// The index of a grade is its position in the oil-type lists of both search
// tabs.
inline constexpr std::array<OilGrade, OilGradeCount> OilGrades = {{
    {"ISO VG 2", 1.07L, 1.76737L, -0.01875L},
    {"ISO VG 3", 1.06L, 2.29375L, -0.01666L},
    {"ISO VG 5", 1.05L, 2.85698L, -0.0159L},
    {"ISO VG 7", 1.04L, 3.48716L, -0.01492L},
    {"ISO VG 10", 1.03L, 4.05036L, -0.01434L},
    {"ISO VG 15", 1.02L, 4.67476L, -0.0135L},
    {"ISO VG 22", 1.015L, 5.25397L, -0.01303L},
    {"ISO VG 32", 1.0L, 5.80208L, -0.01258L},
    {"ISO VG 46", 0.99L, 6.24027L, -0.01176L},
    {"ISO VG 68", 0.98L, 6.79656L, -0.01143L},
    {"ISO VG 100", 0.97L, 7.11887L, -0.01078L},
    {"ISO VG 150", 0.96L, 7.74282L, -0.01058L},
    {"ISO VG 220", 0.95L, 8.05992L, -0.00999L},
    {"ISO VG 320", 0.94L, 8.47118L, -0.00958L},
    {"ISO VG 460", 0.93L, 8.9691L, -0.00947L},
    {"ISO VG 680", 0.91L, 9.53417L, -0.00923L},
    {"ISO VG 1000", 0.88L, 9.86008L, -0.00874L},
    {"ISO VG 1500", 0.85L, 10.4474L, -0.00867L},
}};

// "ISO VG 32", the grade of the standard values.
inline constexpr int StandardOilGradeIndex = 7;

bool IsOilGradeIndex(int index);

// The grade at the index; an index outside the table (nothing chosen in a
// list, a bad command-line value) gives the standard grade rather than a
// read beyond the table.
int ValidOilGradeIndex(int index);
const OilGrade& OilGradeAt(int index);

// Kinematic viscosity (cSt) of the grade at an oil temperature (°C).
Extended OilViscosity(const OilGrade& grade, Extended oilTemp);

}  // namespace kr
