// The test catalogue: one row per test of the trainer.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kviz {

enum class AnswerMode { MultipleChoice, TypedAnswer };

// How a picture test numbers the picture shown with question n (the picture itself in the
// fifteen-signs test, where the pictures are the tasks).
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
    // The test word of the test whose window this one opens without the hourglass pointer; the
    // pointer keeps its shape while that window loads. Empty: every switch shows the hourglass.
    std::string_view switchWithoutHourglass;
};

// The tests, in the order of the catalogue's rows. A window finds its row by one of these.
enum class TestId : std::size_t {
    SituationPictures,
    OfficerSignals,
    SignPictures,
    Junctions,
    FifteenSigns,
    TheoryChoice,
    FirstAidChoice,
    TheoryTyped,
    FirstAidTyped,
};
inline constexpr std::size_t kTestCount = static_cast<std::size_t>(TestId::FirstAidTyped) + 1;

// The folders inside a test's data folder: the data file, and the pictures of a picture test.
inline constexpr std::string_view kQuestionFolder = "pitiodg";
inline constexpr std::string_view kPictureFolder = "JPGSLIKE";

const std::array<TestDescriptor, kTestCount>& testCatalogue();

const TestDescriptor& catalogueRow(TestId test);

// The number of the picture shown with question n; 0 for a test without pictures. A picture's
// number is that of the first question it is shown with.
int pictureForQuestion(PictureRule rule, int n);

// The file name of the picture of question (or picture) n; empty for a test without pictures.
std::string pictureFileName(const TestDescriptor& test, int n);
// The file name of the second picture shown with picture n; empty for a test without one.
std::string secondPictureFileName(const TestDescriptor& test, int n);

// The progress folders, in the order the start-up creates them.
std::array<std::string_view, kTestCount> progressFoldersInCreationOrder();

} // namespace kviz
