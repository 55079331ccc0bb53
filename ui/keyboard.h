#pragma once

class QApplication;

// A push button outside a dialog ignores Enter; an operator who tabs or is moved onto a button
// expects Enter to press it, as Space does. Installs that rule for every window of the program.
void installEnterPressesButtons(QApplication& app);
