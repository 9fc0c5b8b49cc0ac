# Warnings are errors in every target of the project.
add_library(tarn_warnings INTERFACE)
target_compile_options(tarn_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
    -Wnull-dereference -Wimplicit-fallthrough)
