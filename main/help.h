#pragma once

#include <QString>

// The text of --help, in the user's language; help2man makes the manual page from it.
QString helpText();

// The line that ends each usage error's message, pointing to --help.
QString helpHint();
