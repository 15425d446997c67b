#pragma once

namespace varmio {

class WizardWindow;

// The close button: cleans up the run's files, saves the page choices and ends the program.
void cmd_close_Click(WizardWindow& w);

}  // namespace varmio
