// What all drivable machines share: their collision space, the common wheel,
// the joint helpers of arms, loaders and axles, registering a vehicle's bus
// listeners from a table, reading a control setting from a message, and
// handing the player from one vehicle to another.
#pragma once

#include "bus/bus.h"
#include "world/props_basic.h"
#include "world/vehicleobj.h"

// A simple space in the world's top space, clean-up off: the vehicle's own
// parts never collide with each other and each part destroys its own geoms.
dSpaceID vehicle_createSpace();

// Moves a geom out of the top space into a vehicle's space.
void vehicle_moveToSpace(dGeomID geom, dSpaceID space);

// The common wheel: a CylObj in the vehicle space with the given category,
// never falling asleep by itself, at rest.
CylObj* vehicle_makeWheel(geomdesc* geometry, const dReal pos[3], dReal radius, dReal length,
                          dSpaceID space, unsigned long category);

// True when geom is this wheel's cylinder; spin gets the wheel's angular speed.
bool vehicle_wheelSpinOf(const CylObj* wheel, dGeomID geom, float& spin);

struct VehicleListener {
    const char* message;
    ListenerFn handler;
};
void vehicle_listen(const VehicleListener* table, int count, bool on);

// A control argument as a motor may take it: clamped to -1..1, since a
// motor target is a setting times a gain and a huge one would fling the
// machine apart; NaN reads as the control at rest. False when the argument
// is missing or infinite: such a message must not reach a motor.
bool vehicle_controlArg(const char* text, const char* key, float* value);
// The "setting" argument, read as above.
bool vehicle_setting(const char* text, float* setting);

// Activates the object of interest when it is a vehicle that is off:
// prints "Activating '%s'", switches it on, posts "vehicleSwitch vehicle=%s".
void vehicle_activateInterest();
// Gives the controls to another vehicle in the order the HUD expects.
void vehicle_handOver(VehicleObj* from, VehicleObj* to);

// A box on a machine's body: full size, offset, and a turn about one of the
// body's axes (0 for none).
struct BoxSpec {
    dReal size[3];
    dReal offset[3];
    dReal turn = 0;
};
enum TurnAxis { TURN_ABOUT_Y, TURN_ABOUT_Z };
dGeomID vehicle_attachTurnedBox(dBodyID body, void* owner, dSpaceID space, const BoxSpec& box,
                                unsigned long category, TurnAxis axis);

// Soft arm stops that never bounce, on a joint whose own motor is off; set
// is the joint kind's parameter setter (hinge or slider).
void vehicle_setStopParams(dJointID j, void (*set)(dJointID, int, dReal));
// A crane-arm hinge between b1 and b2 about the axis (ax, ay, az), limited
// to lo..hi, with a soft joint (CFM 0.4) and the stops above.
dJointID vehicle_makeHinge(dBodyID b1, dBodyID b2, const dReal* anchor, dReal ax, dReal ay,
                           dReal az, dReal lo, dReal hi);

// A lever setting smaller than this in size counts as let go.
extern const float VEHICLE_LEVER_RELEASED;
// The hold rule the loaders' levers share: released puts the low stop where
// the joint stands (clamped to lo..hi), so a load cannot sink while the
// motor holds still; any other setting frees the whole travel. The high stop
// is left alone.
void vehicle_ratchetHinge(dJointID hinge, float s, dReal lo, dReal hi);
void vehicle_ratchetSlider(dJointID slider, float s, dReal lo, dReal hi);

// The suspended hinge-2 that carries an axle body under a chassis, anchored
// at the axle's centre, steering locked straight (police car, racer).
dJointID vehicle_axleJoint(dBodyID chassis, dBodyID axle);

// Per-body sleep thresholds for parts that must come to rest by themselves.
void vehicle_setSleepThresholds(dBodyID body, dReal angular, dReal linear);

dReal clampTo(dReal v, dReal lo, dReal hi);
