#include "app/ProgramArguments.h"

namespace vellicor {

ProgramArguments parseProgramArguments(const QStringList& arguments)
{
    ProgramArguments parsed;
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1String("--")))
            parsed.commandLine.append(argument);
        else if (argument == QLatin1String("--practice"))
            parsed.practice = true;
        else if (argument == QLatin1String("--help"))
            parsed.help = true;
        else if (argument == QLatin1String("--version"))
            parsed.version = true;
        else if (parsed.unknown.isEmpty())
            parsed.unknown = argument;
    }
    return parsed;
}

} // namespace vellicor
