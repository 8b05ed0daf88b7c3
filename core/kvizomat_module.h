// basKvizomat: the values that all test windows share, one copy for the whole process.
//
// Texts are kept as the Windows-1250 bytes that the trainer's files hold. Every text starts
// empty and every number at 0 when the process starts.
#pragma once

#include <cstdint>
#include <string>

namespace kviz {

// The name that stands for a candidate who has not given one; the first entry of a new list.
inline constexpr char kNewCandidate[] = "NOVI KANDIDAT";

struct SharedVariables {
    // The current candidate, in capitals; "NOVI KANDIDAT" while no name has been given.
    std::string candidateName;
    // Green of "DA", of the frame round a correct answer and of correct numbers (0xRRGGBB).
    std::uint32_t correctColour = 0;
    // Answered and correctly answered questions of the current test.
    std::int32_t answeredCount = 0;
    std::int32_t correctCount = 0;
    // The program's own folder and the active test's folders, each ending in a separator.
    std::string programFolder;
    std::string testFolder;
    std::string pictureFolder;
    std::string questionFolder;
};

extern SharedVariables basKvizomat;

} // namespace kviz
