#pragma once

#include <string>

namespace varmio {

class WizardWindow;

// The heading the desktop window shows above the visible page ("PAGE_" + the page frame's name,
// in the current language); "" while no page is visible.
std::string pageHeading(const WizardWindow& w);
// The text key of that heading, "" while no page is visible.
std::string pageHeadingKey(const WizardWindow& w);

}  // namespace varmio
