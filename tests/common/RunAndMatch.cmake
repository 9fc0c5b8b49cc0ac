# Runs a program for a test and passes only when it exits with status 0 AND its standard
# output matches a regular expression. (CTest's PASS_REGULAR_EXPRESSION alone ignores the
# exit status, so a sanitizer report or a diverged replay could pass.)
#
#   cmake -DEXPECT=<regex> -P RunAndMatch.cmake <program> <arguments>...
cmake_minimum_required(VERSION 3.25)

# The arguments after "-P <script>" are the command.
set(command)
set(state options)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(state STREQUAL "command")
        # A semicolon inside an argument must not split it into two list items.
        string(REPLACE ";" "\\;" argument "${CMAKE_ARGV${i}}")
        list(APPEND command "${argument}")
    elseif(state STREQUAL "script")
        set(state command)
    elseif(CMAKE_ARGV${i} STREQUAL "-P")
        set(state script)
    endif()
endforeach()
if(NOT command OR NOT DEFINED EXPECT)
    message(FATAL_ERROR "usage: cmake -DEXPECT=<regex> -P RunAndMatch.cmake <program> <args>...")
endif()

execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE output
                ERROR_VARIABLE errors)
# Shown in the test log whatever the outcome.
message("${output}")
if(errors)
    message("${errors}")
endif()
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "The program exited with status ${status}.")
endif()
if(NOT output MATCHES "${EXPECT}")
    message(FATAL_ERROR "The output does not match ${EXPECT}")
endif()
