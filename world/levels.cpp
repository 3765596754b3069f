#include "world/levels.h"

#include "geom/records.h"
#include "vehicles/trailer.h"
#include "vehicles/truck.h"
#include "world/levels/level_common.h"
#include "world/wld.h"

namespace {

// Every level once, in catalogue order from the sandbox. The grapple kind is
// the truck's claw: 0 none, 1 four-prong claw, 2 the same with tips, 3 wide
// two-prong with tips, 4 wide two-prong without, 5 paddle. The font has no
// full stop, so ':' ends the briefing's sentences.
const LevelEntry LEVELS[LEVEL_COUNT + 1] = {
    {-1,
     "sandbox",
     {"RELEASE THAT INNER CHILD  WITHIN YOU", "AND GO PLAY IN THE SANDBOX: YOU EVEN",
      "GET TO CHOOSE YOUR TOY:", ""},
     build_sandbox,
     goal_sandbox,
     2,
     &geom_sandbox_edge},
    {0,
     "parkinglot",
     {"WE WILL START WITH THE BASICS:  SHOW", "US THAT YOU  CAN  PARALLEL  PARK THE", "TRUCK:", ""},
     build_parkinglot,
     goal_parkinglot,
     1,
     &geom_parkinglot_edge},
    {1,
     "court",
     {"ASSUMING YOU CAN DRIVE LET US GO FOR", "CRANE CERTIFICATION: DEMONSTRATE THE",
      "APTITUDE AS A CRANE OPERATOR  ON THE", "BASKETBALL COURT:"},
     build_court,
     goal_court,
     1,
     &geom_court_edge},
    {2,
     "lockdown",
     {"GET THE CRANE OUT OF THE HANGAR: THE", "FACILITIES HAVE BEEN LOCKED DOWN  SO",
      "YOU NEED TO FORCE OPEN THE GATE:", ""},
     build_lockdown,
     goal_lockdown,
     2,
     &geom_lockdown_edge},
    {3,
     "seesaw",
     {"IT IS YOUR TASK TO  LOAD THE TRAILER:", "TO MAKE IT UP TO THE LOADING PLATFORM",
      "YOU CAN USE THE WEIGHT TO HOLD DOWN A", "SEE SAW:"},
     build_seesaw,
     goal_seesaw,
     2,
     &geom_seesaw_edge},
    {4,
     "trainlot",
     {"WE NEED YOU TO LOAD A TRAIN: ONCE YOU", "HAVE LOADED IT PLEASE GENTLY PUSH THE",
      "TRAIN DOWN INTO THE TUNNEL:", ""},
     build_trainlot,
     goal_trainlot,
     2,
     &geom_trainlot_edge},
    {5,
     "bridge",
     {"I GOT A CONTRACT FOR EMERGENCY BRIDGE", "REPAIRS:  IT IS YOUR TASK TO  REPLACE",
      "THE MISSING SECTIONS: AFTERWARDS TEST", "THE BRIDGE BY CROSSING IT:"},
     build_bridge,
     goal_bridge,
     1,
     &geom_bridge_edge},
    {6,
     "stackem",
     {"HOPEFULLY YOU CAN REVERSE A TRUCK AND", "TRAILER:  STACK ALL CONTAINERS IN THE",
      "CONTAINTMENT AREA:", ""},
     build_stackem,
     goal_stackem,
     1,
     &geom_stackem_edge},
    {7,
     "temple",
     {"RECONSTRUCT THE ANCIENT TEMPLE: IT IS", "BEST NOT TO GRAPPLE  THE PEDIMENT BUT",
      "USE THE CRANE BOOM AS A JACK INSTEAD:", ""},
     build_temple,
     goal_temple,
     2,
     &geom_temple_edge},
    {8,
     "hazard",
     {"YOU NEED TO STORE THE HAZARDOUS WASTE", "BUT THE PROTESTERS SABOTAGED A BRIDGE",
      "WHICH NEEDS REPAIRING FIRST:", ""},
     build_hazard,
     goal_hazard,
     4,
     &geom_hazard_edge},
    {9,
     "luxor",
     {"THIS IS A JOB IN EGYPT:  A QUEEN FROM", "LUXOR NEEDS REBURIAL  INTO THE FAMILY",
      "TOMB: OPEN IT UP AND REUNITE HER WITH", "HER PHARAO:"},
     build_luxor,
     goal_luxor,
     3,
     &geom_luxor_edge},
    {10,
     "babel",
     {"STACK ALL THE CRATES TO FORM A SINGLE", "TOWER: YEAH IT SOUNDS EASY BUT EXPECT",
      "TO BE USING YOUR BRAIN TODAY:", ""},
     build_babel,
     goal_babel,
     2,
     &geom_babel_edge},
    {11,
     "factory",
     {"A FACTORY JOB IS UP NEXT: PLEASE SORT", "ALL GREEN PRODUCTS FROM  THE RED ONES",
      "AND STORE IN SEPARATE CONTAINERS:", ""},
     build_factory,
     goal_factory,
     0,
     &geom_factory_edge},
    {12,
     "ufo",
     {"A NONEXISTENT FACILITY  IN THE NEVADA", "DESERT IS GETTING  TOO MUCH ATTENTION",
      "AND NEEDS TO BE LOCKED DOWN: YOUR JOB", "IS TO INSTALL A CONCRETE WALL:"},
     build_ufo,
     goal_ufo,
     3,
     &geom_ufo_edge},
    {13,
     "hearth",
     {"THE JOHNSON FAMILY WANTS A NICER VIEW", "WHICH MEANS MOVING THEIR HOUSE TO THE",
      "HILL TOP: 1 DECONSTRUCT:  2 TRANSPORT", "3 RECONSTRUCT:"},
     build_hearth,
     goal_hearth,
     3,
     &geom_hearth_edge},
    {14,
     "towercrane",
     {"OUR  LARGEST CRANE  IS  OUT  OF ORDER", "AND NEEDS SERVICE: PLEASE INSTALL THE",
      "NEW BALL BEARINGS A:S:A:P:", ""},
     build_towercrane,
     goal_towercrane,
     1,
     &geom_towercrane_edge},
    {15,
     "dump",
     {"YOU WILL GO TO THE QUARRY WHERE THERE", "IS SOME GRANITE  WAITING TO BE LOADED",
      "AND BROUGHT TO THE TOP:", ""},
     build_dump,
     goal_dump,
     1,
     &geom_dump_edge},
    {16,
     "cleanup",
     {"YOU NEED TO DO SOME CLEAN UP WITH THE", "SKID LOADER: YOU NEED TO KNOW THAT IT",
      "USES DIFFERENTIAL STEERING  WHICH MAY", "BE NEW TO YOU:"},
     build_cleanup,
     goal_cleanup,
     1,
     &geom_cleanup_edge},
    {17,
     "chemistry",
     {"INCOMPETENCE CREATED A HAZARD  IN THE", "CHEMICAL STORAGE FACILITY:  REARRANGE",
      "WITH A FORK LIFT BY  SEPARATING ACIDS", "FROM THE BASES:"},
     build_chemistry,
     goal_chemistry,
     1,
     &geom_chemistry_edge},
    {18,
     "daredevil",
     {"HELP THE DAREDEVIL JUMP THE CANYON BY", "BUILDING THE RAMP: PARK YOUR TRUCK IN",
      "STORAGE AND ENJOY THE SPECTACLE:", ""},
     build_daredevil,
     goal_daredevil,
     1,
     &geom_daredevil_edge},
    {19,
     "hockeyriot",
     {"A LOCAL HOCKEY TEAM LOST  THE STANLEY", "CUP FINAL: THE RIOT AFTERWARDS LEFT A",
      "MESS: BRING BACK THE  VANDALIZED CARS", "TO THE POLICE STATION:"},
     build_hockeyriot,
     goal_hockeyriot,
     1,
     &geom_hockeyriot_edge},
    {20,
     "canal",
     {"TIME TO GET YOUR FEET WET:  WHILE THE", "CANAL IS AT LOW TIDE  FINISH BUILDING",
      "THE RAILROAD BRIDGE: BE WARY OF SLANT", "ON THE PILLARS:"},
     build_canal,
     goal_canal,
     4,
     &geom_canal_edge},
    {21,
     "egghunt",
     {"PUT ALL YOUR EGGS INTO ONE BASKET:", "", "", ""},
     build_egghunt,
     goal_egghunt,
     1,
     &geom_egghunt_edge},
    {22,
     "superpac",
     {"SOME SUPER PAC MONEY CAME OUR WAY: IT", "MEANS WE NEED TO  HANG UP ADVERTISING",
      "ON THE VIADUCT:", ""},
     build_superpac,
     goal_superpac,
     4,
     &geom_superpac_edge},
    {23,
     "powerlift",
     {"NOW YOU ARE PLAYING IN THE BIG LEAGUE", "AND ASSIGNED TO A SKYCRANE:  HAUL THE",
      "POWERMAST ACROSS THE RIVER AND RETURN", "TO BASE:"},
     build_powerlift,
     goal_powerlift,
     1,
     &geom_powerlift_edge},
    {24,
     "yukon",
     {"WE NEED  AT LEAST  30 TROY OUNCES  OF", "GOLD FROM OUR KLONDIKE CLAIM  JUST TO",
      "BREAK EVEN ON THE DIESEL COSTS:", ""},
     build_yukon,
     goal_yukon,
     5,
     &geom_yukon_edge},
};

// Every level is walled in; the sandbox's plane, which has no mesh, carries
// its wall the same way.
void addEdgeWall(int levelNr) {
    StaticWorldObj* ground = wld_terrain();
    if (!ground) ground = dynamic_cast<StaticWorldObj*>(wld_scenery());
    if (ground) attachEdgeWall(ground, levelEntry(levelNr)->edge, levelEdgeWall(levelNr));
}

int sandboxAttachment = 0;

}  // namespace

const LevelEntry* levelEntry(int levelNr) {
    return levelAvailable(levelNr) ? &LEVELS[levelNr - LEVEL_SANDBOX] : nullptr;
}

void levels_setSandboxAttachment(int attachment) { sandboxAttachment = attachment; }

DynamicWorldObj* levelTruck(const dReal pos[3], int grappleKind) {
    return truck_create(pos, grappleKind);
}

void levelHitch() { trailer_hitch(); }

bool levelAvailable(int levelNr) { return levelNr >= LEVEL_SANDBOX && levelNr < LEVEL_COUNT; }

void buildLevel(int levelNr, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    const LevelEntry* level = levelEntry(levelNr);
    if (!level) return;
    LevelOut out = {{0, 0, 0}, *orbit, *elevation, *distance, sandboxAttachment};
    level->build(out);
    addEdgeWall(levelNr);
    for (int i = 0; i < 3; i++) truckPos[i] = out.truckPos[i];
    *orbit = out.orbit;
    *elevation = out.elevation;
    *distance = out.distance;
}

void levelGoals(int levelNr, bool* won, bool* lost) {
    const LevelEntry* level = levelEntry(levelNr);
    if (level) level->goal(won, lost);
}
