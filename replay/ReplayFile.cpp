#include "replay/ReplayFile.h"

#include <array>
#include <istream>

#include "battle/GamePlay.h"
#include "scores/RegularFileReader.h"
#include "title/TitleScreen.h"

namespace {

const char kMagic[] = {'T', 'W', 'R', 'P'};
constexpr std::size_t kMagicSize = sizeof kMagic;

enum Ending : std::uint8_t { kEndedWithSpace = 1, kEndedWithEscape = 2 };

constexpr int kBitsPerByte = 8;
constexpr unsigned kByteMask = 0xFF;
// An event's kind takes the low three bits of its varint.
constexpr int kKindBits = 3;
constexpr std::uint32_t kKindMask = (1u << kKindBits) - 1;
static_assert(kBattleInputKinds == 1 << kKindBits, "every kind fits, and every value is a kind");
// LEB128: seven bits a byte, the top bit set on every byte but the last.
constexpr int kVarintBits = 7;
constexpr unsigned kVarintMore = 0x80;
constexpr unsigned kVarintPayload = 0x7F;
// Steps since the event before (at most kLongestBattle) and the kind fit in
// four varint bytes; a fifth could only be padding or damage.
constexpr int kLongestVarint = 4;
static_assert((std::uint64_t{ReplayFile::kLongestBattle} << kKindBits) <
                  (std::uint64_t{1} << (kVarintBits * kLongestVarint)),
              "every event fits the longest varint");

// CRC-32 as zlib computes it: the reflected polynomial, a register that
// starts with every bit set and is inverted at the end.
constexpr std::uint32_t kCrcPolynomial = 0xEDB88320u;
constexpr std::uint32_t kCrcInverted = 0xFFFFFFFFu;
constexpr std::size_t kByteValues = 256;

// Appends values to a file's bytes, least significant byte first.
class Writer {
  public:
    explicit Writer(std::string& bytes) : bytes(bytes) {}

    template <typename Value>
    void put(Value value) {
        auto bits = static_cast<std::uint64_t>(value);
        for (std::size_t i = 0; i < sizeof(Value); ++i) {
            bytes.push_back(static_cast<char>(bits & kByteMask));
            bits >>= kBitsPerByte;
        }
    }

    void putVarint(std::uint32_t value) {
        while (value > kVarintPayload) {
            bytes.push_back(static_cast<char>((value & kVarintPayload) | kVarintMore));
            value >>= kVarintBits;
        }
        bytes.push_back(static_cast<char>(value));
    }

  private:
    std::string& bytes;
};

// Takes values from a file's bytes, never beyond `end`.
class Reader {
  public:
    Reader(const std::string& bytes, std::size_t from, std::size_t end)
        : bytes(bytes), end(end), at(from) {}

    template <typename Value>
    Value take() {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof(Value); ++i) {
            bits |= std::uint64_t{static_cast<unsigned char>(bytes[at + i])} << (kBitsPerByte * i);
        }
        at += sizeof(Value);
        return static_cast<Value>(bits);
    }

    // False at the end, or for a varint that is not the shortest encoding of
    // a value that fits kLongestVarint bytes.
    bool takeVarint(std::uint32_t& value) {
        value = 0;
        for (int i = 0; i < kLongestVarint && at < end; ++i) {
            const unsigned byte = static_cast<unsigned char>(bytes[at++]);
            value |= (byte & kVarintPayload) << (kVarintBits * i);
            if ((byte & kVarintMore) == 0) {
                return byte != 0 || i == 0;
            }
        }
        return false;
    }

    std::size_t position() const { return at; }

  private:
    const std::string& bytes;
    std::size_t end;
    std::size_t at;
};

bool numberFits(int number) {
    return number >= TitleScreen::kMinimumNumber && number <= TitleScreen::kMaximumNumber;
}

bool numbersFit(const StartNumbers& numbers) {
    return numberFits(numbers.leftCivilians) && numberFits(numbers.rightCivilians) &&
           numberFits(numbers.leftFighters) && numberFits(numbers.rightFighters);
}

std::string stepText(std::uint32_t step) {
    return "step " + std::to_string(step);
}

// The events of `reader`, up to `end`, into `replay`; false with the reason
// when they are damaged or go on past the leave of the header.
bool decodeEvents(Reader& reader, std::size_t end, std::uint32_t count, Replay& replay,
                  std::string& reason) {
    std::uint32_t step = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t value = 0;
        if (!reader.takeVarint(value)) {
            reason = "damaged: its input ends part way";
            return false;
        }
        const std::uint32_t delta = value >> kKindBits;
        if (delta > replay.steps - step) {
            reason = "input at " + stepText(step + delta) + ", past the battle's end at " +
                     stepText(replay.steps);
            return false;
        }
        step += delta;
        if (replay.left()) {
            reason = "input after the battle was left at " + stepText(replay.steps);
            return false;
        }
        replay.events.push_back({step, static_cast<BattleInput>(value & kKindMask)});
    }
    if (reader.position() != end) {
        reason = "damaged: more input than it counts";
        return false;
    }
    return true;
}

}  // namespace

std::uint32_t ReplayFile::checksum(const char* data, std::size_t size) {
    static const std::array<std::uint32_t, kByteValues> kTable = [] {
        std::array<std::uint32_t, kByteValues> table{};
        for (std::uint32_t n = 0; n < table.size(); ++n) {
            std::uint32_t c = n;
            for (int bit = 0; bit < kBitsPerByte; ++bit) {
                c = (c & 1u) != 0 ? kCrcPolynomial ^ (c >> 1) : c >> 1;
            }
            table[n] = c;
        }
        return table;
    }();
    std::uint32_t crc = kCrcInverted;
    for (std::size_t i = 0; i < size; ++i) {
        crc =
            kTable[(crc ^ static_cast<unsigned char>(data[i])) & kByteMask] ^ (crc >> kBitsPerByte);
    }
    return crc ^ kCrcInverted;
}

std::string ReplayFile::encode(const Replay& replay, std::string& reason) {
    if (!replay.left()) {
        reason = "the battle was not left";
        return "";
    }
    if (!numbersFit(replay.numbers)) {
        reason = "start numbers outside 1 to 99";
        return "";
    }
    if (replay.steps > kLongestBattle) {
        reason = "longer than four hours";
        return "";
    }
    std::string bytes(kMagic, kMagicSize);
    Writer out(bytes);
    out.put(static_cast<std::uint16_t>(kFormatVersion));
    out.put(static_cast<std::uint16_t>(replay.rulesVersion));
    for (const int number : {replay.numbers.leftCivilians, replay.numbers.rightCivilians,
                             replay.numbers.leftFighters, replay.numbers.rightFighters}) {
        out.put(static_cast<std::uint8_t>(number));
    }
    out.put(replay.seed);
    out.put(static_cast<std::uint8_t>(replay.leftWithSpace() ? kEndedWithSpace : kEndedWithEscape));
    out.put(replay.score);
    out.put(replay.steps);
    out.put(replay.date);
    out.put(static_cast<std::uint32_t>(replay.events.size()));
    std::uint32_t step = 0;
    for (const Replay::Event& event : replay.events) {
        out.putVarint(((event.step - step) << kKindBits) | static_cast<std::uint32_t>(event.input));
        step = event.step;
    }
    out.put(checksum(bytes.data(), bytes.size()));
    if (bytes.size() > kLargestFile) {
        reason = "larger than 1 MiB";
        return "";
    }
    return bytes;
}

bool ReplayFile::decode(const std::string& bytes, Replay& replay, std::string& reason) {
    replay = Replay();
    if (bytes.size() < kMagicSize || bytes.compare(0, kMagicSize, kMagic, kMagicSize) != 0) {
        reason = "not a replay";
        return false;
    }
    if (bytes.size() < kHeaderSize + kChecksumSize) {
        reason = "damaged: cut short";
        return false;
    }
    const std::size_t end = bytes.size() - kChecksumSize;
    Reader in(bytes, kMagicSize, end);
    const auto format = in.take<std::uint16_t>();
    if (format != kFormatVersion) {
        reason = "replay format " + std::to_string(format) + ", this game reads format " +
                 std::to_string(kFormatVersion);
        return false;
    }
    if (Reader(bytes, end, bytes.size()).take<std::uint32_t>() != checksum(bytes.data(), end)) {
        reason = "damaged: its checksum does not match";
        return false;
    }
    replay.rulesVersion = in.take<std::uint16_t>();
    if (replay.rulesVersion != GamePlay::kRulesVersion) {
        reason = "recorded with battle rules " + std::to_string(replay.rulesVersion) +
                 ", this game plays rules " + std::to_string(GamePlay::kRulesVersion);
        return false;
    }
    replay.numbers.leftCivilians = in.take<std::uint8_t>();
    replay.numbers.rightCivilians = in.take<std::uint8_t>();
    replay.numbers.leftFighters = in.take<std::uint8_t>();
    replay.numbers.rightFighters = in.take<std::uint8_t>();
    replay.seed = in.take<std::uint32_t>();
    const auto ending = in.take<std::uint8_t>();
    replay.score = in.take<std::int32_t>();
    replay.steps = in.take<std::uint32_t>();
    replay.date = in.take<std::int64_t>();
    const auto count = in.take<std::uint32_t>();
    if (!numbersFit(replay.numbers)) {
        reason = "start numbers outside 1 to 99";
        return false;
    }
    if (ending != kEndedWithSpace && ending != kEndedWithEscape) {
        reason = "damaged: it was left neither with Space nor with Escape";
        return false;
    }
    if (replay.steps > kLongestBattle) {
        reason = "longer than four hours";
        return false;
    }
    // Every event takes a byte at least.
    if (count > end - in.position()) {
        reason = "damaged: it counts more input than it holds";
        return false;
    }
    replay.events.reserve(count);
    if (!decodeEvents(in, end, count, replay, reason)) {
        return false;
    }
    if (!replay.left() || replay.events.back().step != replay.steps ||
        replay.leftWithSpace() != (ending == kEndedWithSpace)) {
        reason = "damaged: its input does not end with the leave of its header";
        return false;
    }
    return true;
}

bool ReplayFile::read(const std::string& path, Replay& replay, std::string& reason) {
    if (path.empty()) {
        reason = "no file named";
        return false;
    }
    RegularFileReader file(path);
    std::istream in(&file);
    // One byte more than the largest file tells a larger one, which is not read on.
    std::string bytes(kLargestFile + 1, '\0');
    in.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (file.status() == RegularFileReader::Missing) {
        reason = "no such file";
        return false;
    }
    if (file.status() == RegularFileReader::Failed) {
        reason = "not an ordinary file that can be read";
        return false;
    }
    if (bytes.size() > kLargestFile) {
        reason = "larger than 1 MiB, which no replay is";
        return false;
    }
    return decode(bytes, replay, reason);
}

std::string ReplayFile::refusal(const std::string& path, const std::string& reason) {
    return "Could not play " + path + ": " + reason;
}
