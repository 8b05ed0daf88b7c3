#include "tests/support/bank.h"

namespace kviz::testing {

std::string record(const std::string& text, int length) {
    std::string out = text.substr(0, static_cast<std::size_t>(length));
    out.resize(static_cast<std::size_t>(length), ' ');
    return out;
}

std::string choiceBank(const std::string& header,
                       const std::vector<std::vector<std::string>>& questions, int recordLength,
                       int recordsPerQuestion) {
    std::string out = record(header, recordLength);
    for (const auto& lines : questions)
        for (int i = 0; i < recordsPerQuestion; ++i)
            out += record(i < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(i)]
                                                             : std::string(),
                          recordLength);
    return out;
}

} // namespace kviz::testing
