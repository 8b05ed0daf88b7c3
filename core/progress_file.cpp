#include "core/progress_file.h"

#include "platform/basic.h"

#include <algorithm>

namespace kviz {

std::string progressFileName(int position) {
    return std::string(kProgressFilePrefix) + std::to_string(position);
}

bool setAsideProgressFile(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return true;
    if (status.type() == fs::file_type::regular && fs::file_size(path, ec) == 0 && !ec)
        return true;
    // The counter has no ceiling: a free name is always found, however many are taken.
    for (std::uintmax_t n = 1;; ++n) {
        fs::path aside = path;
        aside += n == 1 ? std::string(".bak") : ".bak" + std::to_string(n);
        const fs::file_type taken = fs::symlink_status(aside, ec).type();
        if (taken == fs::file_type::not_found) {
            fs::rename(path, aside, ec);
            return !ec;
        }
        if (ec)
            return false; // the folder cannot be looked into
    }
}

std::vector<std::string> progressHeader(int lastQuestion, std::int32_t answered,
                                        std::int32_t correct) {
    return {std::to_string(lastQuestion) + " Broj zadnjeg pitanja",
            std::to_string(answered) + " Ukupno odgovora",
            std::to_string(correct) + " Tacnih odgovora"};
}

std::vector<std::string> choiceRows(const std::vector<char>& letters,
                                    const std::vector<char>& results) {
    std::vector<std::string> rows;
    for (std::size_t q = 1; q < letters.size() && q < results.size(); ++q)
        rows.push_back(std::string{letters[q], results[q]});
    return rows;
}

std::vector<std::string> templateLines(int questionCount) {
    std::vector<std::string> lines = {"1 Broj zadnjeg pitanja", "0 Ukupno odgovora",
                                      "0 Tacnih odgovora"};
    lines.resize(lines.size() + static_cast<std::size_t>(std::max(questionCount, 0)));
    return lines;
}

namespace {

std::int32_t headerNumber(const std::string& line) {
    auto value = basic::toLong(basic::leadingNumber(line));
    return value.value_or(-1);
}

} // namespace

std::pair<char, char> readChoiceRow(const std::string& row) {
    if (row.empty())
        return {' ', ' '};
    const char first = row.front();
    const char last = row.back();
    if (first >= 'a' && first <= 'd' && (last == 'T' || last == 'N') && row.size() >= 2)
        return {first, last};
    if (std::all_of(row.begin(), row.end(), [](char c) { return c == ' '; }))
        return {' ', ' '};
    return {'\0', '\0'};
}

ProgressHeader parseProgressHeader(const std::vector<std::string>& lines, int questionCount) {
    ProgressHeader loaded;
    const std::int32_t n = std::max(questionCount, 0);
    if (!lines.empty()) {
        std::int32_t last = headerNumber(lines[0]);
        loaded.lastQuestion = last >= 1 && last <= n ? last : 1;
    }
    if (lines.size() > 1)
        loaded.answered = std::clamp(headerNumber(lines[1]), 0, n);
    if (lines.size() > 2)
        loaded.correct = std::clamp(headerNumber(lines[2]), 0, loaded.answered.value_or(0));
    return loaded;
}

std::vector<std::string> progressRows(const std::vector<std::string>& lines, int questionCount) {
    std::vector<std::string> rows;
    for (std::size_t k = 3; k < lines.size() && k - 3 < static_cast<std::size_t>(questionCount);
         ++k)
        rows.push_back(lines[k]);
    return rows;
}

namespace {

bool rowAnswered(const std::string& row) {
    return !row.empty() && (row.back() == 'T' || row.back() == 'N');
}

} // namespace

bool holdsAnswers(const std::vector<std::string>& lines) {
    for (std::size_t k = 1; k < lines.size() && k < 3; ++k)
        if (headerNumber(lines[k]) > 0)
            return true;
    return lines.size() > 3 && std::any_of(lines.begin() + 3, lines.end(), rowAnswered);
}

JoinedProgress joinProgress(const std::vector<std::string>& saved,
                            const std::vector<std::string>& work, int questionCount,
                            int openQuestion) {
    if (!holdsAnswers(work))
        return {saved};
    bool openStays = false;
    const ProgressHeader theirs = parseProgressHeader(saved, questionCount);
    std::int32_t answered = theirs.answered.value_or(0);
    std::int32_t correct = theirs.correct.value_or(0);
    const auto workRows = progressRows(work, questionCount);
    const auto savedRows = progressRows(saved, questionCount);
    std::vector<std::string> rows;
    std::int32_t verdicts = 0; // the rows with a verdict that can be counted
    for (std::size_t q = 0; q < workRows.size(); ++q) {
        const bool hers = q < savedRows.size();
        const bool open = static_cast<int>(q) + 1 == openQuestion;
        if (hers && rowAnswered(savedRows[q])) {
            rows.push_back(savedRows[q]);
            ++verdicts;
        } else if (open || rowAnswered(workRows[q]) || !hers) {
            rows.push_back(workRows[q]);
            openStays = openStays || open;
            if (!open && rowAnswered(workRows[q])) {
                ++verdicts;
                ++answered;
                correct += workRows[q].back() == 'T' ? 1 : 0;
            }
        } else {
            rows.push_back(savedRows[q]);
        }
    }
    answered = std::min(answered, verdicts);
    auto joined = progressHeader(parseProgressHeader(work, questionCount).lastQuestion.value_or(1),
                                 answered, std::min(correct, answered));
    joined.insert(joined.end(), rows.begin(), rows.end());
    return {joined, openStays};
}

} // namespace kviz
