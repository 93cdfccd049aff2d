#ifndef TRUCEWARD_TOOLS_ARTGEN_CHECK_RULECHECK_H
#define TRUCEWARD_TOOLS_ARTGEN_CHECK_RULECHECK_H

#include "check/CheckReport.h"
#include "check/PictureRule.h"
#include "image/PngFile.h"
#include "image/RgbaImage.h"

// Checks a written picture against its stated rule and the file format the
// game loads: 8-bit RGBA, colour type 6, not interlaced, no time or text.
namespace rule_check {

void checkFormat(const PngFile::Header& header, const std::string& file, CheckReport& report);
void checkRule(const RgbaImage& image, const PictureRule& rule, const std::string& file,
               CheckReport& report);

}  // namespace rule_check

#endif
