#pragma once

#include <QString>

class QWidget;

namespace varmio {

// The texts a window shows, one line per visible control: "NAME<TAB>TEXT", after a first line
// with the window title. The screenshot hook writes it in place of a picture for a ".txt" file,
// so that a test can check what an installed program shows without reading pixels.
QString shownTexts(const QWidget& window);

}  // namespace varmio
