#include "BoxColours.h"

namespace zek {

Rgb boxColour(int box)
{
    static constexpr Rgb colours[6] = {
        {192, 192, 0}, {128, 255, 128}, {255, 192, 128}, {255, 128, 128}, {255, 128, 255}, {128, 128, 255},
    };
    return (box >= 0 && box <= 5) ? colours[box] : Rgb{255, 255, 255};
}

} // namespace zek
