#include "wizard_run.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "file_write.h"

namespace varmio {

namespace {

// Field 22 of /proc/PID/stat: with the id it names one process, even after the id is reused.
std::string processStartTime(long long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const size_t end = text.rfind(')');  // the command name may hold blanks and parentheses
    if (end == std::string::npos) return "";
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    return field;
}

}  // namespace

WizardRun::WizardRun(QStringList command, std::string recordFile, QObject* parent)
    : QObject(parent), command_(std::move(command)), recordFile_(std::move(recordFile)) {
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.setInputChannelMode(QProcess::ForwardedInputChannel);
    connect(&process_, &QProcess::started, this, [this] {
        record();
        emit started();
    });
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) emit failedToStart(process_.errorString());
    });
    connect(&process_, &QProcess::finished, this, [this] {
        clearRecord();
        emit finished();
    });
}

void WizardRun::start() {
    QStringList arguments = command_.mid(1);
    arguments << QStringLiteral("drv");
    process_.start(command_.value(0), arguments);
}

bool WizardRun::recordedRunOpen() const {
    if (running()) return true;
    std::ifstream file(recordFile_);
    long long pid = 0;
    std::string startTime;
    if (!(file >> pid >> startTime) || pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 && processStartTime(pid) == startTime;
}

void WizardRun::record() {
    const long long pid = process_.processId();
    writeWholeFile(recordFile_, std::to_string(pid) + " " + processStartTime(pid) + "\n");
}

void WizardRun::clearRecord() {
    std::remove(recordFile_.c_str());
}

}  // namespace varmio
