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

#include <algorithm>

const QList<CommandDeclaration> &commandTable()
{
    static const QList<CommandDeclaration> table = {
        listCommand(), notesCommand(),  devicesCommand(), flashCommand(),  lintCommand(),
        signCommand(), bundleCommand(), doctorCommand(),  recordCommand(),
    };
    return table;
}

const CommandDeclaration *findCommand(const QString &name)
{
    const auto found =
        std::find_if(commandTable().begin(), commandTable().end(),
                     [&](const CommandDeclaration &c) { return name == QLatin1String(c.name); });
    return found == commandTable().end() ? nullptr : &*found;
}
