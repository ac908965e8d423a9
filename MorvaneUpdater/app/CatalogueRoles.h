#pragma once

#include <Qt>

// Item roles of the two catalogue lists beyond Qt::DisplayRole (the row's title).
namespace CatalogueRoles {
// The firmware row's second line: the version's attribution text.
inline constexpr int DetailRole = Qt::UserRole + 1;
} // namespace CatalogueRoles
