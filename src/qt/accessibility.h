#pragma once

#include <QString>

class QWidget;

namespace varmio {

// Pairs each label with the control it names (the control beside it in its grid row, else the
// one below it or next in its column): the label's access key then moves the focus there, and
// screen readers read the label as the control's name.
void pairLabels(QWidget& root);

// Gives every input control a name for screen readers: the text of its label, else the text
// before it (the check box that switches it on), else the title of its group, else `fallback`
// (the page's heading). Buttons, check boxes and labels are named by their own texts. Run again
// when the texts change.
void nameInputs(QWidget& root, const QString& fallback);

}  // namespace varmio
