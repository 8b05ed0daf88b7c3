#include "app/window_switch.h"

#include "choice_picture/frm_sister_windows.h"
#include "choice_picture/frm_slisaobrsitsaponudj_abcd_odgovorima.h"
#include "choice_text/frm_suva_pitanja_abcd.h"
#include "typed_picture/frm_raskrsnice.h"
#include "typed_picture/frm_saobracajni_znaci15.h"
#include "typed_text/frm_typed_text.h"

#include <QTimer>

#include <iterator>
#include <stdexcept>
#include <string>

namespace kviz {

WindowHost::WindowHost(Services services) : services_(services) {}

WindowHost::~WindowHost() = default;

namespace {

using MakeWindow = std::unique_ptr<TestWindow> (*)(Services);

template <typename Window> std::unique_ptr<TestWindow> make(Services services) {
    return std::make_unique<Window>(services);
}

// The window class of each test, in the order of the catalogue (TestId). Each window takes its
// row, and with it its name, from the catalogue.
constexpr MakeWindow kWindows[] = {
    &make<frmSlisaobrsitsaponudjABCDodgovorima>,   &make<frmZnacikojedajuovlsaobrlica>,
    &make<frmSlisaobrznaksaponudjABCDodg>,         &make<frmRaskrsnice>,
    &make<frmSaobracajniznaci15znakova>,           &make<frmSuvapitsaponudjABCDodgovorima>,
    &make<frmSuvapitizPrvepomocisaponudjABCDodg>,  &make<frmSuvapitanjasaunosenjemodgovora>,
    &make<frmPrvaPomocpitanjasaunosenjemodgovora>,
};
static_assert(std::size(kWindows) == kTestCount, "one window class for each test of the catalogue");

} // namespace

std::unique_ptr<TestWindow> WindowHost::create(const TestDescriptor& test) {
    const auto& catalogue = testCatalogue();
    for (std::size_t row = 0; row < catalogue.size(); ++row) {
        if (&catalogue[row] != &test)
            continue;
        std::unique_ptr<TestWindow> window = kWindows[row](services_);
        // A window class out of its place in the table would show another test.
        if (&window->test() != &test)
            throw std::logic_error(std::string(test.window) + ": its place in the window table " +
                                   "holds the window of " + std::string(window->test().window));
        window->testSwitch = this;
        return window;
    }
    throw std::logic_error(std::string(test.window) + ": not a row of the test catalogue");
}

void WindowHost::start() {
    current_ = create(testCatalogue().front());
    current_->show();
}

void WindowHost::open(const TestDescriptor& target) {
    std::unique_ptr<TestWindow> window = create(target);
    if (current_)
        retired_.push_back(std::move(current_));
    current_ = std::move(window);
    current_->load();
    current_->show();
}

void WindowHost::dropReplacedLater() {
    // The replaced window went to the retired ones when its successor opened.
    QTimer::singleShot(0, &dropContext_, [this] { dropRetired(); });
}

void WindowHost::dropRetired() { retired_.clear(); }

} // namespace kviz
