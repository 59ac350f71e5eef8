#pragma once

#include <QString>

namespace vellicor {

// Finds and starts other programs.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // The full path of an installed program; empty when it is not installed.
    virtual QString find(const QString& program) const = 0;
    // Starts the program on its own, without waiting for it; false when it could not start.
    virtual bool start(const QString& path) = 0;
};

} // namespace vellicor
