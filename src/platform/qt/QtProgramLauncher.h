#pragma once

#include "platform/api/ProgramLauncher.h"

namespace vellicor {

// Looks programs up on PATH and starts them detached.
class QtProgramLauncher : public ProgramLauncher {
public:
    QString find(const QString& program) const override;
    bool start(const QString& path) override;
};

} // namespace vellicor
