// A test window's surroundings: temporary state and program folders, fake services, and the
// shared variables reset before each test.
#pragma once

#include "core/kvizomat_module.h"
#include "platform/fakes.h"
#include "tests/support/bank.h"
#include "tests/support/qt_print.h"
#include "tests/support/temp_folder.h"

#include <QImage>
#include <gtest/gtest.h>

namespace kviz::testing {

class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() {
        basKvizomat = SharedVariables{};
        fakes.locations.root = dir / "KVIZOMAT";
        fakes.locations.program = dir / "program";
        std::filesystem::create_directories(fakes.locations.program);
    }

    Services services() { return fakes.services(); }
    std::filesystem::path stateRoot() const { return dir / "KVIZOMAT"; }

    // Writes a test's question file and returns its folder.
    std::filesystem::path writeBank(const std::string& testWord, const std::string& fileName,
                                    const std::string& bytes) {
        auto folder = fakes.locations.program / testWord / "pitiodg";
        std::filesystem::create_directories(folder);
        writeBytes(folder / fileName, bytes);
        return folder;
    }

    // Writes a small JPEG picture of a test.
    void writePicture(const std::string& testWord, const std::string& fileName, QColor color) {
        auto folder = fakes.locations.program / testWord / "JPGSLIKE";
        std::filesystem::create_directories(folder);
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(color);
        image.save(QString::fromStdString((folder / fileName).string()), "JPG");
    }

    void writeCandidateList(const std::string& bytes) {
        std::filesystem::create_directories(stateRoot());
        writeBytes(stateRoot() / "Kandidat.ime", bytes);
    }

    TempFolder dir;
    FakeServices fakes;
};

} // namespace kviz::testing
