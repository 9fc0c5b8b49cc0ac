// The stage music (also played faster as the hurry-up music) and the table of all sounds.
#include <cmath>
#include <stdexcept>

#include "assets/gen/Sequencer.h"
#include "assets/gen/Sounds.h"

namespace tarn::assetgen {
namespace {

// Sixteen bars in E minor: A A' B B'. The last bar ends on a rest so that every voice has
// fallen silent when the loop starts again.
const std::vector<std::string> kChords = {
    "Em", "C", "G", "D", "Em", "C", "D", "D", "C", "D", "Bm", "Em", "C", "D", "Em", "Em",
};

constexpr const char* kLead =
    "o5 l8"
    "| b4 g e g4 b4 | >c4< b a g4 e4 | d4 g a b4. a | a2 f+4 d4"
    "| b4 g e g4 b4 | >c4 e d c4< b4 | a4 f+ g a4 >d4< | a2. r4"
    "| e g >c4< g >c e4< | f+ a >d4< a >d f+4< | f+4 d f+ b4 >d4< | e2 r4 e f+"
    "| g4 e g >c4 e4< | d4 f+ a >d4 f+4< | e4 g b >e4< b4 | e2. r4";

constexpr const char* kDrums = "k.h.s.h.k.k.s.h.";

}  // namespace

Mix StageMusic(int rate, double bpm) {
    const double barSeconds = 4 * 60.0 / bpm;
    const auto samples = std::size_t(std::llround(barSeconds * kStageBars * rate));
    Mix mix(rate, samples, true);
    const Timing timing{bpm, 0};

    Instrument lead;
    lead.wave = Wave::Square;
    lead.duty = 0.25;
    lead.volume = 0.22;
    lead.envelope = {0.004, 0.08, 0.65, 0.03};
    lead.gate = 0.97;
    lead.vibratoRate = 5.5;
    lead.vibratoDepth = 0.12;
    bool ok = true;
    PlayMelody(mix, kLead, timing, lead, ok);
    if (!ok) {
        throw std::invalid_argument("unreadable stage melody");
    }

    Instrument bass;
    bass.wave = Wave::Triangle;
    bass.volume = 0.45;
    bass.envelope = {0.003, 0.12, 0.55, 0.02};
    bass.gate = 0.95;
    PlayBass(mix, kChords, timing, bass, 2);

    Instrument arp;
    arp.wave = Wave::Square;
    arp.duty = 0.125;
    arp.volume = 0.07;
    arp.envelope = {0.002, 0.04, 0.3, 0.01};
    arp.gate = 0.9;
    PlayArpeggio(mix, kChords, timing, arp, 4);

    PlayDrums(mix, kDrums, kStageBars, timing, 0.18);
    mix.Normalise(0.85);
    return mix;
}

const std::vector<SoundDefinition>& SoundTable() {
    static const std::vector<SoundDefinition> table = {
        {"jump01", 11025, 8, JumpSound},
        {"bgn", 44100, 16, [](int rate) { return StageMusic(rate, kStageTempo); }},
        {"bg", 44100, 16, [](int rate) { return StageMusic(rate, kHurryTempo); }},
        {"endh", 44100, 16, HurrySignal},
        {"break", 22050, 8, BreakSound},
        {"end", 22050, 8, GameOverTune},
        {"ded", 22050, 8, FallSound},
        {"ded1", 22050, 8, DeathSting},
        {"clear", 22050, 8, ClearFanfare},
        {"allclear", 22050, 8, AllClearFanfare},
        {"coin", 22050, 8, CoinSound},
        {"timep", 22050, 8, TimeTick},
        {"1up", 22050, 8, ExtraLifeSound},
        {"op", 22050, 8, OpeningTune},
        {"tded", 22050, 8, StompSound},
    };
    return table;
}

}  // namespace tarn::assetgen
