#pragma once

#include "frame/CommandDeclaration.h"

#include <QString>

// doctor: checks what updating needs here, each with what to do about it.
struct DoctorOptions : CommonOptions
{
    bool json = false;
    // Where udev's rules folders are looked for; "/" but in tests.
    QString root = QStringLiteral("/");
};

CommandDeclaration doctorCommand();
int runDoctor(const DoctorOptions &options, Environment &environment, Console &console);
