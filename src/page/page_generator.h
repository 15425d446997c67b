#pragma once

#include <string>
#include <string_view>

namespace varmio {

class WizardWindow;

// The maker's web site, linked from the credit line at the foot of every page.
inline constexpr std::string_view kMakerWebSite = "https://www.varmio.com";

// Writes the page file around the listed files. Preview mode (final = false) links every file
// by its local path; final mode links travelling files by name and lists the page file itself.
void GenerateHTML(WizardWindow& w, bool final);

// The two presentation options exclude each other: ticking one clears the other.
void opt_index_Click(WizardWindow& w, int index);

// Turns every "\" into "/".
std::string ConvertBackSlash(std::string_view URL_Addr);

}  // namespace varmio
