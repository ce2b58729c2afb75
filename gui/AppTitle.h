#pragma once

#include <QString>

// The window title: "Orvanta - " and a suffix kept scrambled in the program's
// data (each character code raised by 6) and unscrambled once at start-up.
QString BuildAppTitle();
// The suffix alone, in the program's language: the document's title.
QString AppTitleSuffix();
