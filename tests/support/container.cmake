# Container and stage text.
tarn_add_test(support_tests
    SOURCES BinAngsDLTest.cpp ByteCipherTest.cpp StageTextReadTest.cpp StageTextWriteTest.cpp
            StageCheckTest.cpp
    LIBS support)
