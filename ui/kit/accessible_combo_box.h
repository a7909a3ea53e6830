// Combo boxes that a screen reader announces by their accessible name on every platform.
#pragma once

namespace kelvane {

// Makes every QComboBox created afterwards report its accessible name as its name, and its shown entry
// as its value. Qt on Linux and macOS reports the shown entry as the name and leaves the name to label
// relations, so a shim-number box would be read as just "120", with nothing to say which valve it
// belongs to. A box without an accessible name is still read by its shown entry. Call it before the
// first combo box is created; calling it again does nothing.
void InstallComboBoxAccessibility();

} // namespace kelvane
