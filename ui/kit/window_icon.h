// The program's icon on each of its windows.
#pragma once

class QIcon;
class QWidget;

namespace kelvane {

// The program's icon, drawn from app/icons/kelvane.svg when the program is built.
const QIcon& ProgramIcon();

// Gives the window the program's icon, for its title bar and the task bar.
void SetProgramIcon(QWidget& window);

} // namespace kelvane
