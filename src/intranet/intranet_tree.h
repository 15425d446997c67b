#pragma once

#include <string>

namespace varmio {

class WizardWindow;

// Rebuilds the intranet tree from the records on disk.
void InitIntraTree(WizardWindow& w);

}  // namespace varmio
