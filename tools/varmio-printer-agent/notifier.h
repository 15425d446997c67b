#pragma once

#include <QString>

namespace varmio {

// Tells the user what became of a print job: a desktop notification when a session bus with a
// notification service is there, and always one line on stderr (the session log, or the test's
// output).
class Notifier {
  public:
    // `title` is the job's title as printed: it is cleaned and escaped here.
    void notify(const QString& title, const QString& text);
};

}  // namespace varmio
