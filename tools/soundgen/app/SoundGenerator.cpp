#include "app/SoundGenerator.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/SoundFiles.h"
#include "check/SignalStats.h"
#include "codec/VorbisReader.h"
#include "codec/VorbisWriter.h"
#include "dsp/AudioFormat.h"
#include "effects/BrickPuffSynth.h"
#include "effects/DyingCrySynth.h"
#include "effects/GunshotSynth.h"
#include "music/MusicRenderer.h"
#include "music/Score.h"

namespace {
// Encoding attempts before giving up on a peak that keeps overshooting.
constexpr int kAttempts = 6;
// Margin below the ceiling that a retry aims for.
constexpr double kRetryMargin = 0.97;

double peakOf(const std::vector<std::vector<float>>& channels) {
    double peak = 0;
    for (const auto& c : channels) {
        peak = std::max(peak, SignalStats::peak(c));
    }
    return peak;
}
}  // namespace

SoundGenerator::SoundGenerator(std::ostream& out) : log(out) {}

bool SoundGenerator::writeLimited(const std::string& path, std::vector<std::vector<float>> channels,
                                  double peak, double ceiling, float quality, int serial) {
    const double sourcePeak = peakOf(channels);
    if (sourcePeak <= 0) {
        log << path << ": silent sound\n";
        return false;
    }
    double gain = peak / sourcePeak;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::vector<std::vector<float>> scaled = channels;
        for (auto& c : scaled) {
            for (float& v : c) {
                v = static_cast<float>(v * gain);
            }
        }
        std::string error;
        if (!VorbisWriter::write(path, scaled, AudioFormat::kSampleRate, quality, serial, error)) {
            log << error << "\n";
            return false;
        }
        DecodedSound decoded;
        if (!VorbisReader::read(path, decoded, error)) {
            log << error << "\n";
            return false;
        }
        const double decodedPeak = peakOf(decoded.samples);
        if (decodedPeak < ceiling) {
            log << "wrote " << path << ": " << decoded.decodedFrames() << " frames, "
                << decoded.channels << " channel(s), decoded peak " << decodedPeak << "\n";
            return true;
        }
        gain *= kRetryMargin * ceiling / decodedPeak;
    }
    log << path << ": the decoded peak stays above " << ceiling << "\n";
    return false;
}

bool SoundGenerator::generate(const std::string& directory) {
    const std::string base =
        directory.empty() || directory.back() == '/' ? directory : directory + "/";
    std::error_code made;
    if (!directory.empty()) {
        std::filesystem::create_directories(directory, made);
    }
    if (made) {
        log << "cannot create " << directory << ": " << made.message() << "\n";
        return false;
    }
    // A decoded peak is accepted up to half-way between the aim and the limit.
    const double ceiling = (SoundFiles::kPeakLimit + SoundFiles::kEffectPeak) / 2;
    bool ok = writeLimited(base + SoundFiles::kShot, {GunshotSynth::render(SoundFiles::kShotSeed)},
                           SoundFiles::kEffectPeak, ceiling, SoundFiles::kEffectQuality,
                           SoundFiles::kShotSerial);
    ok = ok && writeLimited(base + SoundFiles::kPersonDying,
                            {DyingCrySynth::render(SoundFiles::kPersonDyingSeed)},
                            SoundFiles::kEffectPeak, ceiling, SoundFiles::kEffectQuality,
                            SoundFiles::kPersonDyingSerial);
    ok = ok &&
         writeLimited(base + SoundFiles::kBrickPuff,
                      {BrickPuffSynth::render(SoundFiles::kBrickPuffSeed)}, SoundFiles::kEffectPeak,
                      ceiling, SoundFiles::kEffectQuality, SoundFiles::kBrickPuffSerial);
    if (!ok) {
        return false;
    }
    StereoBuffer music = MusicRenderer::render(Score(), SoundFiles::kMusicSeed);
    return writeLimited(base + SoundFiles::kMusic, {std::move(music.left), std::move(music.right)},
                        SoundFiles::kMusicPeak, ceiling, SoundFiles::kMusicQuality,
                        SoundFiles::kMusicSerial);
}
