// Flat ground with one machine on it, switched on, for the machine tests;
// the fixture creates and destroys the world around each test.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "bus/bus.h"
#include "render/geomdb.h"
#include "shell/gametick.h"
#include "tools/arena/loaders.h"
#include "world/wld.h"

class LoaderWorld : public ::testing::Test {
   protected:
    void SetUp() override { bus_reset(); }
    void TearDown() override {
        if (wld_created()) wld_destroy();
        wld_setLevelBuilder(nullptr);
        bus_reset();
        // Leave the records unregistered, as the next level start would.
        geomdb_clear();
        geomdb_resetCount();
    }
    // variant: a machine of the loader yards ("dumptruck", "forklift", ...).
    void create(const char* variant) {
        wld_setLevelBuilder(loaders_emptyBuilder(variant));
        wld_create(0, nullptr);
    }
    static void tick(int n = 1) {
        for (int i = 0; i < n; i++) wld_update(GAME_TICK);
    }
    static void run(float seconds) { tick((int)lroundf(seconds * 60)); }
    __attribute__((format(printf, 1, 2))) static void post(const char* format, ...) {
        char text[128];
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof text, format, args);
        va_end(args);
        postMessage(text);
    }
    static dReal distance2d(const dReal* a, const dReal* b) {
        return std::hypot(a[0] - b[0], a[1] - b[1]);
    }
    // Angle of a body's x axis in the ground plane.
    static dReal heading(dBodyID body) {
        const dReal* r = dBodyGetRotation(body);
        return std::atan2(r[4], r[0]);
    }
};
