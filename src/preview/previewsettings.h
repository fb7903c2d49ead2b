#pragma once

namespace lumaro {

/// The live preview's stored state, section "preview" of the settings.
class PreviewSettings {
public:
    /// "shown": whether the panel was open when the program last ran.
    static bool readShown();
    static void writeShown(bool on);
};

} // namespace lumaro
