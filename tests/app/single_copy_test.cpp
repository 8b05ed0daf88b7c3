// One copy of the program at a time on a state folder.
#include "app/single_copy.h"
#include "platform/fakes.h"
#include "tests/support/temp_folder.h"

#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kviz {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

// Whatever was left in the state folder, and whatever becomes of it while a copy runs, a copy
// starts when no other runs, and is refused exactly while another copy, in this process or
// another, holds the folder's path.
TEST(SingleCopyTest, ACopyIsRefusedExactlyWhileAnotherRuns) {
    const auto remake = [](const fs::path& f) { fs::create_directory(f.parent_path()); };
    const struct {
        const char* name;
        std::function<void(const fs::path&)> leave;
        std::function<void(const fs::path&)> meanwhile = [](const fs::path&) {};
    } rows[] = {
        {"nothing", [](const fs::path&) {}},
        {"an empty lock file", [](const fs::path& f) { testing::writeBytes(f, ""); }},
        {"text that is no lock", [](const fs::path& f) { testing::writeBytes(f, "x\n"); }},
        {"another host's lock",
         [](const fs::path& f) { testing::writeBytes(f, "1\nkvizomat\nelsewhere\n"); }},
        {"a folder", [](const fs::path& f) { fs::create_directories(f / "in"); }},
        {"a link to the folder", [](const fs::path& f) { fs::create_directory_symlink(".", f); }},
        {"a dangling link", [](const fs::path& f) { fs::create_symlink("gone", f); }},
        {"a FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }},
        {"the folder moved away and made again", [](const fs::path&) {},
         [&](const fs::path& f) {
             fs::rename(f.parent_path(), f.parent_path().string() + ".old");
             remake(f);
         }},
        {"the folder removed and made again", [](const fs::path&) {},
         [&](const fs::path& f) {
             fs::remove_all(f.parent_path());
             remake(f);
         }},
        {"a folder that can be written but not read, as an ordinary user",
         [](const fs::path& f) {
             fs::permissions(f.parent_path(), static_cast<fs::perms>(0333));
             if (::geteuid() == 0)
                 ::setfsuid(65534);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder dir;
        FakeServices fakes;
        fakes.locations.root = dir / "KVIZOMAT";
        fs::create_directories(fakes.locations.root);
        row.leave(fakes.locations.root / "Kvizomat.lck");

        auto first = std::make_unique<SingleCopy>(fakes.services());
        EXPECT_TRUE(first->claim());
        EXPECT_EQ(fakes.dialogs.calls.size(), 0u);
        row.meanwhile(fakes.locations.root / "Kvizomat.lck");
        SingleCopy second(fakes.services());
        EXPECT_FALSE(second.claim());
        EXPECT_EQ(fakes.dialogs.calls.size(), 1u);
        for (const DialogCall& told : fakes.dialogs.calls) {
            EXPECT_EQ(told.kind, DialogCall::Kind::Message);
            EXPECT_EQ(told.text, "Program je vec pokrenut.");
            EXPECT_EQ(told.title, "Greska");
            EXPECT_EQ(told.icon, MessageIcon::Critical);
        }
        first.reset();
        EXPECT_TRUE(SingleCopy(fakes.services()).claim());
        if (::geteuid() == 0)
            ::setfsuid(0);
    }
}

// A copy in another process: refused while it runs, a new copy starts once it is killed.
TEST(SingleCopyTest, AnotherProcessHoldsTheFolderUntilItEnds) {
    TempFolder dir;
    FakeServices fakes;
    fakes.locations.root = dir / "KVIZOMAT";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        SingleCopy copy(fakes.services());
        const char held = copy.claim() ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_FALSE(SingleCopy(fakes.services()).claim());
    ::kill(other, SIGKILL);
    ASSERT_EQ(waitpid(other, nullptr, 0), other);
    EXPECT_TRUE(SingleCopy(fakes.services()).claim());
    EXPECT_TRUE(fs::is_empty(fakes.locations.root)); // nothing was left behind
    ::close(ready[0]);
    ::close(ready[1]);
}

} // namespace
} // namespace kviz
