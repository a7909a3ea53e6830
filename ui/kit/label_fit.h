// Sizing text labels to their text, with one measurement for every label of the same text and look.
#pragma once

class QLabel;

namespace kelvane {

// Resizes the label to its text exactly as QWidget::adjustSize() does. Laying out a text is the costly
// part of that, and the main window holds many labels of the same few texts ("mm", "---" …), so the
// size is measured once for each text, font, screen resolution and label setting and then reused.
void FitLabelToText(QLabel& label);

} // namespace kelvane
