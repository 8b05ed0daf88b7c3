// The colours the windows draw and show in, as 0xRRGGBB.
#pragma once

#include <cstdint>

namespace kviz::colours {

// "DA", the frame round a right answer, right numbers, and the right share of the results.
inline constexpr std::uint32_t kCorrectGreen = 0x0AAA0A;
// "NE", and the wrong share of the results.
inline constexpr std::uint32_t kLightRed = 0xFF0000;
// The text of a question in a review or the demonstration, and the hover frame.
inline constexpr std::uint32_t kGrey = 0x808080;
// The face of the results table and the About windows.
inline constexpr std::uint32_t kLightGrey = 0xC0C0C0;
// The toolbar strip of a test window and the faces of its pictures.
inline constexpr std::uint32_t kToolbarGrey = 0xE0E0E0;
// The text of a question while it is answered, and the frames round texts and answer boxes.
inline constexpr std::uint32_t kBlack = 0x000000;
// The paper of a test window: what a frame is wiped out with.
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

} // namespace kviz::colours
