// The 8-point faces the windows are drawn in, with stand-ins where a desktop lacks them.
#pragma once

#include <QFont>
#include <QStringList>

namespace kelvane {

// 8-point text in the named face. Where that face is missing (any desktop but Windows), Liberation Sans
// stands in, having about the same widths, so texts sized for the named face are not clipped; DejaVu
// Sans comes last.
QFont WindowFont(const char* family, bool bold);

// Makes later WindowFont calls choose their faces as on a desktop that has only `families`; an empty
// list goes back to this desktop's faces. Fonts made before keep theirs. For laying a window out in the
// faces that another desktop would give it.
void AssumeInstalledFamilies(const QStringList& families);

} // namespace kelvane
