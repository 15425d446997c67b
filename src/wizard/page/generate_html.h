#pragma once

namespace varmio {

class WizardWindow;

// Writes the page file around the listed files, as the page options say. Preview mode
// (final = false) links every file by its local path; final mode links travelling files by name
// and lists the page file itself.
void GenerateHTML(WizardWindow& w, bool final);

// The two presentation options exclude each other: ticking one clears the other.
void opt_index_Click(WizardWindow& w, int index);

}  // namespace varmio
