// The program's test windows: exactly one is on screen at a time. The program starts with the
// traffic-situation window; a test switch loads and shows the target window, and the window it
// replaces is dropped once its handler has returned.
#pragma once

#include "design/test_window.h"

#include <QObject>

#include <memory>
#include <vector>

namespace kviz {

class WindowHost : public TestSwitch {
public:
    explicit WindowHost(Services services);
    ~WindowHost() override;

    // Loads and shows the window the program starts with.
    void start();
    TestWindow* current() const { return current_.get(); }

    // The target must be a row of the test catalogue; anything else throws std::logic_error.
    void open(const TestDescriptor& target) override;
    void dropReplacedLater() override;

    // Drops the windows retired so far; the event loop does it after each switch.
    void dropRetired();

private:
    std::unique_ptr<TestWindow> create(const TestDescriptor& test);

    Services services_;
    std::unique_ptr<TestWindow> current_;
    std::vector<std::unique_ptr<TestWindow>> retired_;
    // The drop the event loop still has to make ends with the host.
    QObject dropContext_;
};

} // namespace kviz
