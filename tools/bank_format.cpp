#include "bank_format.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace bankgen {

namespace {

bool isAnswerLetter(char c) { return c >= 'a' && c <= 'd'; }

// Returns the answer letter if the line starts with a marker (" a)" or "*a)"), else 0.
char markerLetter(std::string_view line) {
    if (line.size() >= 3 && (line[0] == ' ' || line[0] == '*') && isAnswerLetter(line[1]) &&
        line[2] == ')')
        return line[1];
    return 0;
}

std::string quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

// Text that is not a marker must not look like one to a reader scanning the records.
void checkNoMarkers(std::string_view text, int index, bool wholeLine) {
    for (char letter = 'a'; letter <= 'd'; ++letter) {
        const std::string marker{' ', letter, ')'};
        if (text.find(marker) != std::string_view::npos)
            throw BankError(quoted(marker) + " looks like an answer marker; rephrase the text",
                            index);
    }
    if (wholeLine && text.size() >= 2 && isAnswerLetter(text[0]) && text[1] == ')')
        throw BankError(quoted(text.substr(0, 2)) +
                            " at the start of a line: an answer line begins with a blank or '*'",
                        index);
}

void checkPlainText(std::string_view text, int index, bool wholeLine) {
    if (text.find('*') != std::string_view::npos)
        throw BankError("'*' may only appear in the marker of the correct answer", index);
    checkNoMarkers(text, index, wholeLine);
}

void checkLineCount(const std::vector<std::string>& lines, const Layout& layout) {
    if (static_cast<int>(lines.size()) > layout.recordsPerQuestion)
        throw BankError("question has " + std::to_string(lines.size()) + " lines, at most " +
                        std::to_string(layout.recordsPerQuestion) + " fit");
}

void checkCharacters(std::string_view line, int index, const Layout& layout) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c > 0x7e) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(c));
            throw BankError("character " + std::string(code) + " in column " +
                                std::to_string(i + 1) + " is not printable ASCII",
                            index);
        }
    }
    if (static_cast<int>(line.size()) > layout.recordLength)
        throw BankError("line has " + std::to_string(line.size()) + " characters, at most " +
                            std::to_string(layout.recordLength) + " fit in a record",
                        index);
}

std::string padded(std::string_view line, const Layout& layout) {
    std::string record(line);
    record.resize(static_cast<std::size_t>(layout.recordLength), ' ');
    return record;
}

bool isBlank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' '; });
}

} // namespace

std::string trimRight(std::string_view line) {
    const auto end = line.find_last_not_of(" \r");
    return std::string(end == std::string_view::npos ? std::string_view{}
                                                     : line.substr(0, end + 1));
}

QuestionParts analyzeQuestion(const std::vector<std::string>& rawLines, const Layout& layout) {
    checkLineCount(rawLines, layout);

    QuestionParts parts;
    for (int index = 0; index < static_cast<int>(rawLines.size()); ++index) {
        const std::string line = trimRight(rawLines[static_cast<std::size_t>(index)]);
        checkCharacters(line, index, layout);
        const char letter = markerLetter(line);

        if (letter != 0) {
            const char expected = static_cast<char>('a' + parts.answers.size());
            if (letter != expected) {
                if (parts.answers.empty())
                    throw BankError("first answer is " + quoted(std::string{letter, ')'}) +
                                        ", answers must start with 'a)'",
                                    index);
                throw BankError(quoted(std::string{letter, ')'}) + " follows " +
                                    quoted(std::string{parts.answers.back().letter, ')'}) +
                                    ", answers must go in order a, b, c, d",
                                index);
            }
            checkPlainText(std::string_view(line).substr(3), index, false);
            parts.answers.push_back(Answer{letter, line[0] == '*', {line}});
        } else if (parts.answers.empty()) {
            checkPlainText(line, index, true);
            parts.text.push_back(line);
        } else {
            if (line.empty())
                throw BankError("blank line among the answers would end the question early", index);
            checkPlainText(line, index, true);
            parts.answers.back().lines.push_back(line);
        }
    }

    if (std::all_of(parts.text.begin(), parts.text.end(),
                    [](const std::string& l) { return l.empty(); }))
        throw BankError("question has no text before its answers");
    if (parts.answers.size() < 2)
        throw BankError("question needs at least the answers 'a)' and 'b)'");

    std::string correct;
    for (const auto& answer : parts.answers)
        if (answer.correct)
            correct += answer.letter;
    if (correct.empty())
        throw BankError("no correct answer; mark it with '*' in place of the blank, e.g. '*b)'");
    if (correct.size() > 1)
        throw BankError("more than one correct answer (" + correct + ")");
    return parts;
}

ClozeGap analyzeCloze(const std::vector<std::string>& rawLines, const Layout& layout) {
    checkLineCount(rawLines, layout);

    std::optional<ClozeGap> gap;
    for (int index = 0; index < static_cast<int>(rawLines.size()); ++index) {
        const std::string line = trimRight(rawLines[static_cast<std::size_t>(index)]);
        checkCharacters(line, index, layout);
        if (markerLetter(line) != 0)
            throw BankError(quoted(line.substr(0, 3)) +
                                " is an answer marker; a typed-answer question offers no answers",
                            index);
        checkNoMarkers(line, index, true);

        const auto stars = std::count(line.begin(), line.end(), '*');
        if (stars == 0)
            continue;
        if (stars != 2)
            throw BankError("line has " + std::to_string(stars) +
                                " '*'; the answer stands between exactly two",
                            index);
        if (gap)
            throw BankError("a second starred line; the answer is already on line " +
                                std::to_string(gap->line + 1) + " of the question",
                            index);

        const std::size_t first = line.find('*');
        const std::size_t second = line.find('*', first + 1);
        const std::string answer = line.substr(first + 1, second - first - 1);
        if (answer.find_first_not_of(' ') == std::string::npos)
            throw BankError("nothing to type between the stars", index);
        if (answer.front() == ' ' || answer.back() == ' ')
            throw BankError("answer " + quoted(answer) +
                                " has blanks inside the stars; typing is compared exactly",
                            index);
        if (index == 0)
            throw BankError("the answer is on the first line; the verdict is shown above it",
                            index);
        if (index == layout.recordsPerQuestion - 1)
            throw BankError("the answer is on the last record of the question; the correct "
                            "answer is shown below it",
                            index);
        gap = ClozeGap{index, first, answer};
    }
    if (!gap)
        throw BankError("no answer; put it between two '*', e.g. 'je *50* km/h'");
    if (trimRight(rawLines.back()).empty())
        throw BankError("blank line at the end of the question; the records after the last line "
                        "are blank anyway",
                        static_cast<int>(rawLines.size()) - 1);
    return *gap;
}

std::vector<int> analyzeOrder(const std::vector<std::string>& rawLines, const Layout& layout) {
    if (rawLines.empty())
        throw BankError("no passing order");
    if (static_cast<int>(rawLines.size()) > layout.recordsPerQuestion)
        throw BankError("order of " + std::to_string(rawLines.size()) + " vehicles, at most " +
                        std::to_string(layout.recordsPerQuestion) + " boxes");

    std::vector<int> order;
    for (int index = 0; index < static_cast<int>(rawLines.size()); ++index) {
        const std::string line = trimRight(rawLines[static_cast<std::size_t>(index)]);
        if (line.size() != 1 || line[0] < '1' || line[0] > '9')
            throw BankError(quoted(line) + " is not a vehicle number 1 to 9", index);
        const int vehicle = line[0] - '0';
        if (std::find(order.begin(), order.end(), vehicle) != order.end())
            throw BankError("vehicle " + line + " passes twice", index);
        order.push_back(vehicle);
    }
    return order;
}

std::vector<int> analyzeMatching(const std::vector<std::string>& rawLines, const Layout& layout) {
    if (rawLines.size() != static_cast<std::size_t>(kMatchingSigns))
        throw BankError(std::to_string(rawLines.size()) + " signs, a task has " +
                        std::to_string(kMatchingSigns));
    if (layout.recordsPerQuestion < kMatchingSigns)
        throw BankError("a task needs " + std::to_string(kMatchingSigns) + " records");

    std::vector<int> keys;
    for (int index = 0; index < kMatchingSigns; ++index) {
        const std::string line = trimRight(rawLines[static_cast<std::size_t>(index)]);
        int key = 0;
        const bool digits =
            !line.empty() && line.size() <= 2 && line[0] != '0' &&
            std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits)
            key = std::stoi(line);
        if (key < 1 || key > kMaxMeanings)
            throw BankError(quoted(line) + " is not a meaning number 1 to " +
                                std::to_string(kMaxMeanings),
                            index);
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            throw BankError("meaning " + line + " is given to two signs", index);
        keys.push_back(key);
    }
    return keys;
}

void checkQuestion(const std::vector<std::string>& lines, const Layout& layout, QuestionKind kind) {
    switch (kind) {
    case QuestionKind::Choice:
        analyzeQuestion(lines, layout);
        return;
    case QuestionKind::Cloze:
        analyzeCloze(lines, layout);
        return;
    case QuestionKind::Order:
        analyzeOrder(lines, layout);
        return;
    case QuestionKind::Matching:
        analyzeMatching(lines, layout);
        return;
    }
}

std::string encodeBank(const std::vector<std::vector<std::string>>& questions, const Layout& layout,
                       QuestionKind kind) {
    std::string bytes = padded(std::to_string(questions.size()), layout);
    for (std::size_t q = 0; q < questions.size(); ++q) {
        try {
            checkQuestion(questions[q], layout, kind);
        } catch (const BankError& error) {
            throw BankError("question " + std::to_string(q + 1) + ": " + error.what(),
                            error.line());
        }
        // Lines go out as they are, in order; the first of the filling blank records closes a
        // multiple-choice question. The unused boxes of a passing order and the spare records of
        // a sign-matching task hold 0.
        for (const auto& line : questions[q])
            bytes += padded(trimRight(line), layout);
        const bool boxes = kind == QuestionKind::Order || kind == QuestionKind::Matching;
        const std::string filling = boxes ? "0" : "";
        for (auto i = questions[q].size(); i < static_cast<std::size_t>(layout.recordsPerQuestion);
             ++i)
            bytes += padded(filling, layout);
    }
    return bytes;
}

std::vector<std::vector<std::string>> decodeBank(std::string_view bytes, const Layout& layout,
                                                 QuestionKind kind) {
    const auto length = static_cast<std::size_t>(layout.recordLength);
    const auto perQuestion = static_cast<std::size_t>(layout.recordsPerQuestion);
    if (bytes.size() < length)
        throw BankError("file is shorter than the header record");

    const std::string header = trimRight(bytes.substr(0, length));
    if (header.empty() ||
        !std::all_of(header.begin(), header.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw BankError("header record " + quoted(header) + " is not a question count");
    const std::size_t count = std::stoul(header);
    const std::size_t expected = (1 + count * perQuestion) * length;
    if (bytes.size() != expected)
        throw BankError("file has " + std::to_string(bytes.size()) + " bytes, " +
                        std::to_string(count) + " questions need " + std::to_string(expected));

    std::vector<std::vector<std::string>> questions;
    for (std::size_t q = 0; q < count; ++q) {
        const auto record = [&](std::size_t i) {
            return bytes.substr((1 + q * perQuestion + i) * length, length);
        };
        const std::string where = "question " + std::to_string(q + 1) + ": ";
        std::vector<std::string> lines;
        if (kind == QuestionKind::Order) {
            bool unused = false;
            for (std::size_t i = 0; i < perQuestion; ++i) {
                const std::string box = trimRight(record(i));
                if (box.size() != 1 || box[0] < '0' || box[0] > '9')
                    throw BankError(where + "record " + quoted(record(i)) +
                                        " is not one digit followed by blanks",
                                    static_cast<int>(i));
                if (box == "0")
                    unused = true;
                else if (unused)
                    throw BankError(where + "vehicle " + box + " after an unused box",
                                    static_cast<int>(i));
                else
                    lines.push_back(box);
            }
        } else if (kind == QuestionKind::Matching) {
            for (std::size_t i = 0; i < perQuestion; ++i) {
                const std::string box = trimRight(record(i));
                if (i < static_cast<std::size_t>(kMatchingSigns))
                    lines.push_back(box);
                else if (box != "0")
                    throw BankError(where + "spare record " + quoted(record(i)) + " is not 0",
                                    static_cast<int>(i));
            }
        } else if (kind == QuestionKind::Cloze) {
            for (std::size_t i = 0; i < perQuestion; ++i)
                lines.push_back(trimRight(record(i)));
            while (!lines.empty() && lines.back().empty())
                lines.pop_back();
        } else {
            bool inAnswers = false;
            std::size_t i = 0;
            for (; i < perQuestion; ++i) {
                const std::string line = trimRight(record(i));
                if (inAnswers && line.empty())
                    break;
                inAnswers = inAnswers || markerLetter(line) != 0;
                lines.push_back(line);
            }
            for (; i < perQuestion; ++i)
                if (!isBlank(record(i)))
                    throw BankError(where + "text after the closing blank record",
                                    static_cast<int>(i));
        }
        try {
            checkQuestion(lines, layout, kind);
        } catch (const BankError& error) {
            throw BankError(where + error.what(), error.line());
        }
        questions.push_back(std::move(lines));
    }
    return questions;
}

} // namespace bankgen
