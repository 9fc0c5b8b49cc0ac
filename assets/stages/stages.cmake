# The stage folders. Every plain stage text <folder>/<name>.txt listed here is enciphered by
# tr2tool into ${TARN_PROGRAM_DIR}/data/<folder>/<name>.tr2; the target stage_gallery draws
# each one as a picture. Included by assets/CMakeLists.txt.
set(TARN_STAGE_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
# The game lists the folders by name, so the first one a new player meets is `standard`.
set(TARN_STAGE_FOLDERS standard veteran)
set(TARN_STAGES_standard 1-1 1-2 1-3 1-4 2-1 2-2 2-3 2-4)
set(TARN_STAGES_veteran 1-1 1-2 1-3 1-4)

set(TARN_STAGE_FILES)
set(TARN_GALLERY_DIR ${CMAKE_BINARY_DIR}/gallery)
find_program(TARN_IMAGEMAGICK_CONVERT NAMES convert)
set(TARN_GALLERY_FILES)
foreach(folder ${TARN_STAGE_FOLDERS})
    set(stage_dir ${TARN_PROGRAM_DIR}/data/${folder})
    set(folder_files)
    foreach(stage ${TARN_STAGES_${folder}})
        set(source ${TARN_STAGE_SOURCE_DIR}/${folder}/${stage}.txt)
        set(target ${stage_dir}/${stage}.tr2)
        add_custom_command(
            OUTPUT ${target}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${stage_dir}
            COMMAND tr2tool encode --utf8 --crlf --check ${source} ${target}
            DEPENDS tr2tool ${source}
            COMMENT "Enciphering stage ${folder}/${stage}"
            VERBATIM)
        list(APPEND folder_files ${target})

        # Half the map's size, 1600 x 480 pixels; with ImageMagick at hand, in 256 colours,
        # which keeps each picture small enough to be committed.
        set(picture ${TARN_GALLERY_DIR}/${folder}-${stage}.png)
        set(fewer_colours)
        if(TARN_IMAGEMAGICK_CONVERT)
            set(fewer_colours COMMAND ${TARN_IMAGEMAGICK_CONVERT} ${picture} -dither None
                                      -colors 256 PNG8:${picture})
        endif()
        add_custom_command(
            OUTPUT ${picture}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${TARN_GALLERY_DIR}
            COMMAND tarn_assetgen --sprites ${TARN_SPRITE_DIR} --stage-picture ${source}
                    ${picture} --reduce 2
            ${fewer_colours}
            DEPENDS tarn_assetgen ${TARN_SPRITE_SOURCES} ${source}
            COMMENT "Drawing stage ${folder}/${stage}"
            VERBATIM)
        list(APPEND TARN_GALLERY_FILES ${picture})
    endforeach()
    list(APPEND TARN_STAGE_FILES ${folder_files})
    install(FILES ${folder_files} DESTINATION ${TARN_INSTALL_DIR}/data/${folder})
endforeach()
add_custom_target(stage_folders ALL DEPENDS ${TARN_STAGE_FILES})
add_dependencies(program_folder stage_folders)
# The tests check every shipped stage file.
set_property(GLOBAL PROPERTY TARN_SHIPPED_STAGE_FILES ${TARN_STAGE_FILES})

# The gallery of assets/stages/README.md (not part of the default build): copy the
# pictures to assets/stages/gallery/ after changing a stage.
add_custom_target(stage_gallery DEPENDS ${TARN_GALLERY_FILES})
