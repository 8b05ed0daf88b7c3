// Serbian texts, in Latin letters without diacritics, for the words that Qt's own widgets show
// to the user: the context menus of text boxes and scroll bars and the standard dialog buttons.
#pragma once

namespace kviz {

// Puts the texts in place for the running application; once is enough, more does no harm.
void installStandardTexts();

} // namespace kviz
