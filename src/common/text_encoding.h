// Texts in the files are bytes, written by this program as UTF-8 and by older
// systems as Windows-1252. What is shown (the desktop, the command line's
// JSON) is always valid UTF-8; the files themselves are never rewritten.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The text as UTF-8: every valid UTF-8 sequence stays as it is, every other
// byte is read as Windows-1252 ("\xE9" becomes "é").
std::string displayText(std::string_view bytes);

}  // namespace qv
