#pragma once

#include <QProcessEnvironment>
#include <QTemporaryDir>

// A demo program's environment with `home` for its data and its simulated devices' nodes,
// apart from those of any other test's demo programs, and with no system bus: the machine's
// login manager and battery have no say in a test's transfers. In the C locale, so that it
// says the source texts whatever the language of the machine that runs the test.
inline QProcessEnvironment demoEnvironment(const QTemporaryDir &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        environment.insert(name, home.path());
    }
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + home.path() + "/no-bus");
    environment.remove("LANGUAGE");
    environment.insert("LC_ALL", "C.UTF-8");
    return environment;
}
