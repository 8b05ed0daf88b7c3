// One copy of the program at a time for a state folder: two copies would write the candidate
// list and the progress files over each other. The running copy holds a lock file in the state
// folder for its whole run; a copy that finds the lock held by a running program says so and
// does not start. A lock left by a copy that ended without releasing it (its process no
// longer runs) is taken over.
#pragma once

#include "platform/services.h"

#include <QLockFile>
#include <memory>

namespace kviz {

class SingleCopy {
public:
    explicit SingleCopy(Services services) : services_(services) {}

    // Creates the state folder when it is missing and locks it until this object ends. False,
    // after telling the user, when another running copy holds the lock. A state folder where
    // no lock file can be written is no refusal: no copy can write its files there either.
    bool claim();

private:
    Services services_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kviz
