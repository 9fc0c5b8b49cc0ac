// What a player hears over a played stage: the 1-1 replay on the headless platform, its
// sound requests rendered through the mixer with the shipped sounds at the moments the
// game's clock gives them. Nothing of it may reach full scale, and it carries no offset.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <sstream>

#include "game/core/App.h"
#include "game/platform/HeadlessPlatform.h"
#include "game/platform/Mixer.h"
#include "game/platform/SoundFolder.h"

namespace tarn::game {
namespace {

class MixingPlatform : public HeadlessPlatform {
  public:
    static constexpr int kRate = 44100;

    Failure LoadSounds(const std::filesystem::path& folder) override {
        return LoadSoundFolder(folder, [&](SoundId id, const Wave& wave) {
            mixer.SetSamples(id, Resample(wave, kRate));
        });
    }
    void Sound(SoundId id, SoundOp op) override {
        RenderUntil(Clock());
        mixer.Apply(id, op);
        HeadlessPlatform::Sound(id, op);
    }
    // Mixes what sounds up to the reading `ms` of the clock.
    void RenderUntil(std::uint32_t ms) {
        const std::size_t due = std::size_t(ms) * kRate / 1000;
        if (due > output.size()) {
            const std::size_t from = output.size();
            output.resize(due);
            mixer.Mix(output.data() + from, due - from, 1);
        }
    }

    Mixer mixer;
    std::vector<float> output;
};

std::size_t Requests(const std::deque<SoundRequest>& sounds, SoundId id) {
    return std::size_t(std::count_if(sounds.begin(), sounds.end(),
                                     [&](const SoundRequest& r) { return r.id == id; }));
}

TEST(MixdownTest, PlayedStageNeverReachesFullScaleAndCarriesNoOffset) {
    const char* program = std::getenv("TARN_PROGRAM_DIR");
    const char* source = std::getenv("TARN_SOURCE_DIR");
    ASSERT_TRUE(program != nullptr && source != nullptr);
    Options options;
    options.root = program;
    options.headless = true;
    options.stage = "1-1";
    options.replay = std::filesystem::path(source) / "assets/stages/standard/replays/1-1.rpl";
    options.frames = 900;
    MixingPlatform platform;
    PlatformInput nobody(platform, PlatformInput::Person::Nobody);
    std::ostringstream out;
    ASSERT_EQ(RunGame(options, PortablePaths(options.root), platform, nobody, ProgramInfo{}, out),
              0);
    platform.RenderUntil(platform.Clock());

    // The run played: it jumped, took coins and cleared the stage over the music.
    EXPECT_GT(Requests(platform.sounds, SoundId::jump01), 10u);
    EXPECT_GT(Requests(platform.sounds, SoundId::coin), 3u);
    EXPECT_EQ(Requests(platform.sounds, SoundId::clear), 1u);
    const std::vector<float>& mix = platform.output;
    ASSERT_GT(mix.size(), std::size_t(15 * MixingPlatform::kRate));

    std::size_t fullScale = 0;
    double sum = 0, squares = 0;
    float loudest = 0;
    for (const float sample : mix) {
        fullScale += std::abs(sample) >= 0.999f ? 1 : 0;
        sum += sample;
        squares += double(sample) * sample;
        loudest = std::max(loudest, std::abs(sample));
    }
    const double mean = sum / double(mix.size());
    const double rms = std::sqrt(squares / double(mix.size()));
    EXPECT_EQ(fullScale, 0u);
    EXPECT_LT(std::abs(mean), 0.01);
    EXPECT_GT(rms, 0.05) << "the music and effects are heard";
    EXPECT_GT(loudest, 0.4f);
    std::cout << "mixdown: " << double(mix.size()) / MixingPlatform::kRate << " s, peak " << loudest
              << ", rms " << rms << ", mean " << mean << ", full scale " << fullScale << "\n";
}

}  // namespace
}  // namespace tarn::game
