// The question file of a multiple-choice test: fixed-length records of display lines, record 1
// holding the question count, question q line i at record (q - 1) * K + i + 1.
//
// A line belongs to answer a when it holds " a)" or "*a)", likewise b, c and d; the "*" marks
// the correct answer and is shown as a blank.
#pragma once

#include "platform/files.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kviz {

class QuestionFile {
public:
    // Opens the file read-only; a missing file stays closed and holds no question.
    bool open(const std::filesystem::path& path, int recordLength, int recordsPerQuestion);
    void close() { file_.close(); }
    bool isOpen() const { return file_.isOpen(); }

    int recordLength() const { return recordLength_; }
    int recordsPerQuestion() const { return recordsPerQuestion_; }

    // Record 1.
    std::string header() { return file_.read(1); }
    // Line i (1-based) of question q; blanks past the end of the file.
    std::string line(int question, int line);
    // Questions of which the file holds at least one record.
    int questionsHeld() const;
    // The count of record 1, limited to what the file holds (see questionCountFromHeader).
    int questionCount();

private:
    files::RecordFile file_;
    int recordLength_ = 33;
    int recordsPerQuestion_ = 16;
};

// The question count of a header record: its leading number rounded halves to even. A count
// that is negative, beyond 32767 or beyond the questions held gives the questions held.
int questionCountFromHeader(std::string_view header, int questionsHeld);

// What one line of a multiple-choice question holds.
struct ChoiceLine {
    bool marks[4] = {false, false, false, false}; // answers a to d begin on this line
    char correctLetter = 0;                       // the letter marked by "*", 0 when none
    std::string shown;                            // the line as shown: its first "*" a blank
};

ChoiceLine analyseChoiceLine(std::string_view record);

// True when the line consists of blanks only.
bool isBlankLine(std::string_view record);

} // namespace kviz
