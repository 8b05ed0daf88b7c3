// What the program asks of an X server, kept apart from the rest of the platform layer: the X11
// headers define names (KeyPress, None, Bool) that Qt uses too.
#pragma once

namespace kviz {

// Asks the X server to send a held key as its press, a press again for each repeat and one
// release, on the connection that the program's windows take their events from. True only where
// the server confirms it; false on every other window system.
bool askForPressesOfHeldKeys();

} // namespace kviz
