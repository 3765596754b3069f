// Records the bus messages that the HUD, menu, input and tutorial tests
// watch, in the order they were posted.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "bus/bus.h"

namespace uitest {

inline std::vector<std::string>& posted() {
    static std::vector<std::string> messages;
    return messages;
}

inline void record(const char* text) { posted().push_back(text); }

// Listens under each name; call after bus_reset.
inline void listen(std::initializer_list<const char*> names) {
    posted().clear();
    for (const char* name : names) addListener(name, record);
}

// Messages whose first word is name.
inline std::vector<std::string> postedAs(const std::string& name) {
    std::vector<std::string> out;
    for (const std::string& m : posted()) {
        if (m.compare(0, name.size(), name) == 0 &&
            (m.size() == name.size() || m[name.size()] == ' '))
            out.push_back(m);
    }
    return out;
}

}  // namespace uitest
