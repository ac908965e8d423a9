#pragma once

#include <Qt>

// Item roles of the two catalogue lists beyond Qt::DisplayRole (the row's title).
namespace CatalogueRoles {
// The firmware row's second line: the version's attribution text.
inline constexpr int DetailRole = Qt::UserRole + 1;
// The model row's attached devices (an int): how many carry one of the model's ids, and how
// many of those this user may not open.
inline constexpr int AttachedCountRole = Qt::UserRole + 2;
inline constexpr int UnopenableCountRole = Qt::UserRole + 3;
} // namespace CatalogueRoles
