#include "core/engine/oil_grades.h"

#include <cmath>

namespace kr {

bool IsOilGradeIndex(int index) { return index >= 0 && static_cast<std::size_t>(index) < OilGradeCount; }

int ValidOilGradeIndex(int index) { return IsOilGradeIndex(index) ? index : StandardOilGradeIndex; }

const OilGrade& OilGradeAt(int index) { return OilGrades[static_cast<std::size_t>(ValidOilGradeIndex(index))]; }

Extended OilViscosity(const OilGrade& grade, Extended oilTemp)
{
    return std::exp(grade.ViscA * std::exp(grade.ViscC * oilTemp));
}

}  // namespace kr
