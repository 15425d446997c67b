#pragma once

namespace varmio {

class WizardWindow;

// Start-up: everything the window does while it loads. May end the program (ProgramEnd).
void Form_Load(WizardWindow& w);

}  // namespace varmio
