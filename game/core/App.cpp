// Running the game behind the command line.
#include "game/core/App.h"

#include <memory>

#include "assets/BuiltinArt.h"
#include "game/core/Flow.h"
#include "game/core/Game.h"
#include "game/core/GamepadKeys.h"
#include "game/core/Replay.h"
#include "game/core/Startup.h"
#include "game/core/StateDump.h"
#include "game/core/Trace.h"
#include "support/FileWords.h"
#include "support/PictureFile.h"
#include "support/UserText.h"

namespace tarn::game {

namespace {

// --stage: a bare name is a stage of the first stage folder; a path to a .tr2 file sets
// the stage folder to its folder.
bool IsStagePath(const std::string& stage) {
    const std::filesystem::path path(stage);
    return path.extension() == ".tr2" || path.has_parent_path();
}

Failure ResolveStage(StageFolders& folders, const std::string& stage, std::string& name) {
    const std::filesystem::path path(stage);
    if (IsStagePath(stage)) {
        std::error_code error;
        const auto absolute = std::filesystem::absolute(path, error);
        const auto type = std::filesystem::status(absolute, error).type();
        if (type == std::filesystem::file_type::not_found) {
            return Fail("The stage file " + ShownPath(path) + " does not exist.");
        }
        if (type != std::filesystem::file_type::regular) {
            const FileReason why{error, type};
            return Fail("Cannot read the stage file " + ShownPath(path) + " (" +
                        DescribeFile(error ? FileStatus::ReadFailed : FileStatus::NotAFile, why) +
                        ").");
        }
        folders.StageDir = absolute.parent_path() / "";
        name = absolute.stem().string();
        return std::nullopt;
    }
    name = stage;
    return std::nullopt;
}

}  // namespace

int RunGame(const Options& options, const ProgramPaths& paths, Platform& realPlatform,
            InputSource& liveInput, const ProgramInfo& program, std::ostream& out,
            const std::function<void(Game&)>& prepare, const std::function<void(Game&)>& finish) {
    // Gamepad buttons become keys before a recording sees them.
    GamepadKeys live(liveInput);
    std::unique_ptr<Replay> replay;
    std::unique_ptr<Recording> record;
    GameClock* clock = &realPlatform;
    InputSource* input = &live;
    FrameObserver* observer = nullptr;
    if (!options.replay.empty()) {
        ReplayScript script;
        std::string error;
        if (!ReadReplayScript(options.replay, script, error)) {
            realPlatform.ShowMessage(Fail(error));
            return 2;  // as for any other bad command-line input
        }
        replay = std::make_unique<Replay>(realPlatform, live, std::move(script));
        clock = replay.get();
        input = replay.get();
        observer = replay.get();
    } else if (!options.record.empty()) {
        record = std::make_unique<Recording>(realPlatform, live, options.record);
        if (!record->Ok()) {
            realPlatform.ShowMessage(
                Fail("Cannot write the recording " + ShownPath(options.record) + "."));
            return 1;
        }
        clock = record.get();
        input = record.get();
        observer = record.get();
    }

    std::unique_ptr<Trace> trace;
    if (!options.trace.empty()) {
        trace = std::make_unique<Trace>(realPlatform, options.trace);
        if (!trace->Ok()) {
            realPlatform.ShowMessage(
                Fail("Cannot write the trace " + options.trace.string() + "."));
            return 1;
        }
    }
    Platform& platform = trace ? static_cast<Platform&>(*trace) : realPlatform;

    Game game(platform, *clock, *input, art::Builtin(), paths);
    live.Follow(game.run, game.state);
    game.state.lowSpec = program.lowSpec;
    game.run.observer = observer;
    if (trace) {
        trace->Follow(game.run, game.screen.strip);
        trace->Name(game.screen.view.surface, "view");
        trace->Name(game.layers.PBuffer, "score");
        trace->Chain(observer);
        game.run.observer = trace.get();
    }
    // The trace is finished while the game it reads from is still there, however this ends.
    struct FinishTrace {
        Trace* trace;
        ~FinishTrace() {
            if (trace != nullptr) {
                trace->Finish();
            }
        }
    } finishTrace{trace.get()};
    // Under --stage there is no title to start, so no early key may open one.
    game.run.TitleStarted = !options.stage.empty();
    // The editor test-plays a stage file of its own, which needs no stage folder below data/.
    const bool needStageFolder = options.stage.empty() || !IsStagePath(options.stage);
    if (const Failure failure =
            Startup(game, program.lowSpec ? SettingsBuild::LowSpec : SettingsBuild::Normal,
                    needStageFolder)) {
        realPlatform.ShowMessage(*failure);
        return 1;
    }
    if (options.frames) {
        if (*options.frames == 0) {
            game.run.stopAfterFirstLoad = true;
        } else {
            game.run.frameLimit = *options.frames;
        }
    }
    Next first{Phase::Menu, {}};
    if (!options.stage.empty()) {
        std::string name;
        if (const Failure failure = ResolveStage(game.folders, options.stage, name)) {
            realPlatform.ShowMessage(*failure);
            return 1;
        }
        game.run.stageMode = true;
        BeginNewGame(game.state, game.screen.strip);
        first = Next{Phase::Load, name};
    }
    if (prepare) {
        prepare(game);
    }
    int status = RunFlow(game, first);
    if (replay && replay->Divergence()) {
        realPlatform.ShowMessage(*replay->Divergence());
        status = 3;
    }
    if (!options.screenshot.empty()) {
        const Surface& shot = game.screen.Presented();
        // BMP as ever; a name ending in .png asks for PNG (pictures for the web).
        const bool png = options.screenshot.extension() == ".png";
        if ((png ? SavePng(options.screenshot, shot) : SaveBmp(options.screenshot, shot)) !=
            PictureStatus::Ok) {
            realPlatform.ShowMessage(
                Fail("Cannot write the screenshot " + ShownPath(options.screenshot) + "."));
            status = status == 0 ? 1 : status;
        }
    }
    if (options.dumpState) {
        DumpState(out, game.state,
                  DumpExtras{game.run.framesRun, game.screen.strip.FrameRateText()});
    }
    if (finish) {
        finish(game);
    }
    return status;
}

}  // namespace tarn::game
