#include "program/CommandTable.h"

#include "commands/BundleCommand.h"
#include "commands/DevicesCommand.h"
#include "commands/DoctorCommand.h"
#include "commands/FlashCommand.h"
#include "commands/LintCommand.h"
#include "commands/ListCommand.h"
#include "commands/NotesCommand.h"
#include "commands/RecordCommand.h"
#include "commands/SignCommand.h"

QList<CommandDeclaration> commandTable()
{
    return {
        listCommand(), notesCommand(),  devicesCommand(), flashCommand(),  lintCommand(),
        signCommand(), bundleCommand(), doctorCommand(),  recordCommand(),
    };
}

std::optional<CommandDeclaration> findCommand(const QString &name)
{
    for (const CommandDeclaration &command : commandTable()) {
        if (name == QLatin1String(command.name)) {
            return command;
        }
    }
    return std::nullopt;
}
