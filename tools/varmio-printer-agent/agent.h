#pragma once

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <set>
#include <string>

#include "job_preparer.h"
#include "notifier.h"
#include "wizard_run.h"

namespace varmio {

class Settings;

// Takes the user's print jobs to the wizard, one driver-mode run at a time, in arrival order.
// A job leaves the spool only once its wizard has started, so a killed agent loses nothing: the
// next one finds the job still queued.
class Agent : public QObject {
    Q_OBJECT
  public:
    struct Options {
        bool once = false;   // handle what is queued, then quit; no watching
        QStringList wizard;  // the wizard program and its leading arguments
    };

    Agent(Settings& settings, AgentFolders folders, std::string spoolBase, Options options,
          QObject* parent = nullptr);

    void start();

  private:
    void pump();
    void watch();
    void prepared();
    void wizardStarted();
    void keepForLater(const QString& text);
    void finishJob();
    QString jobTitle() const;

    Settings& settings_;
    AgentFolders folders_;
    std::string spoolBase_;
    Options options_;
    Notifier notifier_;
    WizardRun wizard_;
    QFileSystemWatcher watcher_;
    QTimer retry_;  // for a folder that cannot be watched yet and for an open earlier run
    QFutureWatcher<Preparation> preparing_;
    std::string job_;                // the job being prepared or opened; "" when idle
    Preparation prepared_;           // what was made of it
    AgentTexts texts_;               // the messages, in the language of the job at hand
    std::set<std::string> skipped_;  // kept jobs: tried again by the next agent
};

}  // namespace varmio
