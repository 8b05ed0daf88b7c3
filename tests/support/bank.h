// Small question banks written by tests, in the on-disk record format.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kviz::testing {

// One record padded with blanks (or cut) to the record length.
std::string record(const std::string& text, int length);

// A question file: the header record, then each question's lines padded to K records.
std::string choiceBank(const std::string& header,
                       const std::vector<std::vector<std::string>>& questions,
                       int recordLength = 33, int recordsPerQuestion = 16);

} // namespace kviz::testing
