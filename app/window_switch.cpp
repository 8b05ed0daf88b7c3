#include "app/window_switch.h"

#include "choice_picture/frm_sister_windows.h"
#include "choice_picture/frm_slisaobrsitsaponudj_abcd_odgovorima.h"
#include "choice_text/frm_suva_pitanja_abcd.h"
#include "typed_picture/frm_raskrsnice.h"
#include "typed_picture/frm_saobracajni_znaci15.h"
#include "typed_text/frm_typed_text.h"

#include <QCoreApplication>
#include <QTimer>

namespace kviz {

TestWindows::TestWindows(Services services) : services_(services) {}

TestWindows::~TestWindows() = default;

namespace {

template <typename Window> std::unique_ptr<TestWindow> make(Services services) {
    return std::make_unique<Window>(services);
}

struct WindowEntry {
    std::string_view window;
    std::unique_ptr<TestWindow> (*make)(Services);
};

// The test windows the program has, by window name.
constexpr WindowEntry kWindows[] = {
    {"frmSlisaobrsitsaponudjABCDodgovorima", &make<frmSlisaobrsitsaponudjABCDodgovorima>},
    {"frmZnacikojedajuovlsaobrlica", &make<frmZnacikojedajuovlsaobrlica>},
    {"frmSlisaobrznaksaponudjABCDodg", &make<frmSlisaobrznaksaponudjABCDodg>},
    {"frmSuvapitsaponudjABCDodgovorima", &make<frmSuvapitsaponudjABCDodgovorima>},
    {"frmSuvapitizPrvepomocisaponudjABCDodg", &make<frmSuvapitizPrvepomocisaponudjABCDodg>},
    {"frmSuvapitanjasaunosenjemodgovora", &make<frmSuvapitanjasaunosenjemodgovora>},
    {"frmPrvaPomocpitanjasaunosenjemodgovora", &make<frmPrvaPomocpitanjasaunosenjemodgovora>},
    {"frmRaskrsnice", &make<frmRaskrsnice>},
    {"frmSaobracajniznaci15znakova", &make<frmSaobracajniznaci15znakova>},
};

const WindowEntry* entryOf(const TestDescriptor& test) {
    for (const auto& entry : kWindows)
        if (entry.window == test.window)
            return &entry;
    return nullptr;
}

} // namespace

std::unique_ptr<TestWindow> TestWindows::create(const TestDescriptor& test) {
    const WindowEntry* entry = entryOf(test);
    if (entry == nullptr)
        return nullptr;
    std::unique_ptr<TestWindow> window = entry->make(services_);
    window->testSwitch = this;
    return window;
}

void TestWindows::start() {
    current_ = create(testCatalogue().front());
    current_->show();
}

void TestWindows::open(const TestDescriptor& target) {
    std::unique_ptr<TestWindow> window = create(target);
    if (!window)
        return;
    if (current_)
        retired_.push_back(std::move(current_));
    current_ = std::move(window);
    current_->load();
    current_->show();
}

void TestWindows::dropReplacedLater() {
    // The replaced window went to the retired ones when its successor opened.
    QTimer::singleShot(0, QCoreApplication::instance(), [this] { dropRetired(); });
}

void TestWindows::dropRetired() { retired_.clear(); }

} // namespace kviz
