#include "tools/sim/player.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "bus/bus.h"
#include "ui/input.h"

namespace {

const int LEVERS = 5;

enum ValueKind { SETTING, LEVER, DELTA, SCALE };

struct Argument {
    const char* key;
    ValueKind kind;
};

// One accepted shape of a message: its name and every argument it carries.
struct Shape {
    const char* name;
    Argument args[2];
    int count;
};

const Shape SHAPES[] = {
    {"steer", {{"setting", SETTING}}, 1},
    {"accelcontrol", {{"setting", SETTING}}, 1},
    {"cycliccontrol", {{"x", SETTING}, {"y", SETTING}}, 2},
    {"leverSet", {{"leverNr", LEVER}, {"setting", SETTING}}, 2},
    {"leverMoved", {{"leverNr", LEVER}, {"delta", DELTA}}, 2},
    {"leverUp", {{"leverNr", LEVER}}, 1},
    {"cameraControl", {{"distScale", SCALE}}, 1},
    {"cameraControl", {{"elevationDelta", DELTA}, {"orbitDelta", DELTA}}, 2},
};

struct KeyName {
    const char* name;
    int key;
};

const KeyName KEYS[] = {
    {"Q", KEY_Q},         {"A", KEY_A},         {"W", KEY_W},           {"S", KEY_S},
    {"E", KEY_E},         {"D", KEY_D},         {"R", KEY_R},           {"F", KEY_F},
    {"T", KEY_T},         {"G", KEY_G},         {"up", KEY_UP},         {"dn", KEY_DOWN},
    {"le", KEY_LEFT},     {"ri", KEY_RIGHT},    {"+", KEY_KP_ADD},      {"-", KEY_KP_SUBTRACT},
    {"space", KEY_SPACE}, {"enter", KEY_ENTER}, {"escape", KEY_ESCAPE},
};

// Where the script's hand holds the wheel and the pedal; a steering or
// pedal key takes over from it.
struct Hand {
    bool steerHeld, accelHeld;
    float steer, accel;
};
Hand hand;

void onVehicleSwitch(const char*) {
    if (hand.steerHeld) input_holdSteer(hand.steer);
    if (hand.accelHeld) input_holdAccel(hand.accel);
}

void releaseHandFor(const std::string& key) {
    if (key == "le" || key == "ri") hand.steerHeld = false;
    if (key == "up" || key == "dn") hand.accelHeld = false;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

bool parseNumber(const std::string& text, double* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    *out = strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(*out);
}

// Empty when value suits the kind, else why not.
std::string checkValue(const Argument& a, const std::string& value) {
    double v = 0.0;
    if (a.kind == LEVER) {
        if (value.size() != 1 || value[0] < '0' || value[0] >= '0' + LEVERS)
            return std::string(a.key) + " must be a lever number 0..4";
        return "";
    }
    if (!parseNumber(value, &v)) return std::string(a.key) + " must be a finite number";
    if (a.kind == SETTING && (v < -1.0 || v > 1.0))
        return std::string(a.key) + " must lie in -1..1, the travel of the control";
    if (a.kind == SCALE && v <= 0.0) return std::string(a.key) + " must be above 0";
    return "";
}

// Empty when the arguments are exactly those of the shape, else why not.
std::string matchShape(const Shape& s, const std::vector<std::string>& w) {
    if ((int)w.size() - 1 != s.count) return "expected " + std::to_string(s.count) + " argument(s)";
    for (int i = 0; i < s.count; i++) {
        const std::string& arg = w[i + 1];
        std::string prefix = std::string(s.args[i].key) + "=";
        if (arg.compare(0, prefix.size(), prefix) != 0)
            return "argument " + std::to_string(i + 1) + " must be " + prefix + "VALUE";
        std::string why = checkValue(s.args[i], arg.substr(prefix.size()));
        if (!why.empty()) return why;
    }
    return "";
}

const KeyName* findKey(const std::string& name) {
    for (const KeyName& k : KEYS)
        if (name == k.name) return &k;
    return nullptr;
}

std::string checkKey(const std::vector<std::string>& w) {
    if (w.size() != 3) return "a key line is 'key NAME down|up'";
    if (!findKey(w[1]))
        return "no key '" + w[1] +
               "' (keys: Q A W S E D R F T G up dn le ri + - space enter escape)";
    if (w[2] != "down" && w[2] != "up") return "a key is 'down' or 'up'";
    return "";
}

}  // namespace

void player_init() {
    hand = Hand{};
    addListener("vehicleSwitch", onVehicleSwitch);
}

bool player_allowed(const std::string& text, std::string* why) {
    if (text.find('\t') != std::string::npos) {
        *why = "a tab inside a message";
        return false;
    }
    std::vector<std::string> w = words(text);
    if (w.empty()) {
        *why = "empty message";
        return false;
    }
    if (w[0] == "key") {
        *why = checkKey(w);
        return why->empty();
    }
    why->clear();
    for (const Shape& s : SHAPES) {
        if (w[0] != s.name) continue;
        std::string problem = matchShape(s, w);
        if (problem.empty()) return true;
        // Of two shapes of one name, the one with as many arguments explains best.
        if (why->empty() || s.count == (int)w.size() - 1) *why = problem;
    }
    if (why->empty()) *why = "'" + w[0] + "' is not something a player's input posts";
    return false;
}

void player_post(const char* text) {
    std::vector<std::string> w = words(text);
    if (w.size() == 3 && w[0] == "key") {
        const KeyName* k = findKey(w[1]);
        releaseHandFor(w[1]);
        if (k) keyEvent(k->key, w[2] == "down" ? ACTION_PRESS : ACTION_RELEASE);
        return;
    }
    // The input mapping re-posts the wheel and pedal every tick, as in the
    // game; a scripted "steer" or "accelcontrol" is a hand holding them there.
    float value = argFloat(text, "setting");
    bool hasValue = value != -FLT_MAX;
    if (hasValue && strncmp(text, "steer ", 6) == 0) {
        hand.steerHeld = true;
        hand.steer = value;
        input_holdSteer(value);
    } else if (hasValue && strncmp(text, "accelcontrol ", 13) == 0) {
        hand.accelHeld = true;
        hand.accel = value;
        input_holdAccel(value);
    } else {
        postMessage(text);
    }
}
