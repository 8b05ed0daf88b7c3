#include "core/catalogue.h"
#include "core/folders.h"

#include <gtest/gtest.h>

#include <set>

namespace kviz {
namespace {

TEST(Catalogue, NineTestsEachWithItsOwnWordFolderImageAndMenuItem) {
    std::set<std::string_view> words, folders, menus;
    std::set<int> images;
    for (const auto& row : testCatalogue()) {
        words.insert(row.testWord);
        folders.insert(row.progressFolder);
        menus.insert(row.testMenuItem);
        images.insert(row.toolbarImage);
    }
    EXPECT_EQ(words.size(), 9u);
    EXPECT_EQ(folders.size(), 9u);
    EXPECT_EQ(menus.size(), 9u);
    EXPECT_EQ(images, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Catalogue, StartupRow) {
    const TestDescriptor& row = testCatalogue().front();
    EXPECT_EQ(row.window, "frmSlisaobrsitsaponudjABCDodgovorima");
    EXPECT_EQ(row.caption, "Slike saobracajnih situacija sa ponudjenim ABCD odgovorima");
    EXPECT_EQ(row.dataFile, "ssitabcd.pit");
    EXPECT_EQ(row.recordLength, 33);
    EXPECT_EQ(row.recordsPerQuestion, 16);
    EXPECT_EQ(row.answerMode, AnswerMode::MultipleChoice);
}

TEST(Catalogue, PictureNames) {
    const TestDescriptor& ssit = catalogueRow(TestId::SituationPictures);
    EXPECT_EQ(pictureFileName(ssit, 1), "1ssit.JPG");
    EXPECT_EQ(pictureFileName(ssit, 2), "1ssit.JPG");
    EXPECT_EQ(pictureFileName(ssit, 3), "3ssit.JPG");
    EXPECT_EQ(pictureFileName(ssit, 4), "3ssit.JPG");
    EXPECT_EQ(pictureFileName(ssit, 12), "11ssit.JPG");
    EXPECT_EQ(pictureFileName(catalogueRow(TestId::OfficerSignals), 12), "12zovl.JPG");
    EXPECT_EQ(pictureFileName(catalogueRow(TestId::TheoryChoice), 3), "");
    EXPECT_EQ(pictureForQuestion(PictureRule::None, 3), 0);
    EXPECT_EQ(secondPictureFileName(catalogueRow(TestId::FifteenSigns), 3), "3tz15.JPG");
    EXPECT_EQ(secondPictureFileName(catalogueRow(TestId::Junctions), 3), "");
}

TEST(Catalogue, ProgressFoldersInCreationOrder) {
    auto folders = progressFoldersInCreationOrder();
    const std::array<std::string_view, 9> expected = {"PPOMABCD", "PPOMODG",  "RASKRSN",
                                                      "SAOBZN15", "SLSAOBZN", "SSITABCD",
                                                      "SUVAABCD", "SUVAODG",  "ZNOVLICA"};
    EXPECT_EQ(folders, expected);
}

TEST(Folders, NoDoubledSeparator) {
    const std::string sep(1, folderSeparator());
    EXPECT_EQ(folderWithSeparator("/opt/kviz"), "/opt/kviz" + sep);
    EXPECT_EQ(folderWithSeparator(sep), sep);
    EXPECT_EQ(subfolder(sep, "ssitabcd"), sep + "ssitabcd" + sep);
    EXPECT_EQ(subfolder("/opt/kviz" + sep, "ssitabcd"), "/opt/kviz" + sep + "ssitabcd" + sep);
}

} // namespace
} // namespace kviz
