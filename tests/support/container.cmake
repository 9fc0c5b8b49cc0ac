# Container and stage text.
tarn_add_test(support_tests
    SOURCES BinAngsDLTest.cpp ByteCipherTest.cpp ChipTableTest.cpp FileBytesTest.cpp
            StageTextReadTest.cpp StageTextWriteTest.cpp StageCheckTest.cpp
    LIBS support)

# tr2tool's commands in-process, and the built program for its exit codes.
if(TARGET tr2tool_commands)
    tarn_add_test(tr2tool_tests SOURCES Tr2ToolTest.cpp LIBS tr2tool_commands support)
    target_compile_definitions(tr2tool_tests PRIVATE TR2TOOL_PROGRAM="$<TARGET_FILE:tr2tool>")
    add_dependencies(tr2tool_tests tr2tool)
endif()
