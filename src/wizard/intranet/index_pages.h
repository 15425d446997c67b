#pragma once

#include <string>

namespace varmio {

class IntranetReader;
class WizardWindow;

// Writes "index.html" in the folder of the node at `Index` (1 is the root): its projects, then
// its documents, in the colours of the CONFIG settings.
void GeneratePrjIndex(WizardWindow& w, int Index);
void GeneratePrjIndex(WizardWindow& w, int Index, IntranetReader& reader);
// Writes the page of every folder node of the tree.
void GenerateMainIndex(WizardWindow& w);
// The same reading folders and records through `reader`, which work right after it can share.
void GenerateMainIndex(WizardWindow& w, IntranetReader& reader);
// The tree path of a node: the texts from the root down, joined by "\".
std::string treePath(const WizardWindow& w, int Index);

// The intranet page's button that writes every index page anew.
void cmd_index_Click(WizardWindow& w);

}  // namespace varmio
