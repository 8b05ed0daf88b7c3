// The folder strings of the program and of a test, built from the program's folder P: when P
// does not end in a separator one is inserted after it, otherwise nothing is inserted, so the
// strings never hold a doubled separator.
#pragma once

#include <string>
#include <string_view>

namespace kviz {

// The platform's path separator.
char folderSeparator();

// P followed by a separator, unless P already ends in one.
std::string folderWithSeparator(std::string_view folder);

// The folder followed by the name and a separator.
std::string subfolder(std::string_view folder, std::string_view name);

} // namespace kviz
