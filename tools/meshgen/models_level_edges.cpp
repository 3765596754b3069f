// The wall round every level's map, one record per level, drawn by the
// level's ground; the construction collides the same rectangle with boxes.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level_edge.h"

using namespace kit;

QUORVEL_MODEL(sandbox_edge) { edgeWall(model.mesh, levelEdgeWall(-1), CONCRETE); }
QUORVEL_MODEL(parkinglot_edge) { edgeWall(model.mesh, levelEdgeWall(0), CONCRETE); }
QUORVEL_MODEL(court_edge) { edgeWall(model.mesh, levelEdgeWall(1), CONCRETE); }
QUORVEL_MODEL(lockdown_edge) { edgeWall(model.mesh, levelEdgeWall(2), CONCRETE); }
QUORVEL_MODEL(seesaw_edge) { edgeWall(model.mesh, levelEdgeWall(3), CONCRETE); }
QUORVEL_MODEL(trainlot_edge) { edgeWall(model.mesh, levelEdgeWall(4), ROCK); }
QUORVEL_MODEL(bridge_edge) { edgeWall(model.mesh, levelEdgeWall(5), ROCK); }
QUORVEL_MODEL(stackem_edge) { edgeWall(model.mesh, levelEdgeWall(6), CONCRETE); }
QUORVEL_MODEL(temple_edge) { edgeWall(model.mesh, levelEdgeWall(7), ROCK); }
QUORVEL_MODEL(hazard_edge) { edgeWall(model.mesh, levelEdgeWall(8), CONCRETE); }
QUORVEL_MODEL(luxor_edge) { edgeWall(model.mesh, levelEdgeWall(9), ROCK); }
QUORVEL_MODEL(babel_edge) { edgeWall(model.mesh, levelEdgeWall(10), CONCRETE); }
QUORVEL_MODEL(factory_edge) { edgeWall(model.mesh, levelEdgeWall(11), CONCRETE); }
QUORVEL_MODEL(ufo_edge) { edgeWall(model.mesh, levelEdgeWall(12), CONCRETE); }
QUORVEL_MODEL(hearth_edge) { edgeWall(model.mesh, levelEdgeWall(13), ROCK); }
QUORVEL_MODEL(towercrane_edge) { edgeWall(model.mesh, levelEdgeWall(14), CONCRETE); }
QUORVEL_MODEL(dump_edge) { edgeWall(model.mesh, levelEdgeWall(15), ROCK); }
QUORVEL_MODEL(cleanup_edge) { edgeWall(model.mesh, levelEdgeWall(16), CONCRETE); }
QUORVEL_MODEL(chemistry_edge) { edgeWall(model.mesh, levelEdgeWall(17), CONCRETE); }
QUORVEL_MODEL(daredevil_edge) { edgeWall(model.mesh, levelEdgeWall(18), ROCK); }
QUORVEL_MODEL(hockeyriot_edge) { edgeWall(model.mesh, levelEdgeWall(19), CONCRETE); }
QUORVEL_MODEL(canal_edge) { edgeWall(model.mesh, levelEdgeWall(20), ROCK); }
QUORVEL_MODEL(egghunt_edge) { edgeWall(model.mesh, levelEdgeWall(21), CONCRETE); }
QUORVEL_MODEL(superpac_edge) { edgeWall(model.mesh, levelEdgeWall(22), CONCRETE); }
QUORVEL_MODEL(powerlift_edge) { edgeWall(model.mesh, levelEdgeWall(23), ROCK); }
QUORVEL_MODEL(yukon_edge) { edgeWall(model.mesh, levelEdgeWall(24), ROCK); }
