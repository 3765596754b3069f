// Surface choice of the contact callback: which rule applies to a touching
// pair, decided from the union of the two geoms' category bits.
#pragma once

#include <ode/ode.h>

enum ContactCase {
    CONTACT_TREAD,
    CONTACT_WHEEL_SIDE,
    CONTACT_CONVEYOR,
    CONTACT_GRIP,
    CONTACT_HOOK,
    CONTACT_ROTOR,
    CONTACT_PRONG_GROUND,
    CONTACT_BED,
    CONTACT_DEFAULT,
};

enum : unsigned long {
    CAT_STATIC = 0x1,
    CAT_PART = 0x2,
    CAT_CHASSIS = 0x10,
    CAT_CRANE = 0x20,
    CAT_GRIP = 0x40,
    CAT_CONVEYOR = 0x80,
    CAT_LOADER_WHEEL = 0x100,
    CAT_BED = 0x200,  // a tipper's bed: steel worn smooth, so a load slides out
    CAT_WHEEL = 0x400,
    CAT_HOOK = 0x800,
    CAT_ROTOR = 0x1000,
    CAT_PRONG = 0x800000,
    CAT_SEAL = 0x1000000,
    CAT_HUB = 0x4000000,
};

// Fills contact->surface (and fdir1 for treads and belts). wheelAxis and
// spin matter only when wheelFound; spin is already shaped (0.2 s^2 + 0.8 s).
ContactCase contact_chooseSurface(unsigned long unionBits, bool wheelFound, const dReal* wheelAxis,
                                  dReal spin, dContact* contact);
