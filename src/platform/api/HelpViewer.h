#pragma once

#include <QString>

namespace vellicor {

// Shows the program's help at a topic or at its contents.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showContext(int contextId) = 0;
    virtual void showContents(const QString& command) = 0;
    virtual void close() = 0;
};

} // namespace vellicor
