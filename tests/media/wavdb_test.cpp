#include "sound/wavdb.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bus/diag.h"

namespace {

std::vector<std::string> asserts;
void recordAssert(const char* source, int line, const char* expression) {
    asserts.push_back(std::string(source) + ":" + std::to_string(line) + ":" + expression);
}

class Wavdb : public ::testing::Test {
   protected:
    void SetUp() override {
        wavdb_clear();
        asserts.clear();
        oldHook = setAssertHook(recordAssert);
    }
    void TearDown() override {
        setAssertHook(oldHook);
        wavdb_clear();
    }
    AssertHook oldHook = nullptr;
};

}  // namespace

TEST_F(Wavdb, StoresSamplesWithTheirLengths) {
    const char* names[] = {"tone"};
    ASSERT_EQ(wavdb_load("testpack", names, 1), 1);
    int length = 0;
    const short* data = nullptr;
    ASSERT_TRUE(wavdb_lookup("tone", &length, &data));
    EXPECT_EQ(length, 4);
    EXPECT_EQ(data[2], 200);
}

TEST_F(Wavdb, MissingModuleOrSymbolsAreReportedAndSkipped) {
    const char* names[] = {"gone", "nolen", "tone"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(wavdb_load("nosuchpack", names, 3), 0);
    EXPECT_EQ(wavdb_load("testpack", names, 3), 1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Could not load nosuchpack\n"), std::string::npos);
    EXPECT_NE(out.find("ERR Could not get symbol gone_dat from testpack\n"), std::string::npos);
    EXPECT_NE(out.find("ERR ASSERT FAILED at Base/C/wavdb_mswin(51):  lp\n"), std::string::npos);
    ASSERT_EQ(asserts.size(), 1u);
    EXPECT_EQ(asserts[0], "Base/C/wavdb_mswin:51:lp");
    // A sample without its length is never handed out.
    int length = -7;
    const short* data = nullptr;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(wavdb_lookup("nolen", &length, &data));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERR Wave 'nolen' not stored in wavdb.\n");
    EXPECT_EQ(length, -7);
    EXPECT_EQ(data, nullptr);
}

TEST_F(Wavdb, FullDatabaseRefusesMoreInsteadOfOverrunning) {
    const char* names[] = {"tone"};
    for (int i = 0; i < WAVDB_MAX_SZ; i++) ASSERT_EQ(wavdb_load("testpack", names, 1), 1);
    testing::internal::CaptureStdout();
    EXPECT_EQ(wavdb_load("testpack", names, 1), 0);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("ERR wavdb is full"), std::string::npos);
    EXPECT_EQ(wavdb_size(), WAVDB_MAX_SZ);
}
