// The drivers the solver knows: the sky crane's, one for the job and one for
// its lazy way.
#pragma once

bool drive_powerlift(long tick);
bool drive_powerliftLandOnly(long tick);
