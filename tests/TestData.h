#pragma once
// The shared test data (real pages, the PNG suite) lives in a folder beside
// the project, named by the build's ZM_TESTDATA_DIR. A clone alone does not
// have it: the tests that need it are then skipped, naming the folder.

#include <filesystem>
#include <string>

inline const std::filesystem::path kTestData = ZM_TESTDATA;

inline bool HaveTestData()
{
    return std::filesystem::is_directory(kTestData);
}

inline std::string MissingTestDataText()
{
    return "the test data folder " + kTestData.string() + " is absent (see ZM_TESTDATA_DIR)";
}

// In a GoogleTest body.
#define ZM_SKIP_WITHOUT_TESTDATA()                                                                                     \
    if (!HaveTestData())                                                                                               \
    GTEST_SKIP() << MissingTestDataText()

// In a Qt Test function.
#define ZM_QSKIP_WITHOUT_TESTDATA()                                                                                    \
    if (!HaveTestData())                                                                                               \
    QSKIP(MissingTestDataText().c_str())
