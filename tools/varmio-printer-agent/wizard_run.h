#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <string>

namespace varmio {

// One driver-mode run of the wizard. The process is recorded (id and start time) in a file, so
// that an agent started after this one was killed still sees the run and waits for it.
class WizardRun : public QObject {
    Q_OBJECT
  public:
    // `command`: the wizard program and its leading arguments; "drv" is added.
    WizardRun(QStringList command, std::string recordFile, QObject* parent = nullptr);

    void start();
    bool running() const { return process_.state() != QProcess::NotRunning; }
    // Whether a recorded run, of this agent or of an earlier one, is still open.
    bool recordedRunOpen() const;

  signals:
    void started();
    void failedToStart(const QString& reason);
    void finished();

  private:
    void record();
    void clearRecord();

    QStringList command_;
    std::string recordFile_;
    QProcess process_;
};

}  // namespace varmio
