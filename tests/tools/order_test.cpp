// Passing-order questions of the junction bank: the answer-key records, the checks of one
// order, the order against its picture, and bankgen refusing a source with a wrong order.
#include "bank_format.h"
#include "bank_source.h"
#include "scene.h"

#include "scene_text.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace bankgen;

namespace {

using Lines = std::vector<std::string>;

const Layout kKeys{5, 8};
constexpr auto kOrder = QuestionKind::Order;

std::string record(const std::string& bytes, int number) {
    return bytes.substr(static_cast<std::size_t>(number - 1) * 5, 5);
}

// "" when the order is accepted, else the line index of the fault and the message.
std::string problemWith(const Lines& order) {
    try {
        analyzeOrder(order, kKeys);
        return "";
    } catch (const BankError& error) {
        return std::to_string(error.line()) + ": " + error.what();
    }
}

std::string decodeProblem(const std::string& bytes) {
    try {
        decodeBank(bytes, kKeys, kOrder);
        return "";
    } catch (const BankError& error) {
        return error.what();
    }
}

Scene junction(const std::string& vehicles) {
    return parseScene(pictureFromText("road north east south west\n" + vehicles));
}

std::string orderProblem(const Lines& order, const Scene& scene) {
    try {
        checkPassingOrder(order, scene);
        return "";
    } catch (const BankError& error) {
        return error.what();
    }
}

// The source line and message of a rejected order-bank source, or "accepted".
std::string sourceProblem(const std::string& text) {
    try {
        std::istringstream in(text);
        const BankSource source = parseBankSource(in, PictureStatements::Allowed, kOrder);
        checkSourceQuestions(source, kKeys, kOrder);
    } catch (const BankError& error) {
        return std::to_string(error.line()) + " " + error.what();
    }
    return "accepted";
}

} // namespace

TEST(OrderEncoding, BoxesInRecordsPaddedWithZeros) {
    const Lines full{"2", "4", "1", "3", "5", "6", "8", "7"};
    const std::string bytes = encodeBank({{"3", "1", "2"}, full}, kKeys, kOrder);

    ASSERT_EQ(bytes.size(), (1u + 2u * 8u) * 5u);
    EXPECT_EQ(record(bytes, 1), "2    ");
    // Question q, box i is record (q-1)*8 + i + 1; the digit first, blanks after it, and the
    // boxes after the last vehicle hold 0.
    EXPECT_EQ(bytes.substr(5, 40), "3    1    2    0    0    0    0    0    ");
    // Eight vehicles fill every box: no 0 at all, the next question follows at once.
    EXPECT_EQ(record(bytes, 10), "2    ");
    EXPECT_EQ(record(bytes, 16), "8    ");
    EXPECT_EQ(record(bytes, 17), "7    ");
    EXPECT_EQ(bytes.find('0', 45), std::string::npos);

    const auto decoded = decodeBank(bytes, kKeys, kOrder);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[0], (Lines{"3", "1", "2"}));
    EXPECT_EQ(decoded[1], full);
}

TEST(OrderCheck, OneDigitPerVehicleEachOnce) {
    EXPECT_EQ(problemWith({"3", "1", "2"}), "");
    EXPECT_EQ(problemWith({"9", "1"}), "");
    EXPECT_EQ(problemWith({"3  ", "1"}), ""); // trailing blanks are padding

    EXPECT_EQ(problemWith({}).substr(0, 4), "-1: ");
    EXPECT_EQ(problemWith({"1", "2", "3", "4", "5", "6", "7", "8", "9"}).substr(0, 4), "-1: ");
    EXPECT_EQ(problemWith({"1", "0"}).substr(0, 3), "1: "); // 0 marks an unused box
    EXPECT_EQ(problemWith({"10", "1"}).substr(0, 3), "0: ");
    EXPECT_EQ(problemWith({"1", "a"}).substr(0, 3), "1: ");
    EXPECT_EQ(problemWith({"1", " 2"}).substr(0, 3), "1: ");
    EXPECT_EQ(problemWith({"1", ""}).substr(0, 3), "1: ");
    EXPECT_EQ(problemWith({"3", "1", "3"}).substr(0, 3), "2: ");

    try {
        encodeBank({{"1", "2"}, {"2", "2"}}, kKeys, kOrder);
        FAIL() << "accepted a vehicle passing twice";
    } catch (const BankError& error) {
        EXPECT_EQ(std::string(error.what()).substr(0, 11), "question 2:");
    }
}

TEST(OrderDecoding, RejectsDamagedKeys) {
    const std::string good = encodeBank({{"3", "1", "2"}}, kKeys, kOrder);
    ASSERT_EQ(decodeProblem(good), "");
    const auto with = [&](int number, const std::string& box) {
        std::string bytes = good;
        bytes.replace(static_cast<std::size_t>(number - 1) * 5, 5, box);
        return bytes;
    };

    EXPECT_NE(decodeProblem(with(5, "     ")), ""); // an unused box holds 0, not blanks
    EXPECT_NE(decodeProblem(with(6, "4    ")), ""); // a vehicle after an unused box
    EXPECT_NE(decodeProblem(with(2, " 3   ")), ""); // the digit is the first character
    EXPECT_NE(decodeProblem(with(2, "3x   ")), "");
    EXPECT_NE(decodeProblem(with(2, "1    ")), ""); // vehicle 1 twice
    EXPECT_NE(decodeProblem(with(2, "0    ")), ""); // no vehicle in the first box
    std::string empty = good;
    empty.replace(5, 15, "0    0    0    ");
    EXPECT_NE(decodeProblem(empty), "");
    EXPECT_NE(decodeProblem(good + "0    "), "");
    EXPECT_NE(decodeProblem(good.substr(0, good.size() - 1)), "");
}

TEST(PassingOrder, NamesEveryVehicleOfThePictureOnce) {
    const Scene scene = junction("car 1 south left\ntruck 2 north straight\ncar 3 east straight\n");
    EXPECT_EQ(orderProblem({"2", "3", "1"}, scene), "");

    EXPECT_NE(orderProblem({"2", "3", "1", "4"}, scene).find("vehicle 4"), std::string::npos);
    EXPECT_NE(orderProblem({"2", "3", "2"}, scene).find("vehicle 2 twice"), std::string::npos);
    EXPECT_NE(orderProblem({"2", "1"}, scene).find("vehicle 3"), std::string::npos);
    EXPECT_NE(orderProblem({}, scene), "");
    EXPECT_NE(orderProblem({"1"}, junction("")), "");
}

TEST(PassingOrder, VehiclesNeedNumbersThatFitOneBox) {
    EXPECT_EQ(orderProblem({"9", "1"}, junction("car 9 south left\ncar 1 east left\n")), "");
    for (const char* label : {"0", "A", "12"}) {
        const Scene scene =
            junction(std::string("car ") + label + " south left\ncar 1 east left\n");
        EXPECT_NE(orderProblem({label, "1"}, scene), "") << label;
    }
}

TEST(OrderSource, AQuestionHoldsOnlyItsOrder) {
    std::istringstream in("picture 1\n"
                          "road north south\n"
                          "car 1 south straight\n"
                          "car 2 north straight slot 2\n"
                          "question 1\n"
                          "# the first one passes first\n"
                          "order 1   2\n");
    const BankSource source = parseBankSource(in, PictureStatements::Allowed, kOrder);
    ASSERT_EQ(source.questions.size(), 1u);
    EXPECT_EQ(source.questions[0].lines, (Lines{"1", "2"}));
    EXPECT_EQ(source.questions[0].lineNumbers, (std::vector<int>{7, 7}));
    EXPECT_EQ(source.pictures.size(), 1u);

    EXPECT_EQ(sourceProblem("question 1\norder 3 1 2\n"), "accepted");
    EXPECT_EQ(sourceProblem("question 1\n|Koje vozilo prvo?\n").substr(0, 2), "2 ");
    EXPECT_EQ(sourceProblem("question 1\norder 3 1\norder 1 3\n").substr(0, 2), "3 ");
    EXPECT_EQ(sourceProblem("question 1\norder\n").substr(0, 2), "2 ");
    EXPECT_EQ(sourceProblem("question 1\nredosled 1 2\n").substr(0, 2), "2 ");
    EXPECT_EQ(sourceProblem("order 1 2\n").substr(0, 2), "1 ");
    // Faults of the order itself point at its line, a missing order at the question.
    EXPECT_EQ(sourceProblem("question 1\n\norder 3 1 3\n").substr(0, 14), "3 question 1: ");
    EXPECT_EQ(sourceProblem("question 1\norder 1 2\nquestion 2\n").substr(0, 14), "3 question 2: ");

    // Banks with text have no orders.
    std::istringstream choice("question 1\norder 1 2\n");
    EXPECT_THROW(parseBankSource(choice, PictureStatements::Allowed, QuestionKind::Choice),
                 BankError);
}

// The whole build step: a copy of the sample sources with one order broken in the junction
// bank must not build.
class BankgenOrders : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() /
                (std::string("bankgen_orders_") + info->name() + "_" + std::to_string(getpid()));
        std::filesystem::create_directories(root_ / "data");
        std::filesystem::copy(SAMPLE_DATA_DIR, root_ / "data");
        std::ifstream in(root_ / "data" / "raskrsn.txt");
        source_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    // Replaces the first "order ..." line, builds, and returns bankgen's exit code; its
    // error output is left in output_.
    int buildWithFirstOrder(const std::string& order) {
        std::string text = source_;
        const auto start = text.find("\norder ");
        EXPECT_NE(start, std::string::npos);
        text.replace(start + 1, text.find('\n', start + 1) - start - 1, order);
        std::ofstream(root_ / "data" / "raskrsn.txt", std::ios::trunc) << text;

        const auto log = root_ / "log.txt";
        const std::string command = std::string("\"") + BANKGEN_PATH + "\" \"" +
                                    (root_ / "data").string() + "\" \"" + (root_ / "out").string() +
                                    "\" > \"" + log.string() + "\" 2>&1";
        const int status = std::system(command.c_str());
        std::ifstream logIn(log);
        output_.assign(std::istreambuf_iterator<char>(logIn), std::istreambuf_iterator<char>());
        return status;
    }

    std::filesystem::path root_;
    std::string source_;
    std::string output_;
};

TEST_F(BankgenOrders, BuildsTheSamplesAndRejectsWrongOrders) {
    ASSERT_NE(source_.find("\norder 1 3 2\n"), std::string::npos)
        << "question 1 of raskrsn.txt changed; this test breaks its order";
    EXPECT_EQ(buildWithFirstOrder("order 1 3 2"), 0) << output_;
    EXPECT_TRUE(std::filesystem::exists(root_ / "out" / "raskrsn" / "pitiodg" / "raskrsn.odg"));

    for (const char* wrong : {"order 1 3 4", "order 1 3 2 4", "order 1 3 3", "order 1 3"}) {
        SCOPED_TRACE(wrong);
        EXPECT_NE(buildWithFirstOrder(wrong), 0);
        EXPECT_NE(output_.find("raskrsn.txt:"), std::string::npos) << output_;
        EXPECT_NE(output_.find("question 1: "), std::string::npos) << output_;
    }
}
