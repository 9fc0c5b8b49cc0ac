// Chip map, pass map and object table of a loaded stage.
#include "game/core/StageMaps.h"

namespace tarn::game {

void FillMaps(GameState& state, const MapRows& rows) {
    Stage& st = state.stage;
    for (int row = 0; row <= kMapRows; ++row) {
        for (int col = 0; col <= kMapColumns; ++col) {
            st.ChipMap[std::size_t(row)][std::size_t(col)] = -1;
            st.PassMap[std::size_t(row)][std::size_t(col)] = -1;
        }
    }
    for (int row = 0; row < kMapRows; ++row) {
        const auto& cells = rows[std::size_t(row)];
        for (std::size_t i = 0; i < cells.size() && i <= std::size_t(kMapColumns); ++i) {
            st.ChipMap[std::size_t(row)][i] = cells[i];
        }
    }

    // Both passes scan the same cells, so every counted object finds its entry.
    std::size_t count = 0;
    ForEachLoadedCell(st, [&](int, int, std::int32_t code) {
        if (BecomesObject(code)) {
            ++count;
        }
    });
    const std::size_t size = count + 2;  // two spare entries
    st.ObjKind.assign(size, ObjectKind{});
    st.ObjX.assign(size, 0);
    st.ObjY.assign(size, 0);
    st.ObjDX.assign(size, 0);
    st.ObjDY.assign(size, 0);
    st.ObjActive.assign(size, 0);
    st.ObjCount = 0;
    ForEachLoadedCell(st, [&](int col, int row, std::int32_t& code) {
        const ChipInfo* info = FindChip(code);
        if (info != nullptr && info->object) {
            const auto i = std::size_t(st.ObjCount);
            st.ObjKind[i] = *info->object;
            st.ObjX[i] = col * kChipSize;
            st.ObjY[i] = row * kChipSize;
            st.ObjDX[i] = state.Step(info->dx);
            st.ObjDY[i] = state.Step(info->dy);
            st.ObjActive[i] = 0;
            code = Code(Chip::Empty);
            ++st.ObjCount;
        }
        if (IsSolidCode(code)) {
            st.PassMap[std::size_t(row)][std::size_t(col)] = 0;
        }
    });
}

}  // namespace tarn::game
