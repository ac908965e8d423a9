#include "frame/CommandDeclaration.h"

#include <algorithm>

bool CommandDeclaration::takes(const QString &option) const
{
    return std::any_of(options.begin(), options.end(),
                       [&](const OptionDeclaration &declared) { return declared.name == option; });
}
