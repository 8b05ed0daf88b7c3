// The progress files of a multiple-choice test, "BrZadPit." followed by the candidate's list
// position: three header lines (last question, answered, correct), then one row per question,
// the letter given followed by its result letter. "BrZadPit.0" is the blank template.
//
// Rows hold the in-memory state of an answer byte for byte: NUL NUL for a question never
// answered, two blanks for one cleared by Reset, and "a".."d" with "T" or "N" for an answer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kviz {

inline constexpr const char* kProgressFilePrefix = "BrZadPit.";

std::string progressFileName(int position);

// Moves a progress file that nobody in the candidate list owns out of the way of the name that
// takes its position: it goes to the first free name of "<file>.bak", "<file>.bak2", ..., which
// nothing reads as progress. An empty file, or none, stays as it is. False when a file that
// holds something is still in place (the folder cannot be written, for one).
bool setAsideProgressFile(const std::filesystem::path& path);

// The three header lines.
std::vector<std::string> progressHeader(int lastQuestion, std::int32_t answered,
                                        std::int32_t correct);

// The multiple-choice rows of questions 1 to N, from the answer tables (index 0 unused).
std::vector<std::string> choiceRows(const std::vector<char>& letters,
                                    const std::vector<char>& results);

// A multiple-choice row read back: an answer, blanks, or NULs; any other shape reads as never
// answered.
std::pair<char, char> readChoiceRow(const std::string& row);

// The template: last question 1, both counts 0, and an empty line per question.
std::vector<std::string> templateLines(int questionCount);

struct ProgressHeader {
    std::optional<int> lastQuestion;
    std::optional<std::int32_t> answered;
    std::optional<std::int32_t> correct;
};

// Reads the header of a progress file of a test with N questions; a line that is missing
// leaves its value empty. A last question outside 1..N gives 1; the counts are kept within
// 0..N, correct at most answered.
ProgressHeader parseProgressHeader(const std::vector<std::string>& lines, int questionCount);

// The rows of questions 1 to N that the file holds; rows beyond N are left out.
std::vector<std::string> progressRows(const std::vector<std::string>& lines, int questionCount);

// True when the lines of a progress file hold an answer: a count above 0, or a row that ends in
// the result letter "T" or "N".
bool holdsAnswers(const std::vector<std::string>& lines);

// Work given to a candidate later, joined to her saved progress in the test, as if she had been
// chosen before it began. Only her first attempts are kept: a saved row with a verdict stays,
// and a row of the work with a verdict fills only a row she left without one. The counts grow
// by exactly the rows filled: one answered for each, one right for each "T". The question open
// on screen (0 for none) is not counted: a saved verdict takes its place, else its row stays as
// the work has it, open, to be counted when it is left. The last question is the work's. Work
// without answers gives the saved progress as it stands.
struct JoinedProgress {
    std::vector<std::string> lines;
    bool openStays = false; // the question open on screen keeps the work's answer, still open
};
JoinedProgress joinProgress(const std::vector<std::string>& saved,
                            const std::vector<std::string>& work, int questionCount,
                            int openQuestion);

} // namespace kviz
