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

// Whatever becomes of the state folder and whatever path reaches it, a copy starts when no other
// runs, and is refused exactly while another copy, in this process or another, holds the
// folder's path or the folder itself.
TEST(SingleCopyTest, ACopyIsRefusedExactlyWhileAnotherRuns) {
    const auto same = [](const fs::path& root) { return root; };
    const auto moved = [](const fs::path& root) {
        fs::rename(root, root.parent_path() / "moved");
        return root.parent_path() / "moved";
    };
    const struct {
        const char* name;
        std::function<fs::path(const fs::path&)> meanwhile; // the second copy's state root
        std::function<void(const fs::path&)> before = [](const fs::path&) {};
    } rows[] = {
        {"the same path", same},
        {"the path with a dot and a double slash",
         [](const fs::path& r) { return r.parent_path().string() + "/.//KVIZOMAT"; }},
        {"the path through a linked home folder",
         [](const fs::path& r) {
             fs::create_directory_symlink(r.parent_path(), r.parent_path() / "home");
             return r.parent_path() / "home" / "KVIZOMAT";
         }},
        {"the folder moved away and made again",
         [&](const fs::path& r) {
             moved(r);
             fs::create_directory(r);
             return r;
         }},
        {"the folder removed and made again",
         [](const fs::path& r) {
             fs::remove_all(r);
             fs::create_directory(r);
             return r;
         }},
        {"the folder moved, reached by its new path", moved},
        {"the folder moved, reached by a link put at its path",
         [&](const fs::path& r) {
             fs::create_directory_symlink(moved(r), r);
             return r;
         }},
        {"a folder that can be written but not read, as an ordinary user", same,
         [](const fs::path& r) {
             fs::permissions(r, static_cast<fs::perms>(0333));
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
        row.before(fakes.locations.root);

        auto first = std::make_unique<SingleCopy>(fakes.services());
        EXPECT_TRUE(first->claim());
        EXPECT_EQ(fakes.dialogs.calls.size(), 0u);
        fakes.locations.root = row.meanwhile(fakes.locations.root);
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
