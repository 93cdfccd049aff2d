#include "check/PictureChecker.h"

#include <exception>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "art/GlyphArt.h"
#include "art/GlyphSpacing.h"
#include "check/CatalogCheck.h"
#include "check/ContentCheck.h"
#include "check/FamilyCheck.h"
#include "check/RingCheck.h"
#include "check/RuleCheck.h"
#include "check/StatedRules.h"
#include "check/TitleCheck.h"
#include "image/PngFile.h"

namespace {

// Reads a file, checking its format; a file that cannot be read is a
// failure and yields an empty image.
RgbaImage load(const std::string& path, const std::string& name, CheckReport& report) {
    try {
        PngFile::Header header;
        RgbaImage image = PngFile::read(path, &header);
        report.expect(true, name, "");
        rule_check::checkFormat(header, name, report);
        return image;
    } catch (const std::exception& failure) {
        report.expect(false, name, std::string("cannot be read: ") + failure.what());
        return RgbaImage();
    }
}

void checkContents(const std::map<std::string, RgbaImage>& images, CheckReport& report) {
    const auto& at = [&images](const char* name) -> const RgbaImage& { return images.at(name); };
    content_check::grassField(at("background"), "background", report);
    content_check::brick(at("brick"), report);
    content_check::bullet(at("bullet"), report);
    content_check::shotBang(at("shotbang"), report);
    for (const char* ring : {"alertcircle", "alertlaiddown", "alertpeacekeeper"}) {
        ring_check::ring(at(ring), ring, report);
    }
    ring_check::sight(at("alertcircle"), "alertcircle", report);
    ring_check::dashed(at("alertlaiddown"), "alertlaiddown", report);
    ring_check::doubled(at("alertpeacekeeper"), "alertpeacekeeper", report);
    content_check::playerMarker(at("playermarker"), report);
    family_check::colourIsOwn("playermarker", images, report);
    content_check::smoke(at("smokepff"), report);
    content_check::mound(at("centralmound"), "centralmound", report);
    content_check::centralMoundWidth(at("centralmound"), report);
    content_check::mound(at("sidemounds"), "sidemounds", report);
    content_check::pointer(at("mouse"), report);
    family_check::fighterIsGuyWithEyes(at("guy"), at("fighter"), report);
    for (const char* side : {"left", "right"}) {
        const std::string family = std::string(side) + "button";
        family_check::statesDifferOnlyInFill(images.at(family + "up"), images.at(family + "down"),
                                             images.at(family + "over"), family, report);
        for (const char* state : {"up", "down", "over"}) {
            family_check::pointsTowards(images.at(family + state), side[0] == 'l', family + state,
                                        report);
        }
    }
    for (const char* family : {"barbutton", "smallbutton"}) {
        const std::string name(family);
        family_check::statesDifferOnlyInFill(images.at(name + "up"), images.at(name + "down"),
                                             images.at(name + "over"), name, report);
        for (const char* state : {"up", "down", "over"}) {
            content_check::wordless(images.at(name + state), name + state, report);
        }
    }
    title_check::layout(at("title"), report);
    title_check::howToPlay(at("howtoplay"), report);
}

// A file written for the game must hold what the glyphs give.
void checkWritten(const std::string& path, const std::string& expected, const std::string& file,
                  const char* what, CheckReport& report) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream written;
    written << in.rdbuf();
    report.expect(static_cast<bool>(in), file, "cannot be read");
    report.expect(written.str() == expected, file, what);
}

// What each glyph stands for, by its name, as the generator letters them.
std::u32string standsFor(const std::string& name, CheckReport& report) {
    for (const glyph_art::Glyph& glyph : glyph_art::allGlyphs()) {
        if (glyph.name == name) {
            return glyph.standsFor;
        }
    }
    report.expect(false, name, "is not a glyph the generator draws");
    return U"?";
}

bool allRead(const std::map<std::string, RgbaImage>& images) {
    for (const auto& entry : images) {
        if (entry.second.width() == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

CheckReport PictureChecker::run() const {
    CheckReport report;
    std::map<std::string, RgbaImage> images;
    for (const PictureRule& rule : stated_rules::images()) {
        RgbaImage image = load(paths.image(rule.name), rule.name, report);
        if (image.width() > 0) {
            rule_check::checkRule(image, rule, rule.name, report);
        }
        images.emplace(rule.name, std::move(image));
    }
    if (allRead(images)) {
        checkContents(images, report);
    }

    const std::vector<PictureRule> glyphRules = stated_rules::glyphs();
    std::vector<RgbaImage> glyphs;
    glyphs.reserve(glyphRules.size());
    std::vector<glyph_spacing::NamedGlyph> named;
    std::map<std::string, const RgbaImage*> byName;
    for (const PictureRule& rule : glyphRules) {
        glyphs.push_back(load(paths.glyph(rule.name), rule.name, report));
        const RgbaImage& glyph = glyphs.back();
        named.push_back({rule.name, standsFor(rule.name, report), &glyph});
        byName[rule.name] = &glyph;
        if (glyph.width() == 0) {
            continue;
        }
        rule_check::checkRule(glyph, rule, rule.name, report);
        content_check::glyph(glyph, rule.name, report);
        if (!rule.letter.empty() && byName.count(rule.letter) > 0) {
            family_check::keepsLetter(glyph, *byName.at(rule.letter), rule.letterTop,
                                      rule.letterBottom, rule.name, report);
        }
    }
    checkWritten(paths.glyphSpacing, glyph_spacing::header(named), "GlyphSpacing.h",
                 "is not the spacing the glyphs' ink gives", report);
    checkWritten(paths.glyphList, glyph_spacing::nameList(named), "glyphs.cmake",
                 "does not list the glyphs in font order", report);
    catalog_check::checkFolder(paths.catalogs, LineMeasure::of(named), report);

    for (int size : stated_rules::iconSizes()) {
        const std::string name = "icon " + std::to_string(size);
        const RgbaImage icon = load(paths.icon(size), name, report);
        report.expect(icon.width() == size && icon.height() == size, name,
                      "is not square at its size");
        report.expect(icon.width() == 0 || icon.maxAlpha() == 255, name, "shows nothing solid");
    }
    load(paths.contactSheet, "contact sheet", report);
    return report;
}
