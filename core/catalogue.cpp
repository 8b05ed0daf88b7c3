#include "core/catalogue.h"

#include <stdexcept>
#include <string>

namespace kviz {

namespace {

constexpr std::array<TestDescriptor, 9> kCatalogue = {{
    {"frmSlisaobrsitsaponudjABCDodgovorima",
     "Slike saobracajnih situacija sa ponudjenim ABCD odgovorima", "ssitabcd", "ssitabcd.pit", 33,
     16, PictureRule::SharedByPairs, "ssit.JPG", "", AnswerMode::MultipleChoice, "SSITABCD", 1,
     "mnuTestSliksaobrsitsaponudjodg"},
    {"frmZnacikojedajuovlsaobrlica", "Znaci koje daju ovlascena saobracajna lica", "znovlica",
     "znovlica.pit", 33, 16, PictureRule::OnePerQuestion, "zovl.JPG", "",
     AnswerMode::MultipleChoice, "ZNOVLICA", 7, "mnuTestZnacikojedajuovlsaobrlica"},
    {"frmSlisaobrznaksaponudjABCDodg", "Slike saobracajnih znakova sa ponudjenim ABCD odgovorima",
     "slsaobzn", "slsaobzn.pit", 33, 16, PictureRule::OnePerQuestion, "sszn.JPG", "",
     AnswerMode::MultipleChoice, "SLSAOBZN", 8, "mnuTestSlsaobrznaksaponudjodg"},
    {"frmRaskrsnice", "Raskrsnice", "raskrsn", "raskrsn.odg", 5, 8, PictureRule::OnePerQuestion,
     "rask.JPG", "", AnswerMode::TypedAnswer, "RASKRSN", 9, "mnuTestRaskrsnice"},
    {"frmSaobracajniznaci15znakova", "Saobracajni znaci 15 znakova", "saobzn15", "saobzn15.odg", 5,
     20, PictureRule::OnePerQuestion, "sz15.JPG", "tz15.JPG", AnswerMode::TypedAnswer, "SAOBZN15",
     6, "mnuTestSaobracajniznaci15znakova"},
    {"frmSuvapitsaponudjABCDodgovorima", "Suva pitanja sa ponudjenim ABCD odgovorima", "suvaabcd",
     "suvaabcd.pit", 73, 13, PictureRule::None, "", "", AnswerMode::MultipleChoice, "SUVAABCD", 2,
     "mnuTestsuvapitsaponudjodg"},
    {"frmSuvapitizPrvepomocisaponudjABCDodg",
     "Suva pitanja iz Prve pomoci sa ponudjenim ABCD odgovorima", "ppomabcd", "ppomabcd.pit", 73,
     13, PictureRule::None, "", "", AnswerMode::MultipleChoice, "PPOMABCD", 4,
     "mnuTestSuvapitizppsaponudjodg"},
    {"frmSuvapitanjasaunosenjemodgovora", "Suva pitanja sa unosenjem odgovora", "suvaodg",
     "suvaodg.pit", 73, 13, PictureRule::None, "", "", AnswerMode::TypedAnswer, "SUVAODG", 3,
     "mnuTestSuvapitsaunosodg"},
    {"frmPrvaPomocpitanjasaunosenjemodgovora", "Prva Pomoc pitanja sa unosenjem odgovora",
     "ppomodg", "ppomodg.pit", 73, 13, PictureRule::None, "", "", AnswerMode::TypedAnswer,
     "PPOMODG", 5, "mnuTestSuvapitizPPsaunosodg"},
}};

} // namespace

const std::array<TestDescriptor, 9>& testCatalogue() { return kCatalogue; }

const TestDescriptor& catalogueRow(std::string_view window) {
    for (const auto& row : kCatalogue)
        if (row.window == window)
            return row;
    // Every window is built for a row of the catalogue: a name without one is a mistake.
    throw std::invalid_argument("no test window " + std::string(window));
}

std::string pictureFileName(const TestDescriptor& test, int n) {
    int p = n;
    switch (test.pictureRule) {
    case PictureRule::None:
        return {};
    case PictureRule::SharedByPairs:
        p = n % 2 == 0 ? n - 1 : n;
        break;
    case PictureRule::OnePerQuestion:
        break;
    }
    return std::to_string(p) + std::string(test.pictureSuffix);
}

std::array<std::string_view, 9> progressFoldersInCreationOrder() {
    return {"PPOMABCD", "PPOMODG",  "RASKRSN", "SAOBZN15", "SLSAOBZN",
            "SSITABCD", "SUVAABCD", "SUVAODG", "ZNOVLICA"};
}

} // namespace kviz
