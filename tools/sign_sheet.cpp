#include "sign_sheet.h"

#include "bank_source.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace bankgen {

namespace {

int positiveNumber(const std::string& text, int line) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 1)
        throw BankError("'" + text + "' is not a positive number", line);
    return value;
}

// The text after the first `skip` words of a line, with single blanks between words.
std::string restOfLine(const std::vector<std::string>& words, std::size_t skip) {
    std::string text;
    for (std::size_t i = skip; i < words.size(); ++i)
        text += (text.empty() ? "" : " ") + words[i];
    return text;
}

// A sign name is checked by the picture reader, as the sign of a closeup.
Sign parseSignName(const std::string& name, int line) {
    const SourcePicture picture{0, line, {Statement{line, {"closeup", name}}}};
    return *parseScene(picture).closeup;
}

void checkSheet(const SignSheet& sheet) {
    const std::string task = "task " + std::to_string(sheet.number) + ": ";
    const int meanings = static_cast<int>(sheet.meanings.size());
    if (meanings < kMinMeanings || meanings > kMaxMeanings)
        throw BankError(task + std::to_string(meanings) + " meanings, a list holds " +
                            std::to_string(kMinMeanings) + " to " + std::to_string(kMaxMeanings),
                        sheet.line);
    if (sheet.signs.size() != static_cast<std::size_t>(kMatchingSigns))
        throw BankError(task + std::to_string(sheet.signs.size()) + " signs, a task has " +
                            std::to_string(kMatchingSigns),
                        sheet.line);

    std::vector<int> owner(sheet.meanings.size() + 1, 0); // sign line per meaning
    bool inGridOrder = true;
    for (std::size_t i = 0; i < sheet.signs.size(); ++i) {
        const SheetSign& s = sheet.signs[i];
        if (s.meaning > meanings)
            throw BankError(task + "meaning " + std::to_string(s.meaning) +
                                " is not in the list of " + std::to_string(meanings),
                            s.line);
        auto& taken = owner[static_cast<std::size_t>(s.meaning)];
        if (taken != 0)
            throw BankError(task + "meaning " + std::to_string(s.meaning) +
                                " is already given to the sign on line " + std::to_string(taken),
                            s.line);
        taken = s.line;
        for (std::size_t j = 0; j < i; ++j)
            if (sheet.signs[j].name == s.name)
                throw BankError(task + "sign " + s.name + " is already shown on line " +
                                    std::to_string(sheet.signs[j].line),
                                s.line);
        inGridOrder = inGridOrder && s.meaning == static_cast<int>(i) + 1;
    }
    if (inGridOrder)
        throw BankError(task + "the list follows the order of the signs; shuffle it", sheet.line);
}

} // namespace

std::vector<SignSheet> parseSignSheets(std::istream& in) {
    std::vector<SignSheet> sheets;
    int lineNumber = 0;
    for (std::string raw; nextSourceLine(in, raw, lineNumber);) {
        const auto words = splitWords(raw);
        const std::string& keyword = words[0];

        if (keyword == "task") {
            if (words.size() != 2)
                throw BankError("expected 'task <n>'", lineNumber);
            const int number = positiveNumber(words[1], lineNumber);
            if (number != static_cast<int>(sheets.size()) + 1)
                throw BankError("task " + words[1] + " where task " +
                                    std::to_string(sheets.size() + 1) +
                                    " belongs; tasks are numbered 1, 2, 3, ... in order",
                                lineNumber);
            if (!sheets.empty())
                checkSheet(sheets.back());
            sheets.push_back(SignSheet{number, lineNumber, {}, {}});
            continue;
        }
        if (sheets.empty())
            throw BankError("'" + keyword + "' before the first 'task'", lineNumber);
        SignSheet& sheet = sheets.back();

        if (keyword == "meaning") {
            if (words.size() < 3)
                throw BankError("expected 'meaning <n> <text>'", lineNumber);
            const int number = positiveNumber(words[1], lineNumber);
            if (number != static_cast<int>(sheet.meanings.size()) + 1)
                throw BankError("meaning " + words[1] + " where meaning " +
                                    std::to_string(sheet.meanings.size() + 1) +
                                    " belongs; meanings are numbered in the order shown",
                                lineNumber);
            const std::string text = restOfLine(words, 2);
            if (text.size() > kMaxMeaningLength)
                throw BankError("meaning longer than " + std::to_string(kMaxMeaningLength) +
                                    " characters",
                                lineNumber);
            if (!std::all_of(text.begin(), text.end(), [](char c) {
                    return static_cast<unsigned char>(c) >= 0x20 &&
                           static_cast<unsigned char>(c) <= 0x7e;
                }))
                throw BankError("meaning with a character that is not printable ASCII", lineNumber);
            if (std::find(sheet.meanings.begin(), sheet.meanings.end(), text) !=
                sheet.meanings.end())
                throw BankError("meaning '" + text + "' is listed twice", lineNumber);
            sheet.meanings.push_back(text);
        } else if (keyword == "sign") {
            if (words.size() != 3)
                throw BankError("expected 'sign <name> <meaning number>'", lineNumber);
            const Sign sign = parseSignName(words[1], lineNumber);
            sheet.signs.push_back(
                SheetSign{words[1], sign, positiveNumber(words[2], lineNumber), lineNumber});
        } else {
            throw BankError("unexpected '" + keyword + "'; expected 'task', 'meaning' or 'sign'",
                            lineNumber);
        }
    }
    if (sheets.empty())
        throw BankError("no tasks", 0);
    checkSheet(sheets.back());
    return sheets;
}

std::vector<std::string> sheetKeys(const SignSheet& sheet) {
    std::vector<std::string> keys;
    for (const auto& s : sheet.signs)
        keys.push_back(std::to_string(s.meaning));
    return keys;
}

} // namespace bankgen
