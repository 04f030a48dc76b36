#pragma once

class OracleWindow;

// The oracle table of the launcher, keyed by button index 0..8.
struct OracleEntry {
    const char *caption;      // button and caption label
    bool shown;               // hidden entries are never shown in this edition
    const char *iconPicture;  // launcher icon
    const char *iconName;     // Picture2..Picture11, without Picture6
    int buttonLeftTwips;
    int buttonTopTwips;
    OracleWindow *(*mainWindow)(); // loads the oracle's Main window; nullptr while it is not built
};

inline constexpr int OracleCount = 9;
extern const OracleEntry OracleTable[OracleCount];

// Unloads every oracle window in the fixed order; unloading one that is not
// loaded does nothing.
void CloseAllOracleWindows();
