# The stage folder `standard`: every plain stage text in this folder is enciphered by
# tr2tool into ${TARN_PROGRAM_DIR}/data/standard/<name>.tr2. Included by assets/CMakeLists.txt.
set(TARN_STAGE_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TARN_STAGE_DIR ${TARN_PROGRAM_DIR}/data/standard)
set(TARN_STANDARD_STAGES 1-1 1-2 1-3 1-4)

set(TARN_STAGE_FILES)
foreach(stage ${TARN_STANDARD_STAGES})
    set(source ${TARN_STAGE_SOURCE_DIR}/${stage}.txt)
    set(target ${TARN_STAGE_DIR}/${stage}.tr2)
    add_custom_command(
        OUTPUT ${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TARN_STAGE_DIR}
        COMMAND tr2tool encode --utf8 --crlf --check ${source} ${target}
        DEPENDS tr2tool ${source}
        COMMENT "Enciphering stage ${stage}"
        VERBATIM)
    list(APPEND TARN_STAGE_FILES ${target})
endforeach()
add_custom_target(standard_stages ALL DEPENDS ${TARN_STAGE_FILES})
add_dependencies(program_folder standard_stages)
install(FILES ${TARN_STAGE_FILES} DESTINATION ${TARN_INSTALL_DIR}/data/standard)
