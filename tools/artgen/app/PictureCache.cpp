#include "app/PictureCache.h"

#include "image/PngFile.h"

namespace {

const RgbaImage& loadOnce(std::map<std::string, RgbaImage>& loaded, const std::string& path) {
    auto found = loaded.find(path);
    if (found == loaded.end()) {
        found = loaded.emplace(path, PngFile::read(path)).first;
    }
    return found->second;
}

}  // namespace

const RgbaImage& PictureCache::image(const std::string& name) {
    return loadOnce(loaded, paths.image(name));
}

const RgbaImage& PictureCache::glyph(const std::string& name) {
    return loadOnce(loaded, paths.glyph(name));
}
