// bankgen <sample_data_dir> <output_dir>
//
// Builds every known question bank from its readable source: the record file
// <output_dir>/<word>/pitiodg/<word>.pit (<word>.odg for the passing orders of a junction bank)
// and, for a picture bank, the pictures in <output_dir>/<word>/JPGSLIKE/. A text bank gets no
// picture folder. A sign-matching bank has two pictures per task: the grid of signs and the list
// of meanings.
#include "bank_format.h"
#include "bank_source.h"
#include "bank_table.h"
#include "scene.h"
#include "scene_painter.h"
#include "sign_sheet.h"
#include "sign_sheet_painter.h"

#include <QGuiApplication>
#include <QString>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>

namespace fs = std::filesystem;
using namespace bankgen;

namespace {

// An input error already carrying the place it refers to.
struct BuildError {
    std::string message;
};

[[noreturn]] void failAt(const fs::path& file, int line, const std::string& message) {
    std::string where = file.string();
    if (line > 0)
        where += ":" + std::to_string(line);
    throw BuildError{where + ": " + message};
}

std::vector<std::vector<std::string>> checkedQuestions(const BankSource& source,
                                                       const BankInfo& bank, const fs::path& file) {
    if (source.questions.empty())
        failAt(file, 0, "no questions");
    try {
        checkSourceQuestions(source, bank.layout, bank.kind);
    } catch (const BankError& error) {
        failAt(file, error.line(), error.what());
    }
    std::vector<std::vector<std::string>> questions;
    for (const auto& question : source.questions)
        questions.push_back(question.lines);
    return questions;
}

// Every picture a question shows must be described, and nothing else. Each must fit the
// bank's picture size.
std::map<int, Scene> checkedScenes(const BankSource& source, const BankInfo& bank,
                                   const fs::path& file) {
    std::set<int> needed;
    for (const auto& question : source.questions)
        if (const int picture = pictureForQuestion(bank.pictures, question.number))
            needed.insert(picture);

    std::map<int, Scene> scenes;
    for (const auto& picture : source.pictures) {
        if (!needed.count(picture.number))
            failAt(file, picture.line,
                   "picture " + std::to_string(picture.number) + " belongs to no question");
        const std::string name = "picture " + std::to_string(picture.number);
        Scene scene;
        try {
            scene = parseScene(picture);
        } catch (const BankError& error) {
            failAt(file, error.line(), name + ": " + error.what());
        }
        const std::string size =
            std::to_string(bank.pictureSize.width) + "x" + std::to_string(bank.pictureSize.height);
        if (scene.view != View::Map && bank.pictureSize != kStandardPicture)
            failAt(file, picture.line,
                   name + ": this bank draws its pictures at " + size +
                       ", where only roads seen from above fit");
        if (const auto cut = partsOutside(scene, bank.pictureSize); !cut.empty())
            failAt(file, picture.line,
                   name + ": " + cut.front() + " does not fit in the " + size +
                       " picture; move it nearer the junction or onto a longer arm");
        scenes.emplace(picture.number, std::move(scene));
    }
    for (const int picture : needed)
        if (!scenes.count(picture))
            failAt(file, 0, "picture " + std::to_string(picture) + " is not described");
    return scenes;
}

// In a passing-order bank the order of each question names exactly the vehicles of its picture.
void checkOrders(const BankSource& source, const BankInfo& bank, const std::map<int, Scene>& scenes,
                 const fs::path& file) {
    for (const auto& question : source.questions) {
        try {
            checkPassingOrder(question.lines,
                              scenes.at(pictureForQuestion(bank.pictures, question.number)));
        } catch (const BankError& error) {
            failAt(file, question.lineNumbers.empty() ? question.line : question.lineNumbers[0],
                   "question " + std::to_string(question.number) + ": " + error.what());
        }
    }
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw BuildError{path.string() + ": cannot write"};
}

void savePicture(const QImage& image, const fs::path& path) {
    if (!image.save(QString::fromStdString(path.string()), "JPG", 92))
        throw BuildError{path.string() + ": cannot write the picture"};
}

void buildSignSheetBank(const BankInfo& bank, std::istream& in, const fs::path& sourcePath,
                        const fs::path& outDir) {
    std::vector<SignSheet> sheets;
    std::vector<std::vector<std::string>> keys;
    try {
        sheets = parseSignSheets(in);
        for (const auto& sheet : sheets)
            keys.push_back(sheetKeys(sheet));
    } catch (const BankError& error) {
        failAt(sourcePath, error.line(), error.what());
    }

    const fs::path bankPath = outDir / bankFilePath(bank);
    const fs::path pictureDir = outDir / pictureDirPath(bank);
    fs::create_directories(bankPath.parent_path());
    fs::create_directories(pictureDir);
    writeFile(bankPath, encodeBank(keys, bank.layout, bank.kind));
    for (const auto& sheet : sheets) {
        QImage list;
        try {
            list = renderMeaningList(sheet, bank.secondSize);
        } catch (const BankError& error) {
            failAt(sourcePath, error.line(), error.what());
        }
        savePicture(renderSignGrid(sheet, bank.pictureSize),
                    pictureDir / pictureFileName(bank, sheet.number));
        savePicture(list, pictureDir / secondPictureFileName(bank, sheet.number));
    }
    std::cout << "bankgen: " << bank.word << ": " << sheets.size() << " tasks, "
              << 2 * sheets.size() << " pictures\n";
}

void buildBank(const BankInfo& bank, const fs::path& dataDir, const fs::path& outDir) {
    const fs::path sourcePath = dataDir / bank.sourceFile;
    std::ifstream in(sourcePath);
    if (!in)
        throw BuildError{sourcePath.string() + ": cannot open"};
    if (bank.kind == QuestionKind::Matching) {
        buildSignSheetBank(bank, in, sourcePath, outDir);
        return;
    }

    BankSource source;
    try {
        source = parseBankSource(in,
                                 bank.pictures == PictureRule::None ? PictureStatements::Rejected
                                                                    : PictureStatements::Allowed,
                                 bank.kind);
    } catch (const BankError& error) {
        failAt(sourcePath, error.line(), error.what());
    }
    const auto questions = checkedQuestions(source, bank, sourcePath);
    const auto scenes = checkedScenes(source, bank, sourcePath);
    if (bank.kind == QuestionKind::Order)
        checkOrders(source, bank, scenes, sourcePath);

    const fs::path bankPath = outDir / bankFilePath(bank);
    const fs::path pictureDir = outDir / pictureDirPath(bank);
    fs::create_directories(bankPath.parent_path());
    writeFile(bankPath, encodeBank(questions, bank.layout, bank.kind));

    if (!scenes.empty())
        fs::create_directories(pictureDir);
    for (const auto& [number, scene] : scenes) {
        const fs::path picturePath = pictureDir / pictureFileName(bank, number);
        savePicture(renderScene(scene, bank.pictureSize), picturePath);
    }
    std::cout << "bankgen: " << bank.word << ": " << questions.size() << " questions";
    if (bank.pictures != PictureRule::None)
        std::cout << ", " << scenes.size() << " pictures";
    std::cout << "\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: bankgen <sample_data_dir> <output_dir>\n";
        return 2;
    }
    // Pictures are drawn without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    try {
        for (const auto& bank : knownBanks())
            buildBank(bank, argv[1], argv[2]);
    } catch (const BuildError& error) {
        std::cerr << "bankgen: " << error.message << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "bankgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
