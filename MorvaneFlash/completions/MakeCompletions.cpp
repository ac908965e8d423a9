#include "program/ShellCompletion.h"

#include <QFile>
#include <QString>
#include <cstdio>

// Writes morvane-flash's completion for bash, zsh and fish into the folder named, from the
// command table: run at build time, so that an option is declared in one place only.
int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: morvane-flash-completions DIR\n", stderr);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const struct
    {
        const char *name;
        QString text;
    } files[] = {
        {"morvane-flash.bash", bashCompletion()},
        {"_morvane-flash", zshCompletion()},
        {"morvane-flash.fish", fishCompletion()},
    };
    for (const auto &file : files) {
        QFile out(folder + QLatin1Char('/') + QLatin1String(file.name));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(file.text.toUtf8()) < 0) {
            std::fprintf(stderr, "morvane-flash-completions: cannot write %s\n", file.name);
            return 1;
        }
    }
    return 0;
}
