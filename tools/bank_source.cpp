#include "bank_source.h"

#include <charconv>
#include <sstream>

namespace bankgen {

bool nextSourceLine(std::istream& in, std::string& raw, int& lineNumber) {
    while (std::getline(in, raw)) {
        ++lineNumber;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        const auto start = raw.find_first_not_of(" \t");
        if (start != std::string::npos && raw[start] != '#')
            return true;
    }
    return false;
}

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

namespace {

int parseNumber(const std::vector<std::string>& words, int line) {
    if (words.size() != 2)
        throw BankError("'" + words[0] + "' takes exactly one number", line);
    int value = 0;
    const auto& text = words[1];
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 1)
        throw BankError("'" + text + "' is not a positive number", line);
    return value;
}

} // namespace

BankSource parseBankSource(std::istream& in, PictureStatements pictures, QuestionKind kind) {
    const bool orderBank = kind == QuestionKind::Order;
    BankSource source;
    enum class Block { None, Question, Picture } block = Block::None;
    int lineNumber = 0;

    for (std::string raw; nextSourceLine(in, raw, lineNumber);) {
        const auto start = raw.find_first_not_of(" \t");

        if (raw[start] == '|') {
            if (block != Block::Question)
                throw BankError("a '|' line must belong to a question", lineNumber);
            if (orderBank)
                throw BankError("a question of this bank has no text, only 'order'", lineNumber);
            auto& question = source.questions.back();
            question.lines.push_back(raw.substr(start + 1));
            question.lineNumbers.push_back(lineNumber);
            continue;
        }

        const auto words = splitWords(raw);
        if (words[0] == "question") {
            const int number = parseNumber(words, lineNumber);
            const int expected = static_cast<int>(source.questions.size()) + 1;
            if (number != expected)
                throw BankError("expected question " + std::to_string(expected) + ", found " +
                                    std::to_string(number) +
                                    "; questions are numbered 1, 2, 3, ... in order",
                                lineNumber);
            source.questions.push_back(SourceQuestion{number, lineNumber, {}, {}});
            block = Block::Question;
        } else if (words[0] == "picture") {
            if (pictures == PictureStatements::Rejected)
                throw BankError("this bank has no pictures; 'picture' is not allowed in its source",
                                lineNumber);
            const int number = parseNumber(words, lineNumber);
            for (const auto& picture : source.pictures)
                if (picture.number == number)
                    throw BankError("picture " + std::to_string(number) +
                                        " is already described on line " +
                                        std::to_string(picture.line),
                                    lineNumber);
            source.pictures.push_back(SourcePicture{number, lineNumber, {}});
            block = Block::Picture;
        } else if (block == Block::Picture) {
            source.pictures.back().statements.push_back(Statement{lineNumber, words});
        } else if (block == Block::Question && orderBank && words[0] == "order") {
            auto& question = source.questions.back();
            if (!question.lines.empty())
                throw BankError("question " + std::to_string(question.number) +
                                    " already has its order on line " +
                                    std::to_string(question.lineNumbers.front()),
                                lineNumber);
            if (words.size() < 2)
                throw BankError("'order' needs the vehicle numbers, first the one that passes "
                                "first",
                                lineNumber);
            question.lines.assign(words.begin() + 1, words.end());
            question.lineNumbers.assign(question.lines.size(), lineNumber);
        } else if (block == Block::Question && orderBank) {
            throw BankError("unexpected '" + words[0] + "' in a question; it holds only 'order'",
                            lineNumber);
        } else if (block == Block::Question) {
            throw BankError("unexpected '" + words[0] +
                                "' in a question; stored lines start with '|'",
                            lineNumber);
        } else {
            throw BankError("unexpected '" + words[0] + "'; expected 'question' or 'picture'",
                            lineNumber);
        }
    }
    return source;
}

void checkSourceQuestions(const BankSource& source, const Layout& layout, QuestionKind kind) {
    for (const auto& question : source.questions) {
        try {
            checkQuestion(question.lines, layout, kind);
        } catch (const BankError& error) {
            const int index = error.line();
            const int line = index >= 0 && index < static_cast<int>(question.lineNumbers.size())
                                 ? question.lineNumbers[static_cast<std::size_t>(index)]
                                 : question.line;
            throw BankError("question " + std::to_string(question.number) + ": " + error.what(),
                            line);
        }
    }
}

} // namespace bankgen
