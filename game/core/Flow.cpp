// The driver loop of the phases.
#include "game/core/Flow.h"

#include "game/core/Session.h"
#include "game/core/StageLoader.h"

namespace tarn::game {

Next Interrupted(const Session& session) {
    if (session.quitRequested) {
        return Next{Phase::Exit, {}};
    }
    return ToMenu(session);
}

Next ToMenu(const Session& session) {
    return session.stageMode ? Next{Phase::Exit, {}} : Next{Phase::Menu, {}};
}

void BeginNewGame(Session& session) {
    GameState& st = session.state;
    st.counters.Lives = 5;
    session.status.LifeV = "5";
    const auto& slots = st.KeyTable[std::size_t(st.ConfigNo)];
    st.bindings = KeyBindings{slots[kSlotRight], slots[kSlotLeft],   slots[kSlotDash],
                              slots[kSlotJump],  slots[kSlotGiveUp], slots[kSlotPower]};
}

Next RunLoad(Session& session, const std::string& stage) {
    if (const Failure failure = ReadData(session, stage, stage)) {
        session.platform.ShowMessage(*failure);
        if (session.stageMode) {
            session.exitCode = 1;
            return Next{Phase::Exit, {}};
        }
        return Next{Phase::Menu, {}};
    }
    if (session.stopAfterFirstLoad || session.quitRequested) {
        return Next{Phase::Exit, {}};
    }
    if (session.menuRequested) {
        return Interrupted(session);
    }
    return Next{Phase::Play, {}};
}

int RunFlow(Session& session, Next next) {
    while (next.phase != Phase::Exit) {
        if (session.phaseProbe) {
            session.phaseProbe();
        }
        switch (next.phase) {
            case Phase::Menu:
                next = RunMenu(session);
                break;
            case Phase::Load:
                next = RunLoad(session, next.stage);
                break;
            case Phase::Play:
                next = RunMainLoop(session);
                break;
            case Phase::Outcome:
                next = RunOutcome(session);
                break;
            case Phase::Exit:
                break;
        }
    }
    return session.exitCode;
}

}  // namespace tarn::game
