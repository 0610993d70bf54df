#pragma once

namespace zek {

// A colour as red, green, blue.
struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// The colour of box 0 (error box) to 5: its label, its counter and, when
// chosen, the card area and the word total.
Rgb boxColour(int box);
// The learnt cards (box 6), where the editor and the teacher's view show them.
inline constexpr Rgb learnedColour{255, 255, 192};

} // namespace zek
