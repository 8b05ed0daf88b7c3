#include "core/folders.h"

namespace kviz {

char folderSeparator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

std::string folderWithSeparator(std::string_view folder) {
    std::string out(folder);
    if (out.empty() || out.back() != folderSeparator())
        out.push_back(folderSeparator());
    return out;
}

std::string subfolder(std::string_view folder, std::string_view name) {
    return folderWithSeparator(folder) + std::string(name) + folderSeparator();
}

} // namespace kviz
