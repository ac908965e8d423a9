#include "frame/CommandDeclaration.h"

#include <algorithm>

bool CommandDeclaration::takes(const QString &option) const
{
    return std::any_of(options.begin(), options.end(),
                       [&](const OptionDeclaration &declared) { return declared.name == option; });
}

bool CommandDeclaration::takesSourceOption(const QString &name) const
{
    if (name == QLatin1String("catalogue")) {
        return takesSource;
    }
    return name == QLatin1String("bundle") && takesSource && takesBundle;
}
