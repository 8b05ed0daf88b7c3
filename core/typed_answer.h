// Typed answers: the cloze line of a text question, the two-character fields in which typed
// answers are kept, and the typed rows of the progress files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kviz {

// The line of a question that holds the expected answer between two stars.
struct ClozeLine {
    std::size_t firstStar = 0; // position of the first "*"
    std::string answer;        // the text after it, up to the next "*" or the end of the line
};

// The cloze of a record, when it holds a "*".
std::optional<ClozeLine> findCloze(std::string_view record);

// A box's text as a field of the stored answer: padded with blanks to the width (two
// characters unless said), a longer text kept whole.
std::string answerField(std::string_view text, std::size_t width = 2);

// True when the text is empty or holds blanks only.
bool isBlank(std::string_view text);

// A typed progress row: the answer text followed by its result letter; a question never
// answered is the NUL character alone.
std::string typedRow(const std::string& answer, char result);

// A typed row read back: the text without its last character, and that character as the
// result. An empty row gives nothing (the entry stays as it is); a row whose last character is
// no result letter ("T", "N", a blank or NUL) reads as never answered.
std::optional<std::pair<std::string, char>> readTypedRow(const std::string& row);

} // namespace kviz
