#include "app/single_copy.h"

#include "platform/files.h"

namespace kviz {

bool SingleCopy::claim() {
    const std::filesystem::path root = services_.locations->stateRoot();
    files::createFolder(root);
    lock_ = std::make_unique<QLockFile>(QString::fromStdString((root / "Kvizomat.lck").string()));
    // Held for the whole run, the lock never grows stale by age; one whose process is gone is
    // stale at once.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError)
        return true;
    lock_.reset();
    services_.dialogs->messageBox("Program je vec pokrenut.", "Greska", MessageIcon::Critical);
    return false;
}

} // namespace kviz
