#pragma once

#include <string>

namespace varmio {

class WizardWindow;

// Writes "index.html" in the folder of the node at `Index` (1 is the root): its projects, then
// its documents, in the colours of the CONFIG settings.
void GeneratePrjIndex(WizardWindow& w, int Index);
// Writes the page of every folder node of the tree.
void GenerateMainIndex(WizardWindow& w);
// The tree path of a node: the texts from the root down, joined by "\".
std::string treePath(const WizardWindow& w, int Index);

// The intranet page's button that writes every index page anew.
void cmd_index_Click(WizardWindow& w);

}  // namespace varmio
