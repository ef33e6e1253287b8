#include "GLZoomLevels.h"

#include <array>

namespace GLZoomLevels {

const QList<int>& xFactors()
{
    static const QList<int> factors{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    return factors;
}

const QList<int>& yFactors()
{
    static const QList<int> factors{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000};
    return factors;
}

int levelOf(const QList<int>& factors, double f, int direction)
{
    const int last = int(factors.size()) - 1;
    int level = last;
    for (int i = 0; i <= last; ++i) {
        if (factors.at(i) >= f) {
            level = i;
            break;
        }
    }
    if (direction < 0)
        return level > 0 ? level - 1 : 0;
    if (direction > 0 && factors.at(level) == f && level < last)
        return level + 1;
    return level;
}

float valueGridStep(float span)
{
    static constexpr std::array<float, 18> steps{0.01f, 0.02f, 0.05f, 0.1f, 0.2f, 0.5f,
                                                 1.0f,  2.0f,  5.0f,  10,   20,   50,
                                                 100,   200,   500,   1000, 2000, 5000};
    const float tenth = span / 10.0f;
    for (float step : steps) {
        if (step * 1.2f >= tenth)
            return step;
    }
    // Beyond the list (a channel scaled in the tens of thousands): the same 1-2-5 rhythm.
    for (double decade = 10000.0; decade < 1e30; decade *= 10.0) {
        for (double m : {1.0, 2.0, 5.0}) {
            if (m * decade * 1.2 >= tenth)
                return float(m * decade);
        }
    }
    return tenth;
}

int timeGridStep(double width)
{
    static constexpr std::array<int, 10> steps{10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
    for (int step : steps) {
        if (step * 1.2 >= width / 10.0)
            return step;
    }
    return 20000;
}

} // namespace GLZoomLevels
