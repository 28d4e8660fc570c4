#pragma once

// Installs, in the running application, the program's messages and Qt's own (dialog buttons, file
// and print dialogs) in the user's language where a translation exists; English otherwise. The
// window's fixed captions and the function names are never translated.
void installTranslations();
