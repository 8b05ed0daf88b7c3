#include "platform/standard_texts.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstring>

namespace kviz {

namespace {

struct Text {
    const char* context;
    const char* source;
    const char* text;
};

// The edit menu of text boxes (QWidgetTextControl for the multi-line ones), the menu of the
// scroll bars and the buttons of standard dialogs. "OK" stays as it is.
constexpr Text kTexts[] = {
    {"QLineEdit", "&Undo", "&Opozovi"},
    {"QLineEdit", "&Redo", "&Ponovi"},
    {"QLineEdit", "Cu&t", "Ise&ci"},
    {"QLineEdit", "&Copy", "&Kopiraj"},
    {"QLineEdit", "&Paste", "&Nalepi"},
    {"QLineEdit", "Delete", "Obrisi"},
    {"QLineEdit", "Select All", "Izaberi sve"},
    {"QWidgetTextControl", "&Undo", "&Opozovi"},
    {"QWidgetTextControl", "&Redo", "&Ponovi"},
    {"QWidgetTextControl", "Cu&t", "Ise&ci"},
    {"QWidgetTextControl", "&Copy", "&Kopiraj"},
    {"QWidgetTextControl", "Copy &Link Location", "Kopiraj &adresu veze"},
    {"QWidgetTextControl", "&Paste", "&Nalepi"},
    {"QWidgetTextControl", "Delete", "Obrisi"},
    {"QWidgetTextControl", "Select All", "Izaberi sve"},
    {"QScrollBar", "Scroll here", "Pomeri ovde"},
    {"QScrollBar", "Top", "Na vrh"},
    {"QScrollBar", "Bottom", "Na dno"},
    {"QScrollBar", "Page up", "Strana gore"},
    {"QScrollBar", "Page down", "Strana dole"},
    {"QScrollBar", "Scroll up", "Pomeri gore"},
    {"QScrollBar", "Scroll down", "Pomeri dole"},
    {"QScrollBar", "Left edge", "Leva ivica"},
    {"QScrollBar", "Right edge", "Desna ivica"},
    {"QScrollBar", "Page left", "Strana levo"},
    {"QScrollBar", "Page right", "Strana desno"},
    {"QScrollBar", "Scroll left", "Pomeri levo"},
    {"QScrollBar", "Scroll right", "Pomeri desno"},
    {"QPlatformTheme", "Cancel", "Otkazi"},
};

constexpr const char* kName = "kvizStandardTexts";

class StandardTexts : public QTranslator {
public:
    explicit StandardTexts(QObject* parent) : QTranslator(parent) { setObjectName(kName); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (context == nullptr || source == nullptr)
            return QString();
        for (const Text& t : kTexts)
            if (std::strcmp(t.context, context) == 0 && std::strcmp(t.source, source) == 0)
                return QString::fromLatin1(t.text);
        return QString(); // the text as Qt has it
    }
};

} // namespace

void installStandardTexts() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || app->findChild<QTranslator*>(kName, Qt::FindDirectChildrenOnly))
        return;
    QCoreApplication::installTranslator(new StandardTexts(app));
}

} // namespace kviz
