#include "platform/qt_text.h"

#include "platform/basic.h"

namespace kviz {

QString fromCp1250(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        out.append(
            QChar(static_cast<char16_t>(basic::cp1250ToUnicode(static_cast<unsigned char>(c)))));
    return out;
}

std::string toCp1250(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        auto byte = basic::unicodeToCp1250(ch.unicode());
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

bool cp1250Holds(QChar ch) { return basic::unicodeToCp1250(ch.unicode()).has_value(); }

QString printableCp1250(const QString& text) {
    QString out;
    for (QChar ch : text)
        if (ch.isPrint() && cp1250Holds(ch))
            out.append(ch);
    return out;
}

} // namespace kviz
