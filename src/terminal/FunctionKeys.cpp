#include "terminal/FunctionKeys.h"

#include <Qt>

namespace vellicor {

std::optional<FunctionKeyTarget> functionKeyTarget(int qtKey)
{
    if (qtKey == Qt::Key_F3)
        return FunctionKeyTarget{FunctionKeyTarget::Kind::Command, -1};
    if (qtKey == Qt::Key_F4)
        return FunctionKeyTarget{FunctionKeyTarget::Kind::Converse, -1};
    if (qtKey >= Qt::Key_F5 && qtKey <= Qt::Key_F12)
        return FunctionKeyTarget{FunctionKeyTarget::Kind::FunctionButton, qtKey - Qt::Key_F5};
    return std::nullopt;
}

} // namespace vellicor
