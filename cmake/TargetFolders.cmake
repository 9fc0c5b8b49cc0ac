# Which headers a library may include, enforced by the build.
#
# tarn_target_folders(<target> [TOOLKIT_FREE] FOLDERS <folder>...)
#
# The folders (relative to the project root) are the target's own. Their headers become
# the target's public include root: ${CMAKE_BINARY_DIR}/include/<target>/<folder>/<header>,
# one symbolic link per header (a copy where the file system has no links). Code keeps
# the spelling "support/Surface.h", and a target sees the headers of its own folders and
# of the targets it links, nothing else: no project-wide include directory, and no
# subfolder that belongs to another target (settings/optara is not part of "settings").
#
# Every folder is read again at each build, so a header that is added, moved or removed
# only needs its source list changed.
#
# Before the library is archived, a check reads the compiler's dependency files of its
# objects and fails the build when an object reached a header of the source tree outside
# the target's folders other than through an include root (a relative "../sdl/X.h"), or,
# for a TOOLKIT_FREE target, any SDL or Qt header (including <SDL2/SDL.h>, which the
# compiler finds in /usr/include without being told).

set(TARN_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include)
set(TARN_CHECK_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckIncludes.cmake)

# The dependency files the check reads are kept by the Makefile generators only (Ninja
# folds them into its own log and deletes them).
if(CMAKE_GENERATOR MATCHES "Makefiles")
    set(TARN_CHECK_INCLUDES ON)
else()
    set(TARN_CHECK_INCLUDES OFF)
    message(STATUS "Include check off: the ${CMAKE_GENERATOR} generator keeps no "
                   "dependency files")
endif()

function(tarn_target_folders target)
    cmake_parse_arguments(ARG "TOOLKIT_FREE" "" "FOLDERS" ${ARGN})
    if(NOT ARG_FOLDERS)
        message(FATAL_ERROR "tarn_target_folders(${target}): no FOLDERS")
    endif()
    set(root ${TARN_INCLUDE_ROOTS}/${target})
    # Built anew at every configure, so a moved or removed header leaves no link behind.
    file(REMOVE_RECURSE ${root})
    foreach(folder IN LISTS ARG_FOLDERS)
        file(GLOB headers LIST_DIRECTORIES false CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/${folder}/*.h)
        file(MAKE_DIRECTORY ${root}/${folder})
        foreach(header IN LISTS headers)
            get_filename_component(name ${header} NAME)
            file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC RESULT failed)
            if(failed)
                # A copy, made again whenever the header changes.
                configure_file(${header} ${root}/${folder}/${name} COPYONLY)
            endif()
        endforeach()
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        # Headers only: nothing is compiled, so there is nothing to check.
        target_include_directories(${target} INTERFACE ${root})
        return()
    endif()
    target_include_directories(${target} PUBLIC ${root})

    if(TARN_CHECK_INCLUDES)
        get_target_property(binaryDir ${target} BINARY_DIR)
        add_custom_command(TARGET ${target} PRE_LINK
            COMMAND ${CMAKE_COMMAND} -DTARGET=${target} -DTOOLKIT_FREE=${ARG_TOOLKIT_FREE}
                    "-DFOLDERS=${ARG_FOLDERS}" -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                    -DBINARY_DIR=${CMAKE_BINARY_DIR} -DWORK_DIR=${binaryDir}
                    "-DOBJECTS=$<TARGET_OBJECTS:${target}>" -P ${TARN_CHECK_SCRIPT}
            VERBATIM)
    endif()
endfunction()
