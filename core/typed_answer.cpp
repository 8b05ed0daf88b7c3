#include "core/typed_answer.h"

#include <algorithm>

namespace kviz {

std::optional<ClozeLine> findCloze(std::string_view record) {
    const auto star = record.find('*');
    if (star == std::string_view::npos)
        return std::nullopt;
    ClozeLine cloze;
    cloze.firstStar = star;
    std::string_view rest = record.substr(star + 1);
    const auto second = rest.find('*');
    cloze.answer = std::string(second == std::string_view::npos ? rest : rest.substr(0, second));
    return cloze;
}

std::string answerField(std::string_view text, std::size_t width) {
    std::string field(text);
    if (field.size() < width)
        field.resize(width, ' ');
    return field;
}

bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

std::string typedRow(const std::string& answer, char result) { return answer + result; }

std::optional<std::pair<std::string, char>> readTypedRow(const std::string& row) {
    if (row.empty())
        return std::nullopt;
    const char result = row.back();
    if (result != 'T' && result != 'N' && result != ' ' && result != '\0')
        return std::make_pair(std::string(), '\0');
    return std::make_pair(row.substr(0, row.size() - 1), result);
}

} // namespace kviz
