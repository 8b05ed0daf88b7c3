// The whole program with the candidate list "NOVI KANDIDAT", "ANA", "PERA", ANA named at the
// start, for tests that run over the nine windows: the parameter is the window's catalogue row.
#pragma once

#include "app/window_switch.h"
#include "tests/support/window_fixture.h"

namespace kviz::testing {

class ProgramFixture : public WindowFixture, public ::testing::WithParamInterface<std::size_t> {
protected:
    // Starts the program, and switches to the window of the row.
    void startOnRow() {
        writeCandidateList("NOVI KANDIDAT\r\nANA\r\nPERA\r\n");
        fakes.dialogs.answers = {"ana"};
        windows.start();
        if (GetParam() != 0) {
            windows.current()->TestItem_Click(GetParam());
            windows.dropRetired();
        }
    }
    WindowHost windows{fakes.services()};
};

} // namespace kviz::testing
