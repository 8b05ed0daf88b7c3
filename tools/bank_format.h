// Fixed-length record format of a question bank file.
//
// A bank file is a sequence of records of `recordLength` bytes without separators. Record 1
// holds the number of questions; then every question takes exactly `recordsPerQuestion`
// records: its text lines, its answer lines, one blank record closing the question and blank
// records filling up the rest. A question that uses every record has no closing record.
//
// An answer starts on a line that begins with a marker " a)" .. " d)"; the correct answer has
// "*" instead of the blank ("*b)"). Answer text may go on over further lines without a marker.
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

// Writes a complete bank file. Every question is checked with analyzeQuestion first; errors
// are reported as "question N: ...", keeping the line index of the question.
std::string encodeBank(const std::vector<std::vector<std::string>>& questions,
                       const Layout& layout);

// Reads a bank file back: for every question its lines without the closing and filling
// blank records. Throws BankError on any structural fault.
std::vector<std::vector<std::string>> decodeBank(std::string_view bytes, const Layout& layout);

} // namespace bankgen
