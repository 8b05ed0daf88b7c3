// Reader for the readable bank sources in sample_data/. Each source describes the format at its
// top, with the drawing statements its pictures use (tools/scene.h lists all of them); in short:
//
//   # comment
//   picture 1            starts the drawing description of picture 1
//   road north south     one drawing statement per line (see scene.h)
//   question 1           starts question 1; questions are numbered 1, 2, 3, ... in order
//   |Koje vozilo ...     a stored line: everything after '|' is kept as it is
//   | a) vozilo broj 1
//   |*b) vozilo broj 2
//
// The source of a text bank has only questions; it must not describe any picture.
//
// In a typed-answer (cloze) bank a question offers no answers; one of its lines holds the
// expected answer between two stars, with at least one line above it:
//
//   question 1
//   |Ako saobracajnim znakom nije drugacije odredjeno, najveca dozvoljena
//   |brzina kretanja vozila u naselju iznosi *50* km/h.
//
// In a passing-order bank a question has no stored lines, only the order in which the vehicles
// of its picture pass, first the one that passes first; each number becomes one line:
//
//   question 1
//   order 3 1 2
#pragma once

#include "bank_format.h"

#include <istream>
#include <string>
#include <vector>

namespace bankgen {

struct Statement {
    int line = 0; // source line
    std::vector<std::string> words;
};

struct SourceQuestion {
    int number = 0;
    int line = 0; // line of the "question" keyword
    std::vector<std::string> lines;
    std::vector<int> lineNumbers; // source line of each stored line (of 'order' for an order)
};

struct SourcePicture {
    int number = 0;
    int line = 0;
    std::vector<Statement> statements;
};

struct BankSource {
    std::vector<SourceQuestion> questions;
    std::vector<SourcePicture> pictures;
};

enum class PictureStatements {
    Allowed, // a picture bank: "picture" starts a drawing description
    Rejected // a text bank: "picture" is an error
};

// Reads a source; for a passing-order bank (`kind` Order) questions hold one 'order' statement
// instead of '|' lines. Throws BankError whose line() is the 1-based source line.
BankSource parseBankSource(std::istream& in,
                           PictureStatements pictures = PictureStatements::Allowed,
                           QuestionKind kind = QuestionKind::Choice);

// Checks every question of a parsed source with checkQuestion. Throws BankError whose message
// starts with "question N: " and whose line() is the source line of the offending stored line,
// or of the "question" keyword when the fault is not in one line.
void checkSourceQuestions(const BankSource& source, const Layout& layout, QuestionKind kind);

// Reads the next line of a source into raw, without a trailing CR; false at the end. Blank
// lines and comments ("#") are passed over, counting every line read in lineNumber.
bool nextSourceLine(std::istream& in, std::string& raw, int& lineNumber);

// The blank-separated words of a source line.
std::vector<std::string> splitWords(const std::string& line);

} // namespace bankgen
