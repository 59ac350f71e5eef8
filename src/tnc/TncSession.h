#pragma once

#include "tnc/TncGlobals.h"
#include "platform/api/Platform.h"
#include "terminal/ProgramFolder.h"
#include "terminal/TncWriter.h"
#include "tnc/ScriptHost.h"
#include "tnc/ScriptTables.h"

#include <QString>

#include <array>

namespace vellicor {

// What scripts set up and the rest of the TNC control reads, for the life of
// the main window. Counts are 16-bit like the rest of the program's counts.
struct TncState {
    static constexpr int kChannels = 20;
    // Included runs that may be active at once, one inside the other.
    static constexpr int kMaxIncludeDepth = 11;
    // "$FILE" lines one operation (a script run, a mode choice, a button
    // press, with all they start) may meet. A file that includes itself
    // several times would otherwise branch to eleven levels without end; past
    // this many, the rest of the operation's lines are ignored.
    static constexpr int kMaxIncludeAttempts = 1000;

    // What one operation has spent of its includes. An operation started
    // while another waits in Pause gets a budget of its own.
    struct OperationBudget {
        int nesting = 0; // calls into the TNC control that make up the operation
        int includeAttempts = 0;
        bool includesExhausted = false;
        bool includeRefused = false; // an include was refused and beeped for
    };

    QString tncType;     // upper case; "AEA", "PK900" and "KAM" are told apart
    QString includeFile; // upper case, as "$FILE" named it
    QString customFile;  // the custom script last chosen

    int modeCount = 0;
    int modeFunctionCount = 0;
    int defaultMode = 0;
    int buttonCount = 0;
    int buttonFunctionCount = 0;
    int currentMode = 0;
    ScriptTables tables;

    std::array<QString, kChannels> channelIds;

    int activeIncludes = 0;
    OperationBudget operation;

    bool isAeaFamily() const { return tncType == u"AEA" || tncType == u"PK900"; }
    bool isKnownModel() const { return isAeaFamily() || tncType == u"KAM"; }
};

// The main window's parts the TNC control works with, and its state.
struct TncSession {
    TncGlobals& globals;
    ScriptHost& host;
    TncWriter& writer;
    Platform platform;
    ProgramFolder folder;
    TncState state;
};

// Adds one to a 16-bit count; false (count unchanged) when it would overflow.
inline bool incrementCount(int& count)
{
    if (count >= 32767)
        return false;
    ++count;
    return true;
}

} // namespace vellicor
