// The test catalogue: one row per test of the trainer.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kviz {

enum class AnswerMode { MultipleChoice, TypedAnswer };

// How a picture test names the picture of question (or picture) n in its picture folder.
enum class PictureRule {
    None,           // text tests
    SharedByPairs,  // p = n for odd n, n - 1 for even n: two questions share a picture
    OnePerQuestion, // p = n
};

struct TestDescriptor {
    std::string_view window;
    std::string_view caption;
    std::string_view testWord; // the data folder beside the program, in small letters
    std::string_view dataFile; // in the test's question folder
    int recordLength;          // bytes per record of the data file
    int recordsPerQuestion;    // records per question (per picture in the fifteen-signs test)
    PictureRule pictureRule;
    std::string_view pictureSuffix;       // follows the picture number in the file name
    std::string_view secondPictureSuffix; // the fifteen-signs test's second picture
    AnswerMode answerMode;
    std::string_view progressFolder; // under the state root
    int toolbarImage;
    std::string_view testMenuItem;
};

const std::array<TestDescriptor, 9>& testCatalogue();

// The row of a window, by the window's name. A name without a row throws.
const TestDescriptor& catalogueRow(std::string_view window);

// The file name of the picture of question (or picture) n; empty for a test without pictures.
std::string pictureFileName(const TestDescriptor& test, int n);

// The progress folders, in the order the start-up creates them.
std::array<std::string_view, 9> progressFoldersInCreationOrder();

} // namespace kviz
