// Sign-matching tasks: the answer-key records, the checks of one task's keys, the source of a
// task, and its two pictures.
#include "bank_format.h"
#include "sign_sheet.h"
#include "sign_sheet_painter.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace bankgen;

namespace {

using Lines = std::vector<std::string>;

const Layout kKeys{5, 20};
constexpr auto kMatching = QuestionKind::Matching;

const Lines kSignNames{"stop",     "yield",   "main",      "endmain",    "roundabout",
                       "crossing", "danger",  "lights",    "twoway",     "curveright",
                       "closed",   "noentry", "noparking", "nostopping", "speed50"};

std::string record(const std::string& bytes, int number) {
    return bytes.substr(static_cast<std::size_t>(number - 1) * 5, 5);
}

// Keys 15, 14, ..., 1: a valid task.
Lines reversedKeys() {
    Lines keys;
    for (int i = 15; i >= 1; --i)
        keys.push_back(std::to_string(i));
    return keys;
}

std::string keysProblem(const Lines& keys) {
    try {
        analyzeMatching(keys, kKeys);
        return "";
    } catch (const BankError& error) {
        return std::to_string(error.line()) + ": " + error.what();
    }
}

// A task of `meanings` meanings and one sign line per entry of `signs` ("stop 3").
std::string task(int number, int meanings, const Lines& signs) {
    std::string text = "task " + std::to_string(number) + "\n";
    for (int n = 1; n <= meanings; ++n)
        text += "meaning " + std::to_string(n) + " Znacenje broj " + std::to_string(n) + "\n";
    for (const auto& s : signs)
        text += "sign " + s + "\n";
    return text;
}

Lines goodSigns() {
    Lines signs;
    for (std::size_t i = 0; i < kSignNames.size(); ++i)
        signs.push_back(kSignNames[i] + " " + std::to_string(16 - i));
    return signs;
}

// The source line and message of a rejected source, or "accepted".
std::string sourceProblem(const std::string& text) {
    try {
        std::istringstream in(text);
        parseSignSheets(in);
    } catch (const BankError& error) {
        return std::to_string(error.line()) + " " + error.what();
    }
    return "accepted";
}

SignSheet parsedTask(int meanings) {
    std::istringstream in(task(1, meanings, goodSigns()));
    return parseSignSheets(in).at(0);
}

} // namespace

TEST(MatchingEncoding, FifteenKeysThenFiveSpareZeros) {
    Lines second = reversedKeys();
    second[0] = "30";
    const std::string bytes = encodeBank({reversedKeys(), second}, kKeys, kMatching);

    ASSERT_EQ(bytes.size(), (1u + 2u * 20u) * 5u);
    EXPECT_EQ(record(bytes, 1), "2    ");
    // Task t, box i is record (t-1)*20 + i + 1, the number first, blanks after it.
    EXPECT_EQ(record(bytes, 2), "15   ");
    EXPECT_EQ(record(bytes, 16), "1    ");
    for (int spare = 17; spare <= 21; ++spare)
        EXPECT_EQ(record(bytes, spare), "0    ") << spare;
    EXPECT_EQ(record(bytes, 22), "30   ");
    EXPECT_EQ(record(bytes, 36), "1    ");
    EXPECT_EQ(record(bytes, 41), "0    ");

    const auto decoded = decodeBank(bytes, kKeys, kMatching);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[0], reversedKeys());
    EXPECT_EQ(decoded[1], second);

    std::string badSpare = bytes;
    badSpare[20 * 5] = '7'; // record 21, the last spare of task 1
    EXPECT_THROW(decodeBank(badSpare, kKeys, kMatching), BankError);
    EXPECT_THROW(decodeBank(bytes.substr(0, bytes.size() - 5), kKeys, kMatching), BankError);
}

TEST(MatchingCheck, FifteenDifferentMeaningNumbers) {
    EXPECT_EQ(keysProblem(reversedKeys()), "");

    Lines keys = reversedKeys();
    keys.pop_back();
    EXPECT_EQ(keysProblem(keys).substr(0, 4), "-1: ");
    keys = reversedKeys();
    keys.push_back("16");
    EXPECT_EQ(keysProblem(keys).substr(0, 4), "-1: ");

    for (const char* wrong : {"0", "31", "07", "x", " 3", "", "100"}) {
        keys = reversedKeys();
        keys[4] = wrong;
        EXPECT_EQ(keysProblem(keys).substr(0, 3), "4: ") << "'" << wrong << "'";
    }
    keys = reversedKeys();
    keys[9] = keys[2];
    EXPECT_EQ(keysProblem(keys).substr(0, 3), "9: ");
}

TEST(SignSheetSource, ReadsTasksAndTheirKeys) {
    std::istringstream in("# two tasks\n" + task(1, 16, goodSigns()) + "\n" +
                          task(2, 30, goodSigns()));
    const auto sheets = parseSignSheets(in);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].meanings.size(), 16u);
    EXPECT_EQ(sheets[0].meanings[2], "Znacenje broj 3");
    ASSERT_EQ(sheets[0].signs.size(), 15u);
    EXPECT_EQ(sheets[0].signs[14].sign.kind, SignKind::SpeedLimit);
    EXPECT_EQ(sheets[0].signs[14].sign.speed, 50);
    EXPECT_EQ(sheets[0].signs[0].line, 19);
    EXPECT_EQ(sheetKeys(sheets[1]), (Lines{"16", "15", "14", "13", "12", "11", "10", "9", "8", "7",
                                           "6", "5", "4", "3", "2"}));
}

TEST(SignSheetSource, RejectsWrongTasks) {
    EXPECT_EQ(sourceProblem(task(1, 16, goodSigns())), "accepted");

    Lines signs = goodSigns();
    signs.pop_back();
    EXPECT_EQ(sourceProblem(task(1, 16, signs)).substr(0, 9), "1 task 1:");
    signs = goodSigns();
    signs.push_back("noleft 1");
    EXPECT_EQ(sourceProblem(task(1, 16, signs)).substr(0, 9), "1 task 1:");

    // A key outside the list, one meaning for two signs, one sign twice: the sign's line.
    signs = goodSigns();
    signs[3] = "endmain 17";
    EXPECT_EQ(sourceProblem(task(1, 16, signs)).substr(0, 10), "21 task 1:");
    signs = goodSigns();
    signs[5] = "crossing 15";
    EXPECT_EQ(sourceProblem(task(1, 16, signs)).substr(0, 10), "23 task 1:");
    signs = goodSigns();
    signs[14] = "stop 1";
    EXPECT_EQ(sourceProblem(task(1, 16, signs)).substr(0, 10), "32 task 1:");
    signs = goodSigns();
    signs[2] = "main 0";
    EXPECT_EQ(sourceProblem(task(1, 16, signs)).substr(0, 3), "20 ");
    signs = goodSigns();
    signs[2] = "highway 14";
    EXPECT_EQ(sourceProblem(task(1, 16, signs)).substr(0, 3), "20 ");

    // The list in the order of the signs teaches nothing.
    signs.clear();
    for (std::size_t i = 0; i < kSignNames.size(); ++i)
        signs.push_back(kSignNames[i] + " " + std::to_string(i + 1));
    EXPECT_EQ(sourceProblem(task(1, 16, signs)).substr(0, 9), "1 task 1:");

    // Too short or too long a list, meanings out of order or twice, tasks out of order.
    EXPECT_EQ(sourceProblem(task(1, 14, goodSigns())).substr(0, 2), "1 ");
    EXPECT_EQ(sourceProblem(task(1, 31, goodSigns())).substr(0, 2), "1 ");
    EXPECT_EQ(sourceProblem("task 1\nmeaning 2 Prvo\n").substr(0, 2), "2 ");
    EXPECT_EQ(sourceProblem("task 1\nmeaning 1 Prvo\nmeaning 2 Prvo\n").substr(0, 2), "3 ");
    EXPECT_EQ(sourceProblem(task(2, 16, goodSigns())).substr(0, 2), "1 ");
    EXPECT_EQ(sourceProblem(task(1, 16, goodSigns()) + "task 3\n").substr(0, 3), "33 ");
    EXPECT_EQ(sourceProblem("sign stop 1\n").substr(0, 2), "1 ");
    EXPECT_EQ(sourceProblem("# nothing\n").substr(0, 2), "0 ");
}

class SignSheetPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QGuiApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int argc = 1;
            static char name[] = "tools_tests";
            static char* argv[] = {name, nullptr};
            static QGuiApplication app(argc, argv);
        }
    }
};

TEST_F(SignSheetPictures, EverySignSitsInItsCell) {
    const QImage grid = renderSignGrid(parsedTask(16), PictureSize{609, 157});
    ASSERT_EQ(grid.size(), QSize(609, 157));
    for (int box = 0; box < 15; ++box) {
        const QPointF c = signGridCentre(box);
        // Inside the picture with the whole sign, and something drawn around the centre.
        EXPECT_GE(c.x() - kGridSignRadius, 0) << box;
        EXPECT_LE(c.x() + kGridSignRadius, 609) << box;
        EXPECT_LE(c.y() + kGridSignRadius, 157) << box;
        int coloured = 0;
        for (int dx = -10; dx <= 10; dx += 5)
            for (int dy = -10; dy <= 10; dy += 5)
                coloured +=
                    grid.pixelColor(QPoint(int(c.x()) + dx, int(c.y()) + dy)) != QColor(Qt::white);
        EXPECT_GE(coloured, 5) << "box " << box;
    }
    // The answer box at the left of each column stays clear.
    EXPECT_EQ(grid.pixelColor(20, 26), QColor(Qt::white));
}

TEST_F(SignSheetPictures, ListFitsItsColumnsOrIsRefused) {
    const QImage list = renderMeaningList(parsedTask(30), PictureSize{609, 152});
    ASSERT_EQ(list.size(), QSize(609, 152));
    int dark = 0;
    for (int x = 0; x < 609; ++x)
        for (int y = 0; y < 152; ++y)
            dark += list.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(dark, 500);

    SignSheet sheet = parsedTask(30);
    sheet.meanings[29] = std::string(48, 'W');
    EXPECT_THROW(renderMeaningList(sheet, PictureSize{609, 152}), BankError);
}
