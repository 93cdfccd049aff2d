#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/ArtGenerator.h"
#include "app/CommandLine.h"
#include "app/OutputPaths.h"
#include "app/PictureCache.h"
#include "check/PictureChecker.h"
#include "image/PngFile.h"
#include "sheet/MockScreens.h"

namespace {

int writeMockScreens(const CommandLine& line) {
    PictureCache cache(line.root);
    const mock_screens::Loader image = [&cache](const std::string& name) -> const RgbaImage& {
        return cache.image(name);
    };
    const mock_screens::Loader glyph = [&cache](const std::string& name) -> const RgbaImage& {
        return cache.glyph(name);
    };
    PngFile::write(line.mockFolder + "/battle.png", mock_screens::battle(image, glyph));
    PngFile::write(line.mockFolder + "/title.png", mock_screens::title(image, glyph));
    std::cout << "wrote battle.png and title.png to " << line.mockFolder << "\n";
    return 0;
}

int checkPictures(const CommandLine& line) {
    const OutputPaths out(line.root);
    PictureChecker::Paths paths;
    paths.image = [out](const std::string& name) { return out.image(name); };
    paths.glyph = [out](const std::string& name) { return out.glyph(name); };
    paths.icon = [out](int size) { return out.icon(size); };
    paths.contactSheet = out.contactSheet();
    paths.glyphSpacing = out.glyphSpacing();
    paths.glyphList = out.glyphList();
    paths.catalogs = out.catalogs();
    const CheckReport report = PictureChecker(paths).run();
    report.print(std::cout);
    return report.passed() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::cerr << "artgen: " << line.error << "\n" << CommandLine::usage();
        return 2;
    }
    try {
        switch (line.action) {
            case CommandLine::Action::Help:
                std::cout << CommandLine::usage();
                return 0;
            case CommandLine::Action::Generate:
                ArtGenerator(line.root, std::cout).generate();
                return 0;
            case CommandLine::Action::Check:
                return checkPictures(line);
            case CommandLine::Action::Mock:
                return writeMockScreens(line);
        }
    } catch (const std::exception& failure) {
        std::cerr << "artgen: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
