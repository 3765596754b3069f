#include "ui/levelinfo.h"

namespace {

struct LevelInfo {
    const char* name;
    const char* briefing[BRIEFING_LINES];
};

// Index 0 is the sandbox, index n + 1 the job n. The font has no full stop,
// so ':' ends the sentences.
const LevelInfo LEVELS[] = {
    {"sandbox",
     {"RELEASE THAT INNER CHILD  WITHIN YOU", "AND GO PLAY IN THE SANDBOX: YOU EVEN",
      "GET TO CHOOSE YOUR TOY:", ""}},
    {"parkinglot",
     {"WE WILL START WITH THE BASICS:  SHOW", "US THAT YOU  CAN  PARALLEL  PARK THE",
      "TRUCK:", ""}},
    {"court",
     {"ASSUMING YOU CAN DRIVE LET US GO FOR", "CRANE CERTIFICATION: DEMONSTRATE THE",
      "APTITUDE AS A CRANE OPERATOR  ON THE", "BASKETBALL COURT:"}},
    {"lockdown",
     {"GET THE CRANE OUT OF THE HANGAR: THE", "FACILITIES HAVE BEEN LOCKED DOWN  SO",
      "YOU NEED TO FORCE OPEN THE GATE:", ""}},
    {"seesaw",
     {"IT IS YOUR TASK TO  LOAD THE TRAILER:", "TO MAKE IT UP TO THE LOADING PLATFORM",
      "YOU CAN USE THE WEIGHT TO HOLD DOWN A", "SEE SAW:"}},
    {"trainlot",
     {"WE NEED YOU TO LOAD A TRAIN: ONCE YOU", "HAVE LOADED IT PLEASE GENTLY PUSH THE",
      "TRAIN DOWN INTO THE TUNNEL:", ""}},
    {"bridge",
     {"I GOT A CONTRACT FOR EMERGENCY BRIDGE", "REPAIRS:  IT IS YOUR TASK TO  REPLACE",
      "THE MISSING SECTIONS: AFTERWARDS TEST", "THE BRIDGE BY CROSSING IT:"}},
    {"stackem",
     {"HOPEFULLY YOU CAN REVERSE A TRUCK AND", "TRAILER:  STACK ALL CONTAINERS IN THE",
      "CONTAINTMENT AREA:", ""}},
    {"temple",
     {"RECONSTRUCT THE ANCIENT TEMPLE: IT IS", "BEST NOT TO GRAPPLE  THE PEDIMENT BUT",
      "USE THE CRANE BOOM AS A JACK INSTEAD:", ""}},
    {"hazard",
     {"YOU NEED TO STORE THE HAZARDOUS WASTE", "BUT THE PROTESTERS SABOTAGED A BRIDGE",
      "WHICH NEEDS REPAIRING FIRST:", ""}},
    {"luxor",
     {"THIS IS A JOB IN EGYPT:  A QUEEN FROM", "LUXOR NEEDS REBURIAL  INTO THE FAMILY",
      "TOMB: OPEN IT UP AND REUNITE HER WITH", "HER PHARAO:"}},
    {"babel",
     {"STACK ALL THE CRATES TO FORM A SINGLE", "TOWER: YEAH IT SOUNDS EASY BUT EXPECT",
      "TO BE USING YOUR BRAIN TODAY:", ""}},
    {"factory",
     {"A FACTORY JOB IS UP NEXT: PLEASE SORT", "ALL GREEN PRODUCTS FROM  THE RED ONES",
      "AND STORE IN SEPARATE CONTAINERS:", ""}},
    {"ufo",
     {"A NONEXISTENT FACILITY  IN THE NEVADA", "DESERT IS GETTING  TOO MUCH ATTENTION",
      "AND NEEDS TO BE LOCKED DOWN: YOUR JOB", "IS TO INSTALL A CONCRETE WALL:"}},
    {"hearth",
     {"THE JOHNSON FAMILY WANTS A NICER VIEW", "WHICH MEANS MOVING THEIR HOUSE TO THE",
      "HILL TOP: 1 DECONSTRUCT:  2 TRANSPORT", "3 RECONSTRUCT:"}},
    {"towercrane",
     {"OUR  LARGEST CRANE  IS  OUT  OF ORDER", "AND NEEDS SERVICE: PLEASE INSTALL THE",
      "NEW BALL BEARINGS A:S:A:P:", ""}},
    {"dump",
     {"YOU WILL GO TO THE QUARRY WHERE THERE", "IS SOME GRANITE  WAITING TO BE LOADED",
      "AND BROUGHT TO THE TOP:", ""}},
    {"cleanup",
     {"YOU NEED TO DO SOME CLEAN UP WITH THE", "SKID LOADER: YOU NEED TO KNOW THAT IT",
      "USES DIFFERENTIAL STEERING  WHICH MAY", "BE NEW TO YOU:"}},
    {"chemistry",
     {"INCOMPETENCE CREATED A HAZARD  IN THE", "CHEMICAL STORAGE FACILITY:  REARRANGE",
      "WITH A FORK LIFT BY  SEPARATING ACIDS", "FROM THE BASES:"}},
    {"daredevil",
     {"HELP THE DAREDEVIL JUMP THE CANYON BY", "BUILDING THE RAMP: PARK YOUR TRUCK IN",
      "STORAGE AND ENJOY THE SPECTACLE:", ""}},
    {"hockeyriot",
     {"A LOCAL HOCKEY TEAM LOST  THE STANLEY", "CUP FINAL: THE RIOT AFTERWARDS LEFT A",
      "MESS: BRING BACK THE  VANDALIZED CARS", "TO THE POLICE STATION:"}},
    {"canal",
     {"TIME TO GET YOUR FEET WET:  WHILE THE", "CANAL IS AT LOW TIDE  FINISH BUILDING",
      "THE RAILROAD BRIDGE: BE WARY OF SLANT", "ON THE PILLARS:"}},
    {"egghunt", {"PUT ALL YOUR EGGS INTO ONE BASKET:", "", "", ""}},
    {"superpac",
     {"SOME SUPER PAC MONEY CAME OUR WAY: IT", "MEANS WE NEED TO  HANG UP ADVERTISING",
      "ON THE VIADUCT:", ""}},
    {"powerlift",
     {"NOW YOU ARE PLAYING IN THE BIG LEAGUE", "AND ASSIGNED TO A SKYCRANE:  HAUL THE",
      "POWERMAST ACROSS THE RIVER AND RETURN", "TO BASE:"}},
    {"yukon",
     {"WE NEED  AT LEAST  30 TROY OUNCES  OF", "GOLD FROM OUR KLONDIKE CLAIM  JUST TO",
      "BREAK EVEN ON THE DIESEL COSTS:", ""}},
};

const LevelInfo* find(int levelNr) {
    if (levelNr < FIRST_LEVEL || levelNr > LAST_LEVEL) return nullptr;
    return &LEVELS[levelNr - FIRST_LEVEL];
}

}  // namespace

const char* levelName(int levelNr) {
    const LevelInfo* info = find(levelNr);
    return info ? info->name : nullptr;
}

const char* levelBriefing(int levelNr, int line) {
    const LevelInfo* info = find(levelNr);
    if (!info || line < 0 || line >= BRIEFING_LINES) return "";
    return info->briefing[line];
}
