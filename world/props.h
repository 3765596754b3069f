// The props with a fixed compound shape: crates, girders, house parts,
// temple stones, the power mast and the rest. Four of them get lighter while
// the grapple holds them, which makes heavy loads liftable.
#pragma once

#include "world/props_shape.h"

// A prop body with a box mass and a table of geoms, at a position.
class ShapedProp : public DynamicWorldObj {
   public:
    ShapedProp(const char* name, geomdesc* geometry, const dReal pos[3], dReal density,
               const dReal massBox[3], const ShapeSpec* shapes, int count);
};

// A prop whose mass is replaced while it is held and again when let go.
class HeldLighterProp : public ShapedProp {
   public:
    HeldLighterProp(const char* name, geomdesc* geometry, const dReal pos[3], dReal density,
                    const dReal massBox[3], const ShapeSpec* shapes, int count, dReal heldDensity,
                    dReal releasedDensity);
    void setGrasped(bool grasped) override;

    dReal massBox[3];
    dReal heldDensity, releasedDensity;
};

class BridgeSegment : public ShapedProp {
   public:
    explicit BridgeSegment(const dReal pos[3]);
};
class Crate : public ShapedProp {
   public:
    explicit Crate(const dReal pos[3]);
};
class Frame : public ShapedProp {
   public:
    explicit Frame(const dReal pos[3]);
};
class Girder : public ShapedProp {
   public:
    explicit Girder(const dReal pos[3]);
};
class Chimney : public ShapedProp {
   public:
    explicit Chimney(const dReal pos[3]);
};
class HouseBack : public ShapedProp {
   public:
    explicit HouseBack(const dReal pos[3]);
};
class HouseFront : public ShapedProp {
   public:
    explicit HouseFront(const dReal pos[3]);
};
class HouseWall : public ShapedProp {
   public:
    HouseWall(const char* name, const dReal pos[3]);
};
class MarkerPole : public ShapedProp {
   public:
    explicit MarkerPole(const dReal pos[3]);
};
class PackCrate : public ShapedProp {
   public:
    explicit PackCrate(const dReal pos[3]);
};
class Pallet : public ShapedProp {
   public:
    Pallet(const char* name, const dReal pos[3]);
};
class PowerMast : public ShapedProp {
   public:
    explicit PowerMast(const dReal pos[3]);
};
class PrisonWall : public ShapedProp {
   public:
    explicit PrisonWall(const dReal pos[3]);
};
class RampTop : public ShapedProp {
   public:
    explicit RampTop(const dReal pos[3]);
};
class RampBase : public ShapedProp {
   public:
    explicit RampBase(const dReal pos[3]);
};
class Shutter : public ShapedProp {
   public:
    explicit Shutter(const dReal pos[3]);
};
class Stacker : public ShapedProp {
   public:
    explicit Stacker(const dReal pos[3]);
};
class TempleCornice : public ShapedProp {
   public:
    explicit TempleCornice(const dReal pos[3]);
};
class TombSeal : public ShapedProp {
   public:
    explicit TombSeal(const dReal pos[3]);
};
// variant 0..7 picks one of the egg records.
class Egg : public ShapedProp {
   public:
    Egg(int variant, const dReal pos[3]);
};

class HeavyWeight : public HeldLighterProp {
   public:
    explicit HeavyWeight(const dReal pos[3]);
};
class HouseRoof : public HeldLighterProp {
   public:
    explicit HouseRoof(const dReal pos[3]);
};
class TemplePillar : public HeldLighterProp {
   public:
    explicit TemplePillar(const dReal pos[3]);
};
// tenths: the height in tenths of a metre.
class Riser : public HeldLighterProp {
   public:
    Riser(int tenths, const dReal pos[3]);
};

// Seal pin and door slide freely against everything (their own category) and
// keep their geoms in a space of their own.
class SealPin : public ShapedProp {
   public:
    explicit SealPin(const dReal pos[3]);
    ~SealPin() override;
    dSpaceID space;
};
class SealDoor : public ShapedProp {
   public:
    explicit SealDoor(const dReal pos[3]);
    ~SealDoor() override;
    dSpaceID space;
};
