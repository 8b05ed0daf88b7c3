// Conversion between the Windows-1250 bytes of the trainer's files and Qt's texts.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kviz {

QString fromCp1250(std::string_view bytes);

// Characters that Windows-1250 cannot hold become '?'.
std::string toCp1250(const QString& text);

// True when Windows-1250 holds the character.
bool cp1250Holds(QChar ch);

// The text without line breaks, control characters and characters that Windows-1250 cannot
// hold.
QString printableCp1250(const QString& text);

} // namespace kviz
