#include "program/ProgramOptions.h"

#include "program/CommandTable.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <utility>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ProgramOptions)
};

// Where an option is first declared: its command's place in the table, and its own place there.
using Place = std::pair<qsizetype, qsizetype>;

struct Declared
{
    OptionDeclaration option;
    Place first;
    // The options declared before it by some command, which it follows.
    QStringList after;
};

QList<Declared> declaredOptions()
{
    QList<Declared> declared;
    const QList<CommandDeclaration> table = commandTable();
    for (qsizetype c = 0; c < table.size(); ++c) {
        const QList<OptionDeclaration> &options = table.at(c).options;
        for (qsizetype o = 0; o < options.size(); ++o) {
            auto known = std::find_if(declared.begin(), declared.end(), [&](const Declared &d) {
                return d.option.name == options.at(o).name;
            });
            if (known == declared.end()) {
                declared.append({options.at(o), {c, o}, {}});
                known = declared.end() - 1;
            }
            if (o > 0) {
                known->after.append(options.at(o - 1).name);
            }
        }
    }
    return declared;
}

} // namespace

QList<OptionDeclaration> globalOptions(const QUrl &listURL)
{
    return {
        {QStringLiteral("help"), Texts::tr("Shows this help.")},
        {QStringLiteral("version"),
         Texts::tr("Shows the version, the build's catalogue address and its keys.")},
        {QStringLiteral("catalogue"),
         Texts::tr("The list file's address instead of the build's (%1).").arg(listURL.toString()),
         QStringLiteral("URL")},
        {QStringLiteral("bundle"),
         Texts::tr("Reads the list, its signature, notes and images from this folder, made by "
                   "bundle create, and nothing from the network."),
         QStringLiteral("DIR"), Completion::folder},
    };
}

const QStringList &sourceOptionNames()
{
    static const QStringList names = {QStringLiteral("catalogue"), QStringLiteral("bundle")};
    return names;
}

QList<OptionDeclaration> commandOptions()
{
    // Each time, of the options whose predecessors in every command are listed, the one
    // declared first: each command's order holds, and an option shared by several comes where
    // its first command puts it.
    QList<Declared> pending = declaredOptions();
    QStringList listed;
    QList<OptionDeclaration> ordered;
    while (!pending.isEmpty()) {
        auto next = pending.end();
        for (auto d = pending.begin(); d != pending.end(); ++d) {
            const bool ready =
                std::all_of(d->after.begin(), d->after.end(),
                            [&](const QString &name) { return listed.contains(name); });
            if (ready && (next == pending.end() || d->first < next->first)) {
                next = d;
            }
        }
        // Commands that order two options both ways: the rest as first declared.
        if (next == pending.end()) {
            next = pending.begin();
        }
        listed.append(next->option.name);
        ordered.append(next->option);
        pending.erase(next);
    }
    return ordered;
}

QCommandLineOption parserOption(const OptionDeclaration &option)
{
    QStringList names = {option.name};
    // --help alone has a one-letter name too.
    if (option.name == QLatin1String("help")) {
        names.prepend(QStringLiteral("h"));
    }
    QCommandLineOption parsed(names, option.help, option.valueName);
    if (option.hidden) {
        parsed.setFlags(QCommandLineOption::HiddenFromHelp);
    }
    return parsed;
}
