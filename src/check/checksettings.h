#pragma once

#include "pagechecker.h"

namespace lumaro {

/// The page check's own settings, in the section "check" of the settings
/// store: which levels of report the results panel shows.
class CheckSettings {
public:
    static CheckLevels readLevels();
    static void writeLevels(const CheckLevels &levels);
};

} // namespace lumaro
