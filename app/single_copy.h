// One copy of the program at a time for a state folder: two copies would write the candidate
// list and the progress files over each other. The running copy holds a lock on the state
// folder's path for its whole run, which the system drops when the process ends; a folder moved
// or removed and made again under the path is still held, and a folder that cannot be read or
// written is held all the same. Nothing is written for it, so no file left in the folder and no
// full or read-only disk decides whether a copy starts. On Windows there is no such lock yet,
// and a second copy is not refused.
#pragma once

#include "platform/files.h"
#include "platform/services.h"

#include <memory>

namespace kviz {

class SingleCopy {
public:
    explicit SingleCopy(Services services) : services_(services) {}

    // Creates the state folder when it is missing and locks its path until this object ends. False,
    // after telling the user, while another copy holds the lock. A state folder that cannot be
    // had at all is no refusal: no copy can keep its files there.
    bool claim();

private:
    Services services_;
    std::unique_ptr<files::FolderLock> lock_;
};

} // namespace kviz
