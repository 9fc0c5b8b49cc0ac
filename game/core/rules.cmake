# Sources of the rules of play, compiled into game_core by game/core/CMakeLists.txt.
set(TARN_RULES_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GameState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Layers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StageMaps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameServices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Player.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Chips.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Objects.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ObjectContact.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Score.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameBody.cpp
)
