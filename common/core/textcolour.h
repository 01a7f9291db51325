#pragma once

// A colour as its red, green and blue components, 0..255 each.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

// The three text colours both programs offer with their radio buttons "青", "赤", "緑".
namespace TextColours {
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Green{0, 255, 0};
} // namespace TextColours
