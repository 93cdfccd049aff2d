#include "check/SoundChecker.h"

#include <cmath>
#include <sstream>

#include "app/SoundFiles.h"
#include "check/SignalStats.h"
#include "codec/VorbisReader.h"
#include "dsp/AudioFormat.h"
#include "music/Score.h"

SoundChecker::SoundChecker(std::ostream& out) : report(out) {}

bool SoundChecker::fail(const std::string& path, const std::string& what) {
    report << "FAIL " << path << ": " << what << "\n";
    return false;
}

bool SoundChecker::decode(const std::string& path, DecodedSound& sound) {
    std::string error;
    if (!VorbisReader::read(path, sound, error)) {
        return fail(path, error);
    }
    return true;
}

bool SoundChecker::checkCommon(const std::string& path, const DecodedSound& sound, int channels,
                               double minSeconds, double maxSeconds) {
    bool ok = true;
    if (sound.channels != channels) {
        ok = fail(path, "has " + std::to_string(sound.channels) + " channels, not " +
                            std::to_string(channels));
    }
    if (sound.sampleRate != AudioFormat::kSampleRate) {
        ok = fail(path, "is at " + std::to_string(sound.sampleRate) + " Hz");
    }
    if (sound.decodeErrors > 0) {
        ok = fail(path, std::to_string(sound.decodeErrors) + " decoding errors");
    }
    if (sound.decodedFrames() != sound.announcedFrames) {
        ok = fail(path, "announces " + std::to_string(sound.announcedFrames) +
                            " frames but decodes to " + std::to_string(sound.decodedFrames()));
    }
    const double seconds =
        static_cast<double>(sound.decodedFrames()) / static_cast<double>(AudioFormat::kSampleRate);
    if (seconds < minSeconds || seconds > maxSeconds) {
        std::ostringstream s;
        s << "lasts " << seconds << " s, outside " << minSeconds << " to " << maxSeconds;
        ok = fail(path, s.str());
    }
    for (const auto& channel : sound.samples) {
        const double peak = SignalStats::peak(channel);
        const double dc = SignalStats::mean(channel);
        if (peak >= SoundFiles::kPeakLimit) {
            std::ostringstream s;
            s << "decoded peak " << peak << " reaches " << SoundFiles::kPeakLimit;
            ok = fail(path, s.str());
        }
        if (std::fabs(dc) > SoundFiles::kDcLimit) {
            std::ostringstream s;
            s << "DC offset " << dc;
            ok = fail(path, s.str());
        }
    }
    return ok;
}

bool SoundChecker::checkEffect(const std::string& path, const DecodedSound& sound) {
    bool ok = checkCommon(path, sound, SoundFiles::kEffectChannels, SoundFiles::kEffectMinSeconds,
                          SoundFiles::kEffectMaxSeconds);
    if (sound.samples.empty() || sound.samples[0].empty()) {
        return fail(path, "has no samples");
    }
    const auto& x = sound.samples[0];
    if (std::fabs(x.front()) > SoundFiles::kEffectStartLimit) {
        std::ostringstream s;
        s << "starts with a jump to " << x.front();
        ok = fail(path, s.str());
    }
    const std::size_t tail =
        static_cast<std::size_t>(SoundFiles::kEffectTailSeconds * AudioFormat::kSampleRate);
    const double tailRms = SignalStats::rms(x, x.size() > tail ? x.size() - tail : 0, tail);
    if (tailRms > SoundFiles::kEffectTailRmsLimit) {
        std::ostringstream s;
        s << "does not die away: RMS of its end " << tailRms;
        ok = fail(path, s.str());
    }
    report << (ok ? "ok   " : "bad  ") << path << ": " << x.size() << " frames, peak "
           << SignalStats::peak(x) << "\n";
    return ok;
}

bool SoundChecker::checkMusic(const std::string& path, const DecodedSound& sound,
                              long long expectedFrames) {
    bool ok = checkCommon(path, sound, SoundFiles::kMusicChannels, SoundFiles::kMusicMinSeconds,
                          SoundFiles::kMusicMaxSeconds);
    if (sound.decodedFrames() != expectedFrames) {
        ok = fail(path, "decodes to " + std::to_string(sound.decodedFrames()) +
                            " frames, not the loop's " + std::to_string(expectedFrames));
    }
    for (std::size_t c = 0; c < sound.samples.size(); ++c) {
        const auto& x = sound.samples[c];
        const double rms = SignalStats::rms(x, 0, x.size());
        if (rms < SoundFiles::kMusicRmsLow || rms > SoundFiles::kMusicRmsHigh) {
            std::ostringstream s;
            s << "channel " << c << " RMS " << rms << " outside " << SoundFiles::kMusicRmsLow
              << " to " << SoundFiles::kMusicRmsHigh;
            ok = fail(path, s.str());
        }
        const SignalStats::Seam seam = SignalStats::seam(x, SoundFiles::kSeamWindow);
        if (x.size() < 2 || seam.jump > seam.largestNearbyStep) {
            std::ostringstream s;
            s << "channel " << c << " clicks at the loop: jump " << seam.jump
              << ", largest step nearby " << seam.largestNearbyStep;
            ok = fail(path, s.str());
        }
        report << "     " << path << " channel " << c << ": RMS " << rms << ", loop jump "
               << seam.jump << " (nearby steps: RMS " << seam.rmsNearbyStep << ", largest "
               << seam.largestNearbyStep << ")\n";
    }
    report << (ok ? "ok   " : "bad  ") << path << ": " << sound.decodedFrames() << " frames\n";
    return ok;
}

bool SoundChecker::checkDirectory(const std::string& directory) {
    const std::string base =
        directory.empty() || directory.back() == '/' ? directory : directory + "/";
    bool ok = true;
    for (const char* name : {SoundFiles::kShot, SoundFiles::kPersonDying, SoundFiles::kBrickPuff}) {
        DecodedSound sound;
        const std::string path = base + name;
        ok = (decode(path, sound) && checkEffect(path, sound)) && ok;
    }
    DecodedSound music;
    const std::string path = base + SoundFiles::kMusic;
    ok = (decode(path, music) && checkMusic(path, music, Score::kLoopFrames)) && ok;
    return ok;
}
