#include "bus/bus.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;
void recordA(const char* text) { calls.push_back(std::string("A:") + text); }
void recordB(const char* text) { calls.push_back(std::string("B:") + text); }
void recordC(const char* text) { calls.push_back(std::string("C:") + text); }
void noop(const char*) {}

class Bus : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        calls.clear();
    }
    void TearDown() override { bus_reset(); }
};

}  // namespace

TEST_F(Bus, EmptyTextOrLeadingBlankCallsNobody) {
    addListener("pause", recordA);
    EXPECT_EQ(postMessage(""), 0);
    EXPECT_EQ(postMessage(" pause"), 0);
    EXPECT_EQ(postMessage("\npause"), 0);
    EXPECT_TRUE(calls.empty());
}

TEST_F(Bus, EveryListenerUnderTheNameIsCalledInTableOrder) {
    addListener("pause", recordA);
    addListener("pause", recordB);
    addListener("resume", recordC);
    EXPECT_EQ(postMessage("pause"), 2);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "A:pause");
    EXPECT_EQ(calls[1], "B:pause");
}

TEST_F(Bus, FirstWordIsAPrefixOfTheListenerName) {
    addListener("frametickExtra", recordA);
    addListener("frame", recordB);
    EXPECT_EQ(postMessage("frametick"), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "A:frametick");
    calls.clear();
    addListener("leverMoved", recordC);
    addListener("leverSet", recordC);
    EXPECT_EQ(postMessage("lever nr=1"), 2);
}

TEST_F(Bus, FirstWordEndsAtBlankOrLineFeed) {
    addListener("steer", recordA);
    EXPECT_EQ(postMessage("steer\nsetting=1.0"), 1);
    EXPECT_EQ(postMessage("steer setting=1.0"), 1);
    EXPECT_EQ(postMessage("steering"), 0);
}

TEST_F(Bus, DuplicateRegistrationAndFullTableAreRefused) {
    EXPECT_TRUE(addListener("pause", recordA));
    EXPECT_FALSE(addListener("pause", recordA));
    char names[BUS_MAX_LISTENERS][16];
    for (int i = 1; i < BUS_MAX_LISTENERS; i++) {
        snprintf(names[i], sizeof names[i], "n%d", i);
        EXPECT_TRUE(addListener(names[i], noop));
    }
    EXPECT_EQ(bus_listenerCount(), BUS_MAX_LISTENERS);
    EXPECT_FALSE(addListener("another", noop));
    EXPECT_EQ(bus_listenerCount(), BUS_MAX_LISTENERS);
    EXPECT_EQ(postMessage("another"), 0);
}

TEST_F(Bus, RemovalMovesTheLastEntryIntoThePlace) {
    addListener("x", recordA);
    addListener("x", recordB);
    addListener("x", recordC);
    EXPECT_TRUE(removeListener("x", recordA));
    EXPECT_FALSE(removeListener("x", recordA));
    postMessage("x");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "C:x");
    EXPECT_EQ(calls[1], "B:x");
}

namespace {
void addsAnother(const char*) { addListener("grow", recordB); }
void removesItself(const char*);
void removesItself(const char*) { removeListener("shrink", removesItself); }
}  // namespace

TEST_F(Bus, ListenerAddedDuringAPostIsReachedInThatPost) {
    addListener("grow", addsAnother);
    EXPECT_EQ(postMessage("grow"), 2);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(Bus, RemovalDuringAPostMaySkipTheMovedEntry) {
    addListener("shrink", removesItself);
    addListener("shrink", recordA);
    // The last entry moves into place 0, which the post has already passed.
    EXPECT_EQ(postMessage("shrink"), 1);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(postMessage("shrink"), 1);
}

TEST(BusArgs, IntArgumentAndItsAbsence) {
    EXPECT_EQ(argInt("start nr=7 name=court", "nr"), 7);
    EXPECT_EQ(argInt("start name=court", "nr"), INT_MIN);
    EXPECT_EQ(argInt("start nr=", "nr"), INT_MIN);
    EXPECT_EQ(argInt("start nr", "nr"), INT_MIN);
    EXPECT_EQ(argInt("start nr=x", "nr"), 0);
    // The key is a plain substring, searched after the first word only.
    EXPECT_EQ(argInt("nr=5 other=3", "nr"), INT_MIN);
}

TEST(BusArgs, FloatArgumentConvertsLikeAtof) {
    EXPECT_FLOAT_EQ(argFloat("steer setting=0.250000", "setting"), 0.25f);
    EXPECT_FLOAT_EQ(argFloat("steer setting=abc", "setting"), 0.0f);
    EXPECT_EQ(argFloat("steer", "setting"), -FLT_MAX);
    EXPECT_FLOAT_EQ(argFloat("cameraControl elevationDelta=0.5 orbitDelta=-1.5", "orbitDelta"),
                    -1.5f);
}

TEST(BusArgs, StringArgumentIsCutToTheBuffer) {
    char buf[32];
    argString("start nr=3 name=court", "name", buf, sizeof buf);
    EXPECT_STREQ(buf, "court");
    std::string longValue(40, 'x');
    std::string text = "vehicleSwitch vehicle=" + longValue + " more=1";
    argString(text.c_str(), "vehicle", buf, sizeof buf);
    EXPECT_EQ(strlen(buf), 31u);
    argString("vehicleSwitch", "vehicle", buf, sizeof buf);
    EXPECT_STREQ(buf, "");
}

TEST(BusFormat, FormattersTruncateAtTheirBufferSize) {
    char big[200];
    memset(big, 0, sizeof big);
    std::string longText(300, 'y');
    format128(big, "%s", longText.c_str());
    EXPECT_EQ(strlen(big), 127u);
    format80(big, "%s", longText.c_str());
    EXPECT_EQ(strlen(big), 79u);
    format128(big, "leverMoved leverNr=%d delta=%f", 2, 0.125);
    EXPECT_STREQ(big, "leverMoved leverNr=2 delta=0.125000");
}
