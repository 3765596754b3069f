// Reading the world for closed-loop drivers: where an object is and how it
// moves, what a machine's joints read, and the list of every object.
#pragma once

#include <string>
#include <vector>

struct Pose {
    double pos[3];
    double axis[3][3];  // the body's own x, y and z axes in world coordinates
    double vel[3], angVel[3];
};

// The index-th object of that name (counting from 0) in probe_list's order,
// or with "grapple" the current crane's grapple hub, "carriage" the fork
// lift's carriage, "bucket" the skid loader's bucket and "beamA" to "beamC"
// the truck crane's sections; false when none.
bool probe_pose(const char* name, int index, Pose* out);
// One line: "pos X Y Z x .. y .. z .. vel .. avel ..".
std::string probe_poseText(const Pose& p);

// A named joint of the current machine of that name: an angle in radians or
// a position in metres (the sky crane's collective is its lever setting).
// "dumpsterN lid" reads the N-th dumpster's lid hinge (0 shut, opening up).
// False with why set when the machine or the joint is not there.
bool probe_joint(const std::string& machine, const std::string& joint, double* value,
                 std::string* why);
// The joints probe_joint knows, for messages and documentation.
const char* probe_jointNames();

// The name of what the current crane's grapple holds, "-" for nothing; false
// when the level has no crane with a grapple.
bool probe_grasped(std::string* name);

// "NAME INDEX X Y Z", one per object of the world's list in its order, each
// followed by the parts it carries outside the list: a dumpster's lid and
// the conveyor's boxes as they are fed.
std::vector<std::string> probe_list();

// A development aid, not a reading: puts the index-th loose body of that name
// (one with no joint to another) at a point, unturned and at rest. False with
// why set when there is none.
bool probe_placeAtRest(const char* name, int index, const double at[3], std::string* why);
