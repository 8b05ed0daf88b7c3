#include "app/single_copy.h"

namespace kviz {

bool SingleCopy::claim() {
    const std::filesystem::path root = services_.locations->stateRoot();
    files::createFolder(root);
    lock_ = std::make_unique<files::FolderLock>(root);
    if (!lock_->heldElsewhere())
        return true;
    lock_.reset();
    services_.dialogs->messageBox("Program je vec pokrenut.", "Greska", MessageIcon::Critical);
    return false;
}

} // namespace kviz
