#include "core/help_texts.h"

namespace kviz {

namespace {
const std::string kStepOn =
    "\n\n\nDesnim klikom misa , pritiskom na taster Enter,\n\nili klikom misa "
    "u vertikalni skrol bar prelazite na\n\nsledece pitanje.";
} // namespace

std::string choiceHelpText(int answers) {
    std::string click, keys;
    if (answers >= 4) {
        click = "Kliknite misom na ponudjeni a), b), c) ili d) odgovor,";
        keys = "ili pritisnite slovo A, B, C ili D.";
    } else if (answers == 3) {
        click = "Kliknite misom na ponudjeni a), b) ili c) odgovor,";
        keys = "ili pritisnite slovo A, B ili C.";
    } else {
        click = "Kliknite misom na ponudjeni a) ili b) odgovor,";
        keys = "ili pritisnite slovo A ili B.";
    }
    return "\n" + click + "\n\n" + keys + kStepOn;
}

std::string typedHelpText(const std::string& firstLine) { return "\n" + firstLine + kStepOn; }

std::string demonstrationHelpText() {
    return "\nZa izlaz kliknite misom bilo gde\n\nili pritisnite taster Enter.\n\n";
}

std::string reviewHelpText() { return "\nZa izlaz kliknite misom na Izlaz.\n"; }

} // namespace kviz
