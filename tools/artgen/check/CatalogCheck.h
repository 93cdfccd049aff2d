#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_CATALOGCHECK_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_CATALOGCHECK_H

#include <string>

#include "check/CheckReport.h"
#include "check/LineMeasure.h"

// Checks the game's gettext catalogs against the bitmap font: every
// character of their text must have a glyph (a space is a blank; capitals A
// to Z have none, the game shows them as blanks), and text whose entry
// carries a box comment must fit its box. The code states the box beside
// the text, in a comment that xgettext copies into the catalogs:
//
//     // TRANSLATORS: fits 195 at 21
//     // TRANSLATORS: wraps 640 at 24 in 3 lines
//
// "fits W at S": lettered at size S, the text is at most W wide;
// "wraps W at S in N lines": broken at spaces into lines at most W wide, as
// the game breaks it, the text takes at most N lines and no word is wider
// than W. Both in logical units, measured as the game measures a line.
namespace catalog_check {

// One catalog, named in the report as `file`. In the template (.pot) the
// msgids are the text; in a translation (.po) the msgstrs are, and an empty
// one (not yet translated) is not measured.
void check(const std::string& file, const std::string& text, bool isTemplate,
           const LineMeasure& measure, CheckReport& report);

// folder/truceward.pot and every folder/*.po, in the order of their names;
// nothing when the folder does not exist.
void checkFolder(const std::string& folder, const LineMeasure& measure, CheckReport& report);

}  // namespace catalog_check

#endif
