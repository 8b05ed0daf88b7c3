// Snapshots: a readable text record of what a window shows, one fact a line, kept as data under
// tests/snapshots/<window>/<state>.txt and compared with the window on every run.
//
// A record has these sections, each in a fixed order:
//   [window]   the caption, the place on the screen (twips, or centred on the window underneath),
//              the client size (twips), the mouse pointer and the colour of the surface
//   [controls] per control, by name: its kind, container and place (twips); its caption or text;
//              its font (the installed face and its pixel size); its colours; shown or hidden,
//              enabled or disabled; and what else it shows (entries, range, picture, tooltip)
//   [drawn]    the drawing log of the surface: texts with font, colour and place, and boxes
//   [menus]    every menu item by its place in the tree: caption with its access key, shortcut,
//              check mark, enabled and shown
//   [focus]    the control with Qt's focus, by its name
//   [dialog]   an open message or input box: kind, title, icon, place, default, its text by lines;
//              an open window of the program follows in [dialog ...] sections of its own
// Folders that differ between runs and machines stand as tokens (<temp>, <program>).
#pragma once

#include "platform/fakes.h"
#include "platform/form.h"

#include <QStringList>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kviz::testing {

// Folders that differ between runs and machines, each with the token that stands for it.
using PathTokens = std::vector<std::pair<std::filesystem::path, QString>>;

// The record of the window as it stands, with the message or input box or the window of the
// program that is open over it, if any.
QStringList snapshotOf(Form& window, const PathTokens& tokens, const DialogCall* box = nullptr,
                       Form* over = nullptr);

// Compares a record with its data file. With KVIZ_SNAPSHOT_UPDATE=1 in the environment the file
// is written instead. A difference fails the test with the differing lines and their numbers.
void expectSnapshot(const std::filesystem::path& folder, const std::string& window,
                    const std::string& state, const QStringList& record);

} // namespace kviz::testing
