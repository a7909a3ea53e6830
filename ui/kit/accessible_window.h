// The program's windows, announced to a screen reader as windows.
#pragma once

namespace kelvane {

// Makes every plain top-level window (a QWidget of the Qt::Window type, neither dialog nor main window)
// report the role of a window. Qt reports such a widget as a generic client area, so a screen reader
// would not say that a window has opened. Calling it again does nothing.
void InstallWindowAccessibility();

} // namespace kelvane
