// Fixed-length record format of a question bank file.
//
// A bank file is a sequence of records of `recordLength` bytes without separators. Record 1
// holds the number of questions; then every question takes exactly `recordsPerQuestion`
// records: its text lines, its answer lines, one blank record closing the question and blank
// records filling up the rest. A question that uses every record has no closing record.
//
// A multiple-choice question: an answer starts on a line that begins with a marker " a)" ..
// " d)"; the correct answer has "*" instead of the blank ("*b)"). Answer text may go on over
// further lines without a marker.
//
// A typed-answer (cloze) question has no answers to choose from. Exactly one of its lines holds
// the expected answer between two stars ("je *50* km/h."); the candidate types it into a box
// laid over the starred part, the verdict is shown above that line and the correct answer below
// it. Blank lines inside the question are kept; the blank records after its last line are only
// filling, so there is no closing record of its own.
//
// A passing-order question is a picture of a junction only; its records are the answer boxes.
// Record i holds, as its first character, the number of the vehicle that passes i-th (a digit
// 1 to 9); the records after the last vehicle hold the digit 0. So a question always fills all
// its records, and with records of 5 characters and 8 boxes the order 3 1 2 is stored as
// "3    1    2    0    0    0    0    0    ".
//
// A sign-matching task shows fifteen signs and a numbered list of meanings; its records are the
// answer boxes under the signs, row by row. Record i holds the number of the meaning of sign i
// in decimal, blank padded ("12  "); the records after the fifteenth are spare and hold 0.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bankgen {

// Input error. `line` is a 0-based line index inside a question for errors raised while
// checking one question, a 1-based source line for source errors, or -1 when no line applies.
class BankError : public std::runtime_error {
public:
    explicit BankError(const std::string& message, int line = -1)
        : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

struct Layout {
    int recordLength = 33;
    int recordsPerQuestion = 16;
};

enum class QuestionKind {
    Choice,  // text, then the answers " a)" .. " d)", one of them marked with '*'
    Cloze,   // text with one gap: the expected answer between two '*' on one line
    Order,   // no text: the vehicle numbers in the order they pass, one a line
    Matching // no text: for each of the fifteen signs the number of its meaning, one a line
};

// A sign-matching task has this many signs, and its list at most this many meanings.
inline constexpr int kMatchingSigns = 15;
inline constexpr int kMaxMeanings = 30;

struct Answer {
    char letter = 'a';
    bool correct = false;
    std::vector<std::string> lines; // first line carries the marker
};

struct QuestionParts {
    std::vector<std::string> text;
    std::vector<Answer> answers;
};

// Drops trailing blanks (and a stray carriage return); they are only padding.
std::string trimRight(std::string_view line);

// Checks the stored lines of one question and splits them into text and answers.
// Throws BankError whose line() is the index of the offending line (or -1).
QuestionParts analyzeQuestion(const std::vector<std::string>& lines, const Layout& layout);

// The gap of a cloze question.
struct ClozeGap {
    int line = 0;           // index of the starred line
    std::size_t column = 0; // position of the first '*' in that line
    std::string answer;     // text between the stars, compared exactly with what is typed
};

// Checks the stored lines of one cloze question and finds its gap.
// Throws BankError whose line() is the index of the offending line (or -1).
ClozeGap analyzeCloze(const std::vector<std::string>& lines, const Layout& layout);

// Checks the lines of one passing-order question, each the number of one vehicle, and returns
// the numbers. Throws BankError whose line() is the index of the offending line (or -1).
std::vector<int> analyzeOrder(const std::vector<std::string>& lines, const Layout& layout);

// Checks the lines of one sign-matching task: exactly kMatchingSigns meaning numbers 1 to
// kMaxMeanings, each used once. Throws BankError whose line() is the offending line (or -1).
std::vector<int> analyzeMatching(const std::vector<std::string>& lines, const Layout& layout);

// analyzeQuestion, analyzeCloze, analyzeOrder or analyzeMatching, as `kind` says.
void checkQuestion(const std::vector<std::string>& lines, const Layout& layout, QuestionKind kind);

// Writes a complete bank file. Every question is checked with checkQuestion first; errors
// are reported as "question N: ...", keeping the line index of the question.
std::string encodeBank(const std::vector<std::vector<std::string>>& questions, const Layout& layout,
                       QuestionKind kind = QuestionKind::Choice);

// Reads a bank file back: for every question its lines without the closing and filling
// records (blank, or 0 in a passing-order or sign-matching bank). Throws BankError on any
// structural fault.
std::vector<std::vector<std::string>> decodeBank(std::string_view bytes, const Layout& layout,
                                                 QuestionKind kind = QuestionKind::Choice);

} // namespace bankgen
