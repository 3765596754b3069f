#include "world/contact.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

dContact contactWithNormal(dReal x, dReal y, dReal z) {
    dContact c = {};
    c.geom.normal[0] = x;
    c.geom.normal[1] = y;
    c.geom.normal[2] = z;
    return c;
}

const dReal AXLE_Y[3] = {0, 1, 0};
const dReal AXLE_UP[3] = {0, 0, 1};

}  // namespace

TEST(ContactSurface, TreadGripsAlongTheRollingDirectionWithSlipGrowingWithSpin) {
    dContact c = contactWithNormal(0, 0, 1);
    EXPECT_EQ(contact_chooseSurface(CAT_WHEEL | CAT_STATIC, true, AXLE_Y, 2.0, &c), CONTACT_TREAD);
    EXPECT_DOUBLE_EQ(c.surface.mu, 10.0);
    EXPECT_DOUBLE_EQ(c.surface.mu2, 50.0);
    EXPECT_DOUBLE_EQ(c.surface.slip1, 0.04);
    EXPECT_DOUBLE_EQ(c.surface.slip2, 0.08);
    EXPECT_DOUBLE_EQ(c.surface.soft_erp, 0.5);
    EXPECT_DOUBLE_EQ(c.surface.soft_cfm, 0.03);
    // Friction direction 1 is normal x axle: perpendicular to the axle, in the ground plane.
    EXPECT_NEAR(c.fdir1[0], -1.0, 1e-12);
    EXPECT_NEAR(c.fdir1[1], 0.0, 1e-12);
    EXPECT_NEAR(c.fdir1[2], 0.0, 1e-12);
    int wanted = dContactMu2 | dContactFDir1 | dContactSoftERP | dContactSoftCFM | dContactSlip1 |
                 dContactSlip2 | dContactApprox1;
    EXPECT_EQ(c.surface.mode, wanted);
}

TEST(ContactSurface, TreadSlipNeverFallsBelowItsFloor) {
    dContact c = contactWithNormal(0, 0, 1);
    contact_chooseSurface(CAT_WHEEL, true, AXLE_Y, 0.0, &c);
    EXPECT_DOUBLE_EQ(c.surface.slip1, 0.0006);
    EXPECT_DOUBLE_EQ(c.surface.slip2, 0.0012);
}

TEST(ContactSurface, LoaderWheelsSlipAFixedAmount) {
    dContact c = contactWithNormal(0, 0, 1);
    contact_chooseSurface(CAT_LOADER_WHEEL | CAT_STATIC, true, AXLE_Y, 5.0, &c);
    EXPECT_DOUBLE_EQ(c.surface.slip1, 0.5);
    EXPECT_DOUBLE_EQ(c.surface.slip2, 1.0);
    EXPECT_DOUBLE_EQ(c.surface.mu, 10.0);
    EXPECT_DOUBLE_EQ(c.surface.mu2, 10.0);
}

TEST(ContactSurface, WheelFlatSideGripsOnlyWhenTheWheelLiesFlat) {
    dContact wall = contactWithNormal(0, 1, 0);  // along the axle: the flat face
    EXPECT_EQ(contact_chooseSurface(CAT_WHEEL | CAT_STATIC, true, AXLE_Y, 1.0, &wall),
              CONTACT_WHEEL_SIDE);
    EXPECT_DOUBLE_EQ(wall.surface.mu, 0.0);
    dContact lying = contactWithNormal(0, 0, 1);
    contact_chooseSurface(CAT_WHEEL | CAT_STATIC, true, AXLE_UP, 1.0, &lying);
    EXPECT_DOUBLE_EQ(lying.surface.mu, 0.4);
    EXPECT_EQ(lying.surface.mode, dContactSoftERP | dContactSoftCFM | dContactApprox1);
}

TEST(ContactSurface, WheelBitsWithoutAWheelOfTheDrivenVehicleAreOrdinary) {
    dContact c = contactWithNormal(0, 0, 1);
    EXPECT_EQ(contact_chooseSurface(CAT_WHEEL | CAT_STATIC, false, AXLE_Y, 0.0, &c),
              CONTACT_DEFAULT);
    EXPECT_DOUBLE_EQ(c.surface.mu, 10.0);
}

TEST(ContactSurface, ConveyorCarriesAlongX) {
    dContact c = contactWithNormal(0, 0, 1);
    EXPECT_EQ(contact_chooseSurface(CAT_CONVEYOR | CAT_PART, false, AXLE_Y, 0.0, &c),
              CONTACT_CONVEYOR);
    EXPECT_DOUBLE_EQ(c.surface.mu, 1.0);
    EXPECT_DOUBLE_EQ(c.surface.mu2, 0.1);
    EXPECT_DOUBLE_EQ(c.surface.motion1, 0.8);
    EXPECT_DOUBLE_EQ(c.fdir1[0], 1.0);
    EXPECT_TRUE(c.surface.mode & dContactMotion1);
}

TEST(ContactSurface, GripHoldsAnythingButStaticGround) {
    dContact c = contactWithNormal(0, 0, 1);
    EXPECT_EQ(contact_chooseSurface(CAT_GRIP | CAT_PART, false, AXLE_Y, 0.0, &c), CONTACT_GRIP);
    EXPECT_EQ(c.surface.mu, dInfinity);
    EXPECT_DOUBLE_EQ(c.surface.soft_erp, 0.3);
    EXPECT_DOUBLE_EQ(c.surface.soft_cfm, 0.1);
    dContact ground = contactWithNormal(0, 0, 1);
    EXPECT_EQ(contact_chooseSurface(CAT_GRIP | CAT_STATIC, false, AXLE_Y, 0.0, &ground),
              CONTACT_DEFAULT);
    EXPECT_DOUBLE_EQ(ground.surface.mu, 10.0);
}

TEST(ContactSurface, SpecialSurfacesInTheirOrder) {
    struct Case {
        unsigned long bits;
        ContactCase kind;
        double mu, erp, cfm;
    } cases[] = {
        {CAT_HOOK | CAT_PART, CONTACT_HOOK, 0.0, 0.5, 0.03},
        {CAT_ROTOR | CAT_STATIC, CONTACT_ROTOR, 10.0, 0.5, 0.03},
        {CAT_PRONG | CAT_STATIC, CONTACT_PRONG_GROUND, 0.2, 0.001, 0.4},
        {CAT_PRONG | CAT_PART, CONTACT_DEFAULT, 10.0, 0.5, 0.03},
        {CAT_SEAL | CAT_PART, CONTACT_DEFAULT, 0.0, 0.5, 0.03},
        {CAT_PART | CAT_PART, CONTACT_DEFAULT, 10.0, 0.5, 0.03},
        {CAT_CONVEYOR | CAT_GRIP, CONTACT_CONVEYOR, 1.0, 0.5, 0.03},
        {CAT_GRIP | CAT_HOOK, CONTACT_GRIP, dInfinity, 0.3, 0.1},
    };
    for (const Case& k : cases) {
        dContact c = contactWithNormal(0, 0, 1);
        EXPECT_EQ(contact_chooseSurface(k.bits, false, AXLE_Y, 0.0, &c), k.kind)
            << std::hex << k.bits;
        EXPECT_EQ(c.surface.mu, k.mu) << std::hex << k.bits;
        EXPECT_DOUBLE_EQ(c.surface.soft_erp, k.erp) << std::hex << k.bits;
        EXPECT_DOUBLE_EQ(c.surface.soft_cfm, k.cfm) << std::hex << k.bits;
    }
}
