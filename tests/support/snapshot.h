// Snapshots: a readable text record of what a window shows, one fact a line, kept as data under
// tests/snapshots/<window>/<state>.txt (tests/snapshots/README.md describes a record) and
// compared with the window on every run.
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
