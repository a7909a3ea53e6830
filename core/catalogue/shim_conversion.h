// Conversion between a shim's thickness and its shim number.
#pragma once

#include "catalogue/shim_catalogue.h"

namespace kelvane {

// Rounds a thickness to the nearest mark of the catalogue's grid. `installed` is true for a shim
// already in the engine (typed by the user), false for a computed required thickness; only Yamaha
// rounds the two differently. Thicknesses outside the catalogue's range are converted all the same.
ShimNumber ThicknessToShimNumber(CatalogueKey key, Millimetres thickness, bool installed);

// The thickness a shim number stands for (122 -> 1.225 mm; Suzuki reads every number as hundredths).
Millimetres ShimNumberToThickness(Brand brand, ShimNumber number);

} // namespace kelvane
