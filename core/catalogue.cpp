#include "core/catalogue.h"

#include <algorithm>
#include <string>

namespace kviz {

namespace {

struct Row {
    TestId id;
    TestDescriptor test;
};

constexpr Row kRows[] = {
    {TestId::SituationPictures,
     {"frmSlisaobrsitsaponudjABCDodgovorima",
      "Slike saobracajnih situacija sa ponudjenim ABCD odgovorima", "ssitabcd", "ssitabcd.pit", 33,
      16, PictureRule::SharedByPairs, "ssit.JPG", "", AnswerMode::MultipleChoice, "SSITABCD", 1,
      "mnuTestSliksaobrsitsaponudjodg", ""}},
    {TestId::OfficerSignals,
     {"frmZnacikojedajuovlsaobrlica", "Znaci koje daju ovlascena saobracajna lica", "znovlica",
      "znovlica.pit", 33, 16, PictureRule::OnePerQuestion, "zovl.JPG", "",
      AnswerMode::MultipleChoice, "ZNOVLICA", 7, "mnuTestZnacikojedajuovlsaobrlica", ""}},
    {TestId::SignPictures,
     {"frmSlisaobrznaksaponudjABCDodg", "Slike saobracajnih znakova sa ponudjenim ABCD odgovorima",
      "slsaobzn", "slsaobzn.pit", 33, 16, PictureRule::OnePerQuestion, "sszn.JPG", "",
      AnswerMode::MultipleChoice, "SLSAOBZN", 8, "mnuTestSlsaobrznaksaponudjodg", ""}},
    {TestId::Junctions,
     {"frmRaskrsnice", "Raskrsnice", "raskrsn", "raskrsn.odg", 5, 8, PictureRule::OnePerQuestion,
      "rask.JPG", "", AnswerMode::TypedAnswer, "RASKRSN", 9, "mnuTestRaskrsnice", ""}},
    {TestId::FifteenSigns,
     {"frmSaobracajniznaci15znakova", "Saobracajni znaci 15 znakova", "saobzn15", "saobzn15.odg", 5,
      20, PictureRule::OnePerQuestion, "sz15.JPG", "tz15.JPG", AnswerMode::TypedAnswer, "SAOBZN15",
      6, "mnuTestSaobracajniznaci15znakova", ""}},
    {TestId::TheoryChoice,
     {"frmSuvapitsaponudjABCDodgovorima", "Suva pitanja sa ponudjenim ABCD odgovorima", "suvaabcd",
      "suvaabcd.pit", 73, 13, PictureRule::None, "", "", AnswerMode::MultipleChoice, "SUVAABCD", 2,
      "mnuTestsuvapitsaponudjodg", ""}},
    {TestId::FirstAidChoice,
     {"frmSuvapitizPrvepomocisaponudjABCDodg",
      "Suva pitanja iz Prve pomoci sa ponudjenim ABCD odgovorima", "ppomabcd", "ppomabcd.pit", 73,
      13, PictureRule::None, "", "", AnswerMode::MultipleChoice, "PPOMABCD", 4,
      "mnuTestSuvapitizppsaponudjodg", ""}},
    {TestId::TheoryTyped,
     {"frmSuvapitanjasaunosenjemodgovora", "Suva pitanja sa unosenjem odgovora", "suvaodg",
      "suvaodg.pit", 73, 13, PictureRule::None, "", "", AnswerMode::TypedAnswer, "SUVAODG", 3,
      "mnuTestSuvapitsaunosodg", "ppomodg"}},
    {TestId::FirstAidTyped,
     {"frmPrvaPomocpitanjasaunosenjemodgovora", "Prva Pomoc pitanja sa unosenjem odgovora",
      "ppomodg", "ppomodg.pit", 73, 13, PictureRule::None, "", "", AnswerMode::TypedAnswer,
      "PPOMODG", 5, "mnuTestSuvapitizPPsaunosodg", ""}},
};

// Each row stands at the place of its id, so a window that asks for its id gets its own row.
constexpr bool rowsInIdOrder() {
    if (std::size(kRows) != kTestCount)
        return false;
    for (std::size_t i = 0; i < kTestCount; ++i)
        if (kRows[i].id != static_cast<TestId>(i))
            return false;
    return true;
}
static_assert(rowsInIdOrder(), "one row per test, in the order of TestId");

constexpr std::array<TestDescriptor, kTestCount> kCatalogue = [] {
    std::array<TestDescriptor, kTestCount> catalogue{};
    for (std::size_t i = 0; i < kTestCount; ++i)
        catalogue[i] = kRows[i].test;
    return catalogue;
}();

} // namespace

const std::array<TestDescriptor, kTestCount>& testCatalogue() { return kCatalogue; }

const TestDescriptor& catalogueRow(TestId test) {
    return kCatalogue[static_cast<std::size_t>(test)];
}

int pictureForQuestion(PictureRule rule, int n) {
    switch (rule) {
    case PictureRule::None:
        return 0;
    case PictureRule::SharedByPairs:
        return n % 2 == 0 ? n - 1 : n;
    case PictureRule::OnePerQuestion:
        return n;
    }
    return 0;
}

std::string pictureFileName(const TestDescriptor& test, int n) {
    if (test.pictureRule == PictureRule::None)
        return {};
    return std::to_string(pictureForQuestion(test.pictureRule, n)) +
           std::string(test.pictureSuffix);
}

std::string secondPictureFileName(const TestDescriptor& test, int n) {
    if (test.secondPictureSuffix.empty())
        return {};
    return std::to_string(n) + std::string(test.secondPictureSuffix);
}

std::array<std::string_view, kTestCount> progressFoldersInCreationOrder() {
    // In the order of their names.
    std::array<std::string_view, kTestCount> folders;
    std::ranges::transform(kCatalogue, folders.begin(), &TestDescriptor::progressFolder);
    std::ranges::sort(folders);
    return folders;
}

} // namespace kviz
