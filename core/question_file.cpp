#include "core/question_file.h"

#include "platform/basic.h"

#include <algorithm>

namespace kviz {

bool QuestionFile::open(const std::filesystem::path& path, int recordLength,
                        int recordsPerQuestion) {
    recordLength_ = recordLength;
    recordsPerQuestion_ = recordsPerQuestion;
    return file_.open(path, recordLength);
}

std::string QuestionFile::line(int question, int line) {
    std::int64_t record = static_cast<std::int64_t>(question - 1) * recordsPerQuestion_ + line + 1;
    return file_.read(record);
}

int QuestionFile::questionsHeld() const {
    std::int64_t records = file_.recordCount();
    if (records <= 1)
        return 0;
    std::int64_t held = (records - 1 + recordsPerQuestion_ - 1) / recordsPerQuestion_;
    return static_cast<int>(std::min<std::int64_t>(held, 32767));
}

int QuestionFile::questionCount() {
    if (!file_.isOpen())
        return 0;
    return questionCountFromHeader(header(), questionsHeld());
}

int questionCountFromHeader(std::string_view header, int questionsHeld) {
    double number = basic::leadingNumber(header);
    double rounded = basic::roundHalfEven(number);
    if (rounded < 0 || rounded > 32767 || rounded > questionsHeld)
        return questionsHeld;
    return static_cast<int>(rounded);
}

ChoiceLine analyseChoiceLine(std::string_view record) {
    ChoiceLine line;
    for (int k = 0; k < 4; ++k) {
        char letter = static_cast<char>('a' + k);
        std::string plain = std::string(" ") + letter + ")";
        std::string starred = std::string("*") + letter + ")";
        line.marks[k] = record.find(plain) != std::string_view::npos ||
                        record.find(starred) != std::string_view::npos;
    }
    line.shown = std::string(record);
    auto star = line.shown.find('*');
    if (star != std::string::npos) {
        for (int k = 0; k < 4; ++k)
            if (line.marks[k])
                line.correctLetter = static_cast<char>('a' + k);
        line.shown[star] = ' ';
    }
    return line;
}

bool isBlankLine(std::string_view record) {
    return std::all_of(record.begin(), record.end(), [](char c) { return c == ' '; });
}

} // namespace kviz
