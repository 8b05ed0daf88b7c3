// The texts of the help box.
#pragma once

#include <string>

namespace kviz {

// What to do in a typed picture test: the first line of its help and its help line.
inline constexpr char kTypeTheNumber[] = "Upisite odgovarajuci broj i pritisnite Enter.";

// Answering in a multiple-choice window whose question offers 2, 3 or 4 answers.
std::string choiceHelpText(int answers);
// Answering in a window where the answer is typed into a box; the first line says what to type.
std::string
typedHelpText(const std::string& firstLine = "Upisite odgovor i pritisnite taster Enter.");
std::string demonstrationHelpText();
std::string reviewHelpText();

} // namespace kviz
