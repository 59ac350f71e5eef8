#pragma once

#include <optional>

namespace vellicor {

// The function keys of the send box and the receive pane: F3 presses
// "Cmd: (F3)", F4 "Conv (F4)", F5 to F12 the function buttons 0 to 7.
struct FunctionKeyTarget {
    enum class Kind { Command, Converse, FunctionButton };
    Kind kind = Kind::Command;
    int button = -1; // 0 to 7 for a function button
};

// Takes a Qt::Key value; nothing for other keys.
std::optional<FunctionKeyTarget> functionKeyTarget(int qtKey);

} // namespace vellicor
