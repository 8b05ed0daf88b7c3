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
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? "0" : text;
}

QString twips(int pixels) { return QString::number(pixels * 15); }

QString colour(const QColor& c) { return c.name(QColor::HexRgb); }

QString fontOf(const QFont& font) {
    const QString size = font.pixelSize() > 0 ? QString::number(font.pixelSize()) + "px"
                                              : number(font.pointSizeF()) + "pt";
    return font.family() + ' ' + size + (font.bold() ? " bold" : "");
}

// Controls by name, a number at the end by its value: Label2 before Label10.
std::pair<QString, int> sortKey(const QString& name) {
    static const QRegularExpression digits("^(.*?)(\\d+)$");
    const auto match = digits.match(name);
    return match.hasMatch() ? std::pair(match.captured(1), match.captured(2).toInt())
                            : std::pair(name, -1);
}

std::vector<Control*> controlsOf(Form& form) {
    std::vector<Control*> out;
    for (QWidget* widget : form.window()->findChildren<QWidget*>()) {
        Control* control = form.controlOf(widget);
        if (control != nullptr && control->widget() == widget)
            out.push_back(control);
    }
    std::sort(out.begin(), out.end(),
              [](Control* a, Control* b) { return sortKey(a->name()) < sortKey(b->name()); });
    return out;
}

QString containerOf(Form& form, Control& control) {
    QWidget* parent = control.widget()->parentWidget();
    Control* holder = parent != nullptr ? form.controlOf(parent) : nullptr;
    return holder != nullptr ? holder->name() : QString("client");
}

void describeControl(Form& form, Control& c, QStringList& out) {
    QWidget* widget = c.widget();
    const QPalette palette = widget->palette();
    const auto back = [&](QPalette::ColorRole role) {
        return widget->autoFillBackground() || role != QPalette::Window
                   ? colour(palette.color(QPalette::Active, role))
                   : QString("clear");
    };
    QString kind, text, colours, extra;
    bool hasText = true;
    if (auto* label = dynamic_cast<Label*>(&c)) {
        kind = "label";
        text = static_cast<QLabel*>(widget)->text();
        colours = colour(palette.color(QPalette::Active, QPalette::WindowText)) + " on " +
                  back(QPalette::Window);
        if (label->border())
            extra = "single border";
    } else if (auto* box = dynamic_cast<TextBox*>(&c)) {
        kind = "text box";
        text = box->lineEdit()->text();
        colours =
            colour(palette.color(QPalette::Active, QPalette::Text)) + " on " + back(QPalette::Base);
        if (box->lineEdit()->maxLength() < 32767)
            extra = QString("at most %1 characters").arg(box->lineEdit()->maxLength());
    } else if (auto* combo = dynamic_cast<ComboBox*>(&c)) {
        kind = "combo box";
        QComboBox* qt = combo->comboBox();
        text = qt->lineEdit() != nullptr ? qt->lineEdit()->text() : qt->currentText();
        colours =
            colour(palette.color(QPalette::Active, QPalette::Text)) + " on " + back(QPalette::Base);
        QStringList entries;
        for (const QString& entry : combo->items())
            entries << quoted(entry);
        extra = "entries " + entries.join(", ") + QString(" (selected %1)").arg(combo->listIndex());
    } else if (dynamic_cast<CommandButton*>(&c) != nullptr) {
        kind = "button";
        text = static_cast<QAbstractButton*>(widget)->text();
        colours = colour(palette.color(QPalette::Active, QPalette::ButtonText)) + " on " +
                  back(QPalette::Button);
    } else {
        hasText = false;
        if (auto* image = dynamic_cast<Image*>(&c)) {
            kind = "image";
            if (!image->picturePath().isEmpty())
                extra = "picture " + image->picturePath();
        } else if (auto* picture = dynamic_cast<PictureBox*>(&c)) {
            kind = "picture box";
            colours = "back " + back(QPalette::Window);
            if (!picture->picturePath().isEmpty())
                extra = "picture " + picture->picturePath();
        } else if (auto* bar = dynamic_cast<VScrollBar*>(&c)) {
            kind = "scroll bar";
            extra = QString("range %1 to %2, value %3")
                        .arg(bar->min())
                        .arg(bar->max())
                        .arg(bar->value());
        } else if (auto* progress = dynamic_cast<ProgressBar*>(&c)) {
            kind = "progress bar";
            extra = QString("range 0 to %1, value %2").arg(progress->max()).arg(progress->value());
        } else if (auto* chart = dynamic_cast<PieChart*>(&c)) {
            kind = "chart";
            extra = "values " + number(chart->first()) + ", " + number(chart->second());
        } else {
            kind = "control";
        }
    }
    const QString name = c.name() + ": ";
    out << name + kind + " in " + containerOf(form, c) +
               QString(" at %1,%2 size %3x%4")
                   .arg(c.left())
                   .arg(c.top())
                   .arg(c.width())
                   .arg(c.height());
    if (hasText) {
        out << name + "caption " + quoted(text);
        out << name + "font " + fontOf(widget->font());
    }
    if (!colours.isEmpty())
        out << name + "colour " + colours;
    out << name + (widget->isVisibleTo(widget->window()) ? "shown" : "hidden") +
               (widget->isEnabled() ? ", enabled" : ", disabled");
    if (!extra.isEmpty())
        out << name + extra;
    if (!widget->toolTip().isEmpty())
        out << name + "tip " + quoted(widget->toolTip());
}

void describeMenu(const MenuItem& item, int depth, QStringList& out) {
    QAction* action = item.action();
    QString line = QString(depth * 2, ' ') + item.name();
    if (action->isSeparator()) {
        line += " separator";
    } else {
        line += ' ' + quoted(action->text());
        if (!action->shortcut().isEmpty())
            line += ", shortcut " + action->shortcut().toString(QKeySequence::PortableText);
        if (action->isCheckable() && action->isChecked())
            line += ", checked";
        line += action->isEnabled() ? ", enabled" : ", disabled";
    }
    line += action->isVisible() ? ", shown" : ", hidden";
    out << line;
    for (const MenuItem* sub : item.items())
        describeMenu(*sub, depth + 1, out);
}

void describeText(const QString& what, const QString& text, QStringList& out) {
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        out << QString("%1 line %2: ").arg(what).arg(i + 1) + quoted(lines[i]);
}

QString iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return "critical";
    case MessageIcon::Question:
        return "question";
    case MessageIcon::Exclamation:
        return "exclamation";
    case MessageIcon::Information:
        return "information";
    case MessageIcon::None:
        break;
    }
    return "none";
}

} // namespace

Recorder::Recorder(std::vector<std::pair<std::filesystem::path, QString>> tokens) {
    for (const auto& [folder, token] : tokens) {
        tokens_.emplace_back(QString::fromStdString(folder.string()), token);
        std::error_code error;
        const auto canonical = std::filesystem::weakly_canonical(folder, error);
        if (!error && canonical != folder)
            tokens_.emplace_back(QString::fromStdString(canonical.string()), token);
    }
    // A folder inside another is replaced first.
    std::sort(tokens_.begin(), tokens_.end(),
              [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
}

QString Recorder::tokens(QString text) const {
    for (const auto& [folder, token] : tokens_)
        text.replace(folder, token);
    return text;
}

void Recorder::describe(Form& form, const QString& prefix, QStringList& out,
                        const Form* under) const {
    out << "[" + prefix + "window]";
    out << "caption " + quoted(form.caption());
    // A window centred on the one underneath is so on every screen, whatever its frame.
    const QPoint offCentre =
        form.window()->frameGeometry().center() -
        (under != nullptr ? under->window()->frameGeometry().center() : QPoint());
    const QPoint at = form.window()->pos();
    out << (under != nullptr && std::abs(offCentre.x()) <= 2 && std::abs(offCentre.y()) <= 2
                ? QString("at the centre of the window underneath")
                : "at " + twips(at.x()) + "," + twips(at.y()) + " twips");
    const QSize client = form.surface()->size();
    out << "client " + twips(client.width()) + "x" + twips(client.height()) + " twips";
    out << QString("pointer ") +
               (form.mousePointer() == MousePointer::Hourglass ? "hourglass" : "default");
    out << "surface " + colour(form.canvas().backColor());
    out << "[" + prefix + "controls]";
    for (Control* control : controlsOf(form))
        describeControl(form, *control, out);
    out << "[" + prefix + "drawn]";
    for (const DrawOp& op : form.canvas().log()) {
        if (op.kind == DrawOp::Kind::Text) {
            out << "text " + quoted(op.text) + " at " + number(op.at.x()) + "," +
                       number(op.at.y()) + ", " + op.fontName + ' ' + number(op.fontSize) +
                       (op.bold ? " bold" : "") + ", " + colour(op.color);
        } else {
            out << QString(op.kind == DrawOp::Kind::Box ? "box " : "filled box ") +
                       number(op.rect.left()) + "," + number(op.rect.top()) + " to " +
                       number(op.rect.right()) + "," + number(op.rect.bottom()) + ", " +
                       colour(op.color);
        }
    }
    out << "[" + prefix + "menus]";
    for (const auto& menu : form.menus())
        describeMenu(*menu, 0, out);
}

QString Recorder::focusOf(Form& window, Form* over) const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr)
        return "(none)";
    for (auto [form, prefix] :
         {std::pair(&window, QString()), std::pair(over, QString("dialog "))}) {
        if (form == nullptr)
            continue;
        if (Control* control = form->controlOf(focus))
            return prefix + control->name();
        if (focus->window() == form->window())
            return prefix + "window";
    }
    return "(" + QString(focus->metaObject()->className()) + ")";
}

QStringList Recorder::screen(Form& window, const DialogCall* box, Form* over) const {
    QStringList out;
    describe(window, QString(), out, nullptr);
    out << "[focus]" << focusOf(window, over);
    if (box != nullptr) {
        out << "[dialog]";
        if (box->kind == DialogCall::Kind::Input) {
            out << "input box " + quoted(box->title) +
                       QString(" at %1,%2 twips").arg(box->position.x()).arg(box->position.y());
            out << "default " + quoted(box->defaultAnswer);
            describeText("prompt", box->text, out);
        } else {
            out << "message box " + quoted(box->title) + ", icon " + iconName(box->icon);
            describeText("text", box->text, out);
        }
    }
    if (over != nullptr)
        describe(*over, "dialog ", out, &window);
    for (QString& line : out)
        line = tokens(line);
    return out;
}

QString differences(const QStringList& expected, const QStringList& found) {
    const auto n = static_cast<std::size_t>(expected.size());
    const auto m = static_cast<std::size_t>(found.size());
    // The longest common run of lines, from the ends.
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            common[i][j] = expected[static_cast<qsizetype>(i)] == found[static_cast<qsizetype>(j)]
                               ? common[i + 1][j + 1] + 1
                               : std::max(common[i + 1][j], common[i][j + 1]);
    struct Step {
        char mark;
        std::size_t line; // in expected for ' ' and '-', in found for '+'
        QString text;
    };
    std::vector<Step> steps;
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m &&
            expected[static_cast<qsizetype>(i)] == found[static_cast<qsizetype>(j)]) {
            steps.push_back({' ', i, expected[static_cast<qsizetype>(i)]});
            ++i, ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            steps.push_back({'-', i, expected[static_cast<qsizetype>(i)]});
            ++i;
        } else {
            steps.push_back({'+', j, found[static_cast<qsizetype>(j)]});
            ++j;
        }
    }
    QString out;
    int shown = 0, left = 0;
    bool gap = true;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const bool near = (k > 0 && steps[k - 1].mark != ' ') ||
                          (k + 1 < steps.size() && steps[k + 1].mark != ' ');
        if (steps[k].mark == ' ' && !near) {
            gap = true;
            continue;
        }
        if (steps[k].mark != ' ' && shown >= 80) {
            ++left;
            continue;
        }
        if (gap)
            out += "  ...\n";
        gap = false;
        out +=
            QString("%1 %2  %3\n").arg(steps[k].mark).arg(steps[k].line + 1, 5).arg(steps[k].text);
        shown += steps[k].mark != ' ' ? 1 : 0;
    }
    if (left > 0)
        out += QString("  ... and %1 more differing lines\n").arg(left);
    return out;
}

void expectSnapshot(const std::filesystem::path& folder, const std::string& window,
                    const std::string& state, const QStringList& record) {
    const auto path = folder / window / (state + ".txt");
    const QString file = QString::fromStdString(path.string());
    const char* update = std::getenv("KVIZ_SNAPSHOT_UPDATE");
    if (update != nullptr && std::string(update) == "1") {
        std::filesystem::create_directories(path.parent_path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
        out.write((record.join('\n') + '\n').toUtf8());
        return;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "snapshot " << window << "/" << state << ": no record at " << path
                      << "; KVIZ_SNAPSHOT_UPDATE=1 writes it";
        return;
    }
    QString kept = QString::fromUtf8(in.readAll());
    if (kept.endsWith('\n'))
        kept.chop(1);
    const QStringList expected = kept.split('\n');
    if (expected != record)
        ADD_FAILURE() << "snapshot " << window << "/" << state << " differs from " << path
                      << " (\"-\" the record, \"+\" the window, by line number):\n"
                      << differences(expected, record).toStdString();
}

} // namespace kviz::testing
