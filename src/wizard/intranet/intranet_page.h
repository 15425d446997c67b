#pragma once

namespace varmio {

class WizardWindow;

// Fills the intranet choice and builds the tree: shared by the intranet-manager start, the
// straight-to-intranet driver start and the intranet delivery button.
void prepareIntranetChoice(WizardWindow& w);

}  // namespace varmio
