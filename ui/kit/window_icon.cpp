// The program's icon on each of its windows.
#include "kit/window_icon.h"

#include <QIcon>
#include <QWidget>

namespace kelvane {

const QIcon& ProgramIcon()
{
    // Qt reads SVG only through a plug-in that Debian ships apart from the base library, so the
    // icon comes as pictures of the sizes a desktop asks for.
    static const QIcon icon = [] {
        QIcon pictures;
        for (const char* size : {"48", "256"})
            pictures.addFile(QStringLiteral(":/kelvane/icons/kelvane_%1.png").arg(QLatin1String(size)));
        return pictures;
    }();
    return icon;
}

void SetProgramIcon(QWidget& window)
{
    window.setWindowIcon(ProgramIcon());
}

} // namespace kelvane
