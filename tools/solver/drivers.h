// The drivers the solver knows, one per level, and what they share.
#pragma once

struct Waypoint {
    float x, y, speed;  // negative speed: reverse onto it
};

// Drives the route leg by leg; false once the last point is reached.
bool followRoute(const Waypoint* route, int count, int* leg);

bool drive_canal(long tick);
bool drive_canalRamLever(long tick);
bool drive_canalPickRiser(long tick);
bool drive_powerlift(long tick);
bool drive_powerliftLandOnly(long tick);
