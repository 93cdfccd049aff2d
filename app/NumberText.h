#ifndef TRUCEWARD_APP_NUMBERTEXT_H
#define TRUCEWARD_APP_NUMBERTEXT_H

#include <string>

// Reads a decimal integer from the start of `text` the way the options and the
// configuration file expect it: leading blanks skipped, an optional sign, then
// digits up to the first character that is not one. Returns false, leaving
// `value` alone, when the text does not start with a number or the number does
// not fit in an int.
bool readLeadingInt(const std::string& text, int& value);

#endif
