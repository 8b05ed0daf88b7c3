// One copy of the program at a time for a state folder, whatever path reaches it: two copies
// would write the candidate list and the progress files over each other. The running copy holds
// two locks for its whole run, which the system drops when the process ends, and another copy
// is refused while either is held: one on the state folder's path, which still holds a folder
// moved or removed and made again under the path, and one on the folder itself, which holds it
// through a link, a bind mount or the path it was moved to. A folder that cannot be read is held
// by its path alone. Nothing is written for them, so no file left in the folder and no full or
// read-only disk decides whether a copy starts. On Windows there is no such lock yet, and a
// second copy is not refused.
#pragma once

#include "platform/files.h"
#include "platform/services.h"

#include <memory>

namespace kviz {

class SingleCopy {
public:
    explicit SingleCopy(Services services) : services_(services) {}

    // Creates the state folder when it is missing and locks it until this object ends. False,
    // after telling the user, while another copy holds its path or the folder. A state folder that
    // cannot be had at all is no refusal: no copy can keep its files there.
    bool claim();

private:
    Services services_;
    std::unique_ptr<files::FolderLock> lock_;
};

} // namespace kviz
