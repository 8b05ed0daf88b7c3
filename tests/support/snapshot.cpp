#include "tests/support/snapshot.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace kviz::testing {

namespace {

QString quoted(const QString& text) { return '"' + text + '"'; }

QString number(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.')))
        text.chop(1);
    return text == "-0" ? "0" : text;
}

// Controls by name, a number at the end by its value: Label2 before Label10.
std::pair<QString, int> sortKey(const QString& name) {
    static const QRegularExpression digits("^(.*?)(\\d+)$");
    const auto match = digits.match(name);
    return match.hasMatch() ? std::pair(match.captured(1), match.captured(2).toInt())
                            : std::pair(name, -1);
}

void describeControl(Form& form, Control& c, QStringList& out) {
    QWidget* widget = c.widget();
    const auto colour = [widget](QPalette::ColorRole role) {
        return role == QPalette::Window && !widget->autoFillBackground()
                   ? QString("clear")
                   : widget->palette().color(QPalette::Active, role).name();
    };
    const auto colours = [&](QPalette::ColorRole fore, QPalette::ColorRole back) {
        return colour(fore) + " on " + colour(back);
    };
    QString kind, text, look, extra;
    const auto picture = [](const QString& path) {
        return path.isEmpty() ? QString() : "picture " + path;
    };
    if (auto* label = dynamic_cast<Label*>(&c)) {
        kind = "label", text = static_cast<QLabel*>(widget)->text();
        look = colours(QPalette::WindowText, QPalette::Window);
        extra = label->border() ? "single border" : "";
    } else if (auto* box = dynamic_cast<TextBox*>(&c)) {
        kind = "text box", text = box->lineEdit()->text();
        look = colours(QPalette::Text, QPalette::Base);
        if (box->lineEdit()->maxLength() < 32767)
            extra = QString("at most %1 characters").arg(box->lineEdit()->maxLength());
    } else if (auto* combo = dynamic_cast<ComboBox*>(&c)) {
        kind = "combo box", text = combo->comboBox()->currentText();
        look = colours(QPalette::Text, QPalette::Base);
        QStringList entries;
        for (const QString& entry : combo->items())
            entries << quoted(entry);
        extra = "entries " + entries.join(", ") + QString(" (selected %1)").arg(combo->listIndex());
    } else if (dynamic_cast<CommandButton*>(&c) != nullptr) {
        kind = "button", text = static_cast<QAbstractButton*>(widget)->text();
        look = colours(QPalette::ButtonText, QPalette::Button);
    } else if (auto* image = dynamic_cast<Image*>(&c)) {
        kind = "image", extra = picture(image->picturePath());
    } else if (auto* strip = dynamic_cast<PictureBox*>(&c)) {
        kind = "picture box", look = "back " + colour(QPalette::Window);
        extra = picture(strip->picturePath());
    } else if (auto* bar = dynamic_cast<VScrollBar*>(&c)) {
        kind = "scroll bar";
        extra =
            QString("range %1 to %2, value %3").arg(bar->min()).arg(bar->max()).arg(bar->value());
    } else if (auto* progress = dynamic_cast<ProgressBar*>(&c)) {
        kind = "progress bar";
        extra = QString("range 0 to %1, value %2").arg(progress->max()).arg(progress->value());
    } else if (auto* chart = dynamic_cast<PieChart*>(&c)) {
        kind = "chart", extra = "values " + number(chart->first()) + ", " + number(chart->second());
    }
    const QString name = c.name() + ": ";
    Control* holder = form.controlOf(widget->parentWidget());
    out << name + kind + " in " + (holder != nullptr ? holder->name() : "client") +
               QString(" at %1,%2 size %3x%4")
                   .arg(c.left())
                   .arg(c.top())
                   .arg(c.width())
                   .arg(c.height());
    if (kind == "label" || kind == "text box" || kind == "combo box" || kind == "button") {
        const QFont font = widget->font();
        out << name + "caption " + quoted(text);
        out << name + "font " + font.family() + ' ' + QString::number(font.pixelSize()) + "px" +
                   (font.bold() ? " bold" : "");
    }
    if (!look.isEmpty())
        out << name + "colour " + look;
    out << name + (widget->isVisibleTo(widget->window()) ? "shown" : "hidden") +
               (widget->isEnabled() ? ", enabled" : ", disabled");
    if (!extra.isEmpty())
        out << name + extra;
    if (!widget->toolTip().isEmpty())
        out << name + "tip " + quoted(widget->toolTip());
}

void describeMenu(const MenuItem& item, int depth, QStringList& out) {
    const QAction* action = item.action();
    QString line = QString(depth * 2, ' ') + item.name();
    if (action->isSeparator())
        line += " separator";
    else
        line += ' ' + quoted(action->text()) +
                (action->shortcut().isEmpty()
                     ? QString()
                     : ", shortcut " + action->shortcut().toString(QKeySequence::PortableText)) +
                (action->isChecked() ? ", checked" : "") +
                (action->isEnabled() ? ", enabled" : ", disabled");
    out << line + (action->isVisible() ? ", shown" : ", hidden");
    for (const MenuItem* sub : item.items())
        describeMenu(*sub, depth + 1, out);
}

void describeText(const QString& what, const QString& text, QStringList& out) {
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        out << QString("%1 line %2: ").arg(what).arg(i + 1) + quoted(lines[i]);
}

void describe(Form& form, const QString& prefix, QStringList& out, const Form* under) {
    out << "[" + prefix + "window]"
        << "caption " + quoted(form.caption());
    // A window centred on the one underneath is so on every screen, whatever its frame.
    const QPoint offCentre =
        form.window()->frameGeometry().center() -
        (under != nullptr ? under->window()->frameGeometry().center() : QPoint());
    const QPoint at = form.window()->pos() * 15;
    out << (under != nullptr && std::abs(offCentre.x()) <= 2 && std::abs(offCentre.y()) <= 2
                ? QString("at the centre of the window underneath")
                : QString("at %1,%2 twips").arg(at.x()).arg(at.y()));
    const QSize client = form.surface()->size() * 15;
    out << QString("client %1x%2 twips").arg(client.width()).arg(client.height());
    out << QString("pointer ") +
               (form.mousePointer() == MousePointer::Hourglass ? "hourglass" : "default");
    out << "surface " + form.canvas().backColor().name() << "[" + prefix + "controls]";
    std::vector<Control*> controls;
    for (QWidget* widget : form.window()->findChildren<QWidget*>())
        if (Control* control = form.controlOf(widget); control && control->widget() == widget)
            controls.push_back(control);
    std::sort(controls.begin(), controls.end(),
              [](Control* a, Control* b) { return sortKey(a->name()) < sortKey(b->name()); });
    for (Control* control : controls)
        describeControl(form, *control, out);
    out << "[" + prefix + "drawn]";
    for (const DrawOp& op : form.canvas().log()) {
        if (op.kind == DrawOp::Kind::Text)
            out << "text " + quoted(op.text) + " at " + number(op.at.x()) + "," +
                       number(op.at.y()) + ", " + op.fontName + ' ' + number(op.fontSize) +
                       (op.bold ? " bold, " : ", ") + op.color.name();
        else
            out << QString(op.kind == DrawOp::Kind::Box ? "box " : "filled box ") +
                       number(op.rect.left()) + "," + number(op.rect.top()) + " to " +
                       number(op.rect.right()) + "," + number(op.rect.bottom()) + ", " +
                       op.color.name();
    }
    out << "[" + prefix + "menus]";
    for (const auto& menu : form.menus())
        describeMenu(*menu, 0, out);
}

} // namespace

QStringList snapshotOf(Form& window, const PathTokens& tokens, const DialogCall* box, Form* over) {
    QStringList out;
    describe(window, QString(), out, nullptr);
    // The control with the focus; "window" for a window's own surface.
    QString focus = "(none)";
    if (QWidget* widget = QApplication::focusWidget())
        for (auto [form, prefix] :
             {std::pair(over, QString("dialog ")), std::pair(&window, QString())})
            if (form != nullptr && widget->window() == form->window()) {
                Control* control = form->controlOf(widget);
                focus = prefix + (control != nullptr ? control->name() : "window");
            }
    out << "[focus]" << focus;
    if (box != nullptr && box->kind == DialogCall::Kind::Input) {
        out << "[dialog]"
            << "input box " + quoted(box->title) +
                   QString(" at %1,%2 twips").arg(box->position.x()).arg(box->position.y());
        out << "default " + quoted(box->defaultAnswer);
        describeText("prompt", box->text, out);
    } else if (box != nullptr) {
        static const char* const icons[] = {"none", "critical", "question", "exclamation",
                                            "information"};
        out << "[dialog]"
            << "message box " + quoted(box->title) + ", icon " + icons[static_cast<int>(box->icon)];
        describeText("text", box->text, out);
    }
    if (over != nullptr)
        describe(*over, "dialog ", out, &window);
    for (const auto& [folder, token] : tokens) {
        std::error_code error;
        for (const auto& path : {folder, std::filesystem::weakly_canonical(folder, error)})
            if (!path.empty())
                out.replaceInStrings(QString::fromStdString(path.string()), token);
    }
    return out;
}

namespace {

// The lines that differ between two records, at most 80, each with its number: "-" the line of
// the record, "+" the line found in its place.
QString differences(const QStringList& expected, const QStringList& found) {
    const qsizetype n = expected.size(), m = found.size();
    // common[i][j]: the most lines that expected from i and found from j have in common, in order.
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            common[i][j] = expected[i] == found[j] ? common[i + 1][j + 1] + 1
                                                   : std::max(common[i + 1][j], common[i][j + 1]);
    QString out;
    for (qsizetype i = 0, j = 0, shown = 0; (i < n || j < m) && shown < 80;) {
        const bool same = i < n && j < m && expected[i] == found[j];
        const bool gone = !same && i < n && (j == m || common[i + 1][j] >= common[i][j + 1]);
        if (!same)
            out += gone ? QString("- %1  %2\n").arg(i + 1, 5).arg(expected[i])
                        : QString("+ %1  %2\n").arg(j + 1, 5).arg(found[j]);
        shown += same ? 0 : 1;
        i += same || gone ? 1 : 0;
        j += gone ? 0 : 1;
    }
    return out;
}

} // namespace

void expectSnapshot(const std::filesystem::path& folder, const std::string& window,
                    const std::string& state, const QStringList& record) {
    const auto path = folder / window / (state + ".txt");
    QFile file(QString::fromStdString(path.string()));
    if (const char* update = std::getenv("KVIZ_SNAPSHOT_UPDATE");
        update && update == std::string("1")) {
        std::filesystem::create_directories(path.parent_path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
        file.write((record.join('\n') + '\n').toUtf8());
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "snapshot " << window << "/" << state << ": no record at " << path
                      << "; KVIZ_SNAPSHOT_UPDATE=1 writes it";
        return;
    }
    QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
    if (expected.endsWith(QString()))
        expected.removeLast();
    if (expected != record)
        ADD_FAILURE() << "snapshot " << window << "/" << state << " differs from " << path
                      << " (\"-\" the record, \"+\" the window, by line number):\n"
                      << differences(expected, record).toStdString();
}

} // namespace kviz::testing
