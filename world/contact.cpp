#include "world/contact.h"

#include <cmath>

namespace {

const dReal SOFT_ERP = 0.5;
const dReal SOFT_CFM = 0.03;
const int SOFT_MODE = dContactSoftERP | dContactSoftCFM | dContactApprox1;
// Low enough for a load to slide off the tipped bed's tail, which then
// slopes down at about 25 degrees; high enough that a load rides still in
// the bed while the truck drives.
const dReal BED_MU = 0.25;

ContactCase wheelSurface(unsigned long unionBits, const dReal* axis, dReal spin, dContact* c) {
    const dReal* n = c->geom.normal;
    dReal along = n[0] * axis[0] + n[1] * axis[1] + n[2] * axis[2];
    if (fabs(along) >= 0.5) {
        // Flat side of the wheel: no grip unless the wheel lies on its side.
        c->surface.mu = fabs(axis[2]) > 0.8 ? 0.4 : 0.0;
        c->surface.mode = SOFT_MODE;
        return CONTACT_WHEEL_SIDE;
    }
    dVector3 dir;
    dCalcVectorCross3(dir, n, axis);
    dSafeNormalize3(dir);
    c->fdir1[0] = dir[0];
    c->fdir1[1] = dir[1];
    c->fdir1[2] = dir[2];
    dReal s = spin > 0.03 ? spin : 0.03;
    c->surface.slip1 = 0.02 * s;
    c->surface.slip2 = 0.04 * s;
    c->surface.mu = 10.0;
    c->surface.mu2 = 50.0;
    if (unionBits & 0x100) {
        c->surface.slip1 = 0.5;
        c->surface.slip2 = 1.0;
        c->surface.mu2 = 10.0;
    }
    c->surface.mode = dContactMu2 | dContactFDir1 | dContactSoftERP | dContactSoftCFM |
                      dContactSlip1 | dContactSlip2 | dContactApprox1;
    return CONTACT_TREAD;
}

}  // namespace

ContactCase contact_chooseSurface(unsigned long u, bool wheelFound, const dReal* axis, dReal spin,
                                  dContact* c) {
    c->surface.soft_erp = SOFT_ERP;
    c->surface.soft_cfm = SOFT_CFM;
    if (wheelFound && (u & (CAT_WHEEL | CAT_LOADER_WHEEL))) return wheelSurface(u, axis, spin, c);
    c->surface.mode = SOFT_MODE;
    if (u & CAT_CONVEYOR) {
        c->surface.mu = 1.0;
        c->surface.mu2 = 0.1;
        c->surface.motion1 = 0.8;
        c->fdir1[0] = 1.0;
        c->fdir1[1] = 0.0;
        c->fdir1[2] = 0.0;
        c->surface.mode = dContactMu2 | dContactFDir1 | dContactSoftERP | dContactSoftCFM |
                          dContactMotion1 | dContactApprox1;
        return CONTACT_CONVEYOR;
    }
    if ((u & CAT_GRIP) && !(u & CAT_STATIC)) {
        c->surface.mu = dInfinity;
        c->surface.soft_erp = 0.3;
        c->surface.soft_cfm = 0.1;
        return CONTACT_GRIP;
    }
    if (u & CAT_HOOK) {
        c->surface.mu = 0.0;
        return CONTACT_HOOK;
    }
    if (u & CAT_ROTOR) {
        c->surface.mu = 10.0;
        return CONTACT_ROTOR;
    }
    if ((u & CAT_PRONG) && (u & CAT_STATIC)) {
        c->surface.mu = 0.2;
        c->surface.soft_erp = 0.001;
        c->surface.soft_cfm = 0.4;
        return CONTACT_PRONG_GROUND;
    }
    if (u & CAT_BED) {
        c->surface.mu = BED_MU;
        return CONTACT_BED;
    }
    c->surface.mu = (u & CAT_SEAL) ? 0.0 : 10.0;
    return CONTACT_DEFAULT;
}
