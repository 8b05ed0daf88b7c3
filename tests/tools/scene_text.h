// Picture statements written as text, one statement a line, for the tests of the builder.
#pragma once

#include "bank_source.h"
#include "scene.h"

#include <sstream>
#include <string>

namespace bankgen {

// The statements of a picture; the first statement stands on line 2.
inline SourcePicture pictureFromText(const std::string& text) {
    SourcePicture result{1, 1, {}};
    std::istringstream in(text);
    int line = 1;
    for (std::string raw; std::getline(in, raw);)
        result.statements.push_back(Statement{++line, splitWords(raw)});
    return result;
}

} // namespace bankgen
