#pragma once

#include <string>

namespace varmio {

class WizardWindow;

// The intranet button of the delivery page: opens the intranet page.
void cmd_intra_Click(WizardWindow& w);

// Publishes the page and the travelling files below the selected node (`IntraPath` is its tag).
void IntraCopy(WizardWindow& w, const std::string& IntraPath);

}  // namespace varmio
