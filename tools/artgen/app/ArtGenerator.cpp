#include "app/ArtGenerator.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "art/ArtCatalogue.h"
#include "art/GlyphArt.h"
#include "art/GlyphSpacing.h"
#include "art/IconArt.h"
#include "image/PngFile.h"
#include "sheet/ContactSheet.h"
#include "sheet/GlyphLine.h"
#include "sheet/RingStrip.h"

namespace {

constexpr int kSheetWidth = 1280;

// How large each image is shown on the contact sheet: the big ones shrunk to
// a quarter, the small ones doubled so that their edges can be judged.
double sheetScale(const RgbaImage& image) {
    if (image.width() >= 1024) {
        return 0.25;
    }
    if (image.width() >= 512) {
        return 0.5;
    }
    if (image.width() <= 64) {
        return 2.0;
    }
    return 1.0;
}

struct Painted {
    std::string name;
    RgbaImage image;
};

std::vector<Painted> paintAll(const std::vector<art_catalogue::Piece>& pieces) {
    std::vector<Painted> painted;
    for (const art_catalogue::Piece& piece : pieces) {
        painted.push_back({piece.name, piece.paint()});
    }
    return painted;
}

void addSection(ContactSheet& sheet, const std::string& heading,
                const std::vector<Painted>& painted, bool natural) {
    std::vector<ContactSheet::Entry> entries;
    std::vector<double> scales;
    for (const Painted& p : painted) {
        const std::string size = natural ? ""
                                         : " " + std::to_string(p.image.width()) + "x" +
                                               std::to_string(p.image.height());
        entries.push_back({p.name + size, &p.image});
        scales.push_back(natural ? 1.0 : sheetScale(p.image));
    }
    sheet.addSection(heading, entries, scales);
}

// The tints the game lights the alert rings in: red for a threat, yellow
// for arms laid down, light blue for a peace keeper.
struct RingTint {
    const char* name;
    double red;
    double green;
    double blue;
};
constexpr RingTint kRingTints[] = {
    {"alertcircle", 1.0, 0.0, 0.0},
    {"alertlaiddown", 1.0, 1.0, 0.0},
    {"alertpeacekeeper", 0.5, 0.5, 1.0},
};
// The smallest the game shows a ring: in an 800 x 600 window with its pulse
// at its lowest.
constexpr double kSmallestRing = 37.0;
constexpr double kRingSheetScale = 2.0;

const RgbaImage& named(const std::vector<Painted>& painted, const std::string& name) {
    for (const Painted& p : painted) {
        if (p.name == name) {
            return p.image;
        }
    }
    throw std::runtime_error("nothing painted is named " + name);
}

// The rings side by side in grey, then tinted on the grass at twice their
// size and at the smallest size the game shows them.
struct RingSection {
    explicit RingSection(const std::vector<Painted>& images) {
        std::vector<ring_strip::TintedRing> tinted;
        for (const RingTint& ring : kRingTints) {
            greys.push_back(&named(images, ring.name));
            tinted.push_back({greys.back(), ring.red, ring.green, ring.blue});
        }
        large = ring_strip::paint(tinted, kRingSheetScale * greys.front()->width());
        small = ring_strip::paint(tinted, kSmallestRing);
    }

    void addTo(ContactSheet& sheet) const {
        std::vector<ContactSheet::Entry> entries;
        for (std::size_t i = 0; i < greys.size(); ++i) {
            entries.push_back({kRingTints[i].name, greys[i]});
        }
        entries.push_back({"tinted, on grass, twice as large", &large});
        entries.push_back({"at 37 px", &small});
        std::vector<double> scales(greys.size(), kRingSheetScale);
        scales.insert(scales.end(), {1.0, 1.0});
        sheet.addSection("Alert rings", entries, scales);
    }

    std::vector<const RgbaImage*> greys;
    RgbaImage large;
    RgbaImage small;
};

// Lines lettered with the glyphs as the game letters them: at the glyphs'
// own size, and at the size at which a capital is 20 pixels high, where
// accents and tails must still read.
struct Sample {
    const char* text;
    double size;
};
constexpr Sample kSamples[] = {
    {"ÀÉÎÕÜ ÇĄĘŁŃŚŹŻ ẞÑ", 64.0},
    {"¿¡ «» „“ … ;\"%\" – ’” ÆŒ", 64.0},
    {"ÀÉÎÕÜ ÇĄĘŁŃŚŹŻ ẞÑ ¿¡ «» „“ …", 22.0},
    {"zażółć gęślą jaźń – „straße“ – «où ?» ¿qué? ¡sí! 50 %", 22.0},
};

struct LineSection {
    explicit LineSection(const std::vector<Painted>& glyphs) {
        std::map<char32_t, const RgbaImage*> byCharacter;
        const std::vector<glyph_art::Glyph> font = glyph_art::allGlyphs();
        for (std::size_t i = 0; i < font.size(); ++i) {
            for (const char32_t c : font[i].standsFor) {
                byCharacter[c] = &glyphs.at(i).image;
            }
        }
        const glyph_line::GlyphSource glyphFor = [byCharacter](char32_t c) -> const RgbaImage* {
            const auto found = byCharacter.find(c);
            return found == byCharacter.end() ? nullptr : found->second;
        };
        for (const Sample& sample : kSamples) {
            lines.push_back(glyph_line::image(sample.text, glyphFor, sample.size));
        }
    }

    void addTo(ContactSheet& sheet) const {
        std::vector<ContactSheet::Entry> entries;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            entries.push_back(
                {"at " + std::to_string(static_cast<int>(kSamples[i].size)), &lines[i]});
        }
        sheet.addSection("Glyphs on a line", entries, std::vector<double>(lines.size(), 1.0));
    }

    std::vector<RgbaImage> lines;
};

void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace

ArtGenerator::ArtGenerator(const std::string& root, std::ostream& log) : paths(root), log(log) {}

void ArtGenerator::generate() const {
    namespace fs = std::filesystem;
    for (const char* folder : {"/assets/images", "/assets/fonts", "/assets/icon", "/docs"}) {
        fs::create_directories(paths.root + folder);
    }

    const std::vector<Painted> images = paintAll(art_catalogue::images());
    for (const Painted& p : images) {
        PngFile::write(paths.image(p.name), p.image);
    }
    log << "wrote " << images.size() << " images\n";

    const std::vector<Painted> glyphs = paintAll(art_catalogue::glyphs());
    for (const Painted& p : glyphs) {
        PngFile::write(paths.glyph(p.name), p.image);
    }
    log << "wrote " << glyphs.size() << " glyphs\n";

    const std::vector<glyph_art::Glyph> font = glyph_art::allGlyphs();
    std::vector<glyph_spacing::NamedGlyph> named;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        named.push_back({glyphs[i].name, font.at(i).standsFor, &glyphs[i].image});
    }
    writeText(paths.glyphSpacing(), glyph_spacing::header(named));
    writeText(paths.glyphList(), glyph_spacing::nameList(named));
    log << "wrote the glyph spacing and list\n";

    for (int size : icon_art::kSizes) {
        PngFile::write(paths.icon(size), icon_art::paint(size));
    }
    log << "wrote " << std::size(icon_art::kSizes) << " icons\n";

    ContactSheet sheet(kSheetWidth);
    addSection(sheet, "Images", images, false);
    const RingSection rings(images);
    rings.addTo(sheet);
    addSection(sheet, "Glyphs", glyphs, true);
    const LineSection lines(glyphs);
    lines.addTo(sheet);
    PngFile::write(paths.contactSheet(), sheet.render());
    log << "wrote the contact sheet\n";
}
