# Run before a library is archived (see TargetFolders.cmake): reads the compiler's
# dependency file of each object and fails when the object included
#  - a header of the source tree outside the target's own folders other than through an
#    include root (a relative path that climbs into another folder), or
#  - for a toolkit-free target, any SDL or Qt header.
#
# cmake -DTARGET=name -DTOOLKIT_FREE=ON|OFF -DFOLDERS=a;b -DSOURCE_DIR=... -DBINARY_DIR=...
#       -DWORK_DIR=<where the compiler ran> -DOBJECTS=<object files> -P CheckIncludes.cmake

cmake_minimum_required(VERSION 3.25)

# A path component that only SDL or Qt headers have: SDL2/, SDL/, QtCore/, QtWidgets/, qt6/.
set(toolkitPattern "(^|/)(SDL2?|Qt[A-Z][A-Za-z0-9]*|qt[56])/[^/]+$")

set(problems)
list(JOIN FOLDERS ", " folderText)
foreach(object IN LISTS OBJECTS)
    set(depfile ${object}.d)
    if(NOT EXISTS ${depfile})
        message(FATAL_ERROR "${TARGET}: no dependency file ${depfile} to check its includes")
    endif()
    file(READ ${depfile} text)
    string(REPLACE "\\\n" " " text "${text}")
    string(REGEX REPLACE "^[^:]*:" "" text "${text}")
    string(REGEX MATCHALL "[^ \t\n]+" paths "${text}")
    # The first dependency is the source file itself.
    list(POP_FRONT paths source)
    get_filename_component(source ${source} ABSOLUTE BASE_DIR ${WORK_DIR})
    file(RELATIVE_PATH source ${SOURCE_DIR} ${source})
    if(TOOLKIT_FREE)
        # The first toolkit header in include order names the way the toolkit came in.
        set(toolkit ${paths})
        list(FILTER toolkit INCLUDE REGEX "${toolkitPattern}")
        if(toolkit)
            list(GET toolkit 0 first)
            list(LENGTH toolkit count)
            list(APPEND problems
                 "${source} includes the toolkit header ${first} (${count} in all)")
        endif()
    endif()
    # Only paths of the project can leave the target's folders; system headers are skipped.
    list(FILTER paths EXCLUDE REGEX "^/usr/")
    foreach(path IN LISTS paths)
        get_filename_component(full ${path} ABSOLUTE BASE_DIR ${WORK_DIR})
        string(FIND "${full}" "${BINARY_DIR}/" inBuild)
        string(FIND "${full}" "${SOURCE_DIR}/" inSource)
        if(NOT inBuild EQUAL 0 AND inSource EQUAL 0)
            file(RELATIVE_PATH relative ${SOURCE_DIR} ${full})
            get_filename_component(folder ${relative} DIRECTORY)
            if(NOT folder IN_LIST FOLDERS)
                list(APPEND problems
                     "${source} reaches ${relative} outside ${folderText} by a relative path")
            endif()
        endif()
    endforeach()
endforeach()

if(problems)
    list(REMOVE_DUPLICATES problems)
    list(JOIN problems "\n  " report)
    if(TOOLKIT_FREE)
        set(kind "toolkit-free library")
    else()
        set(kind "library")
    endif()
    message(FATAL_ERROR "${TARGET} is a ${kind} whose includes break its layering:\n  ${report}")
endif()
