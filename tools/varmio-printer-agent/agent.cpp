#include "agent.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <fstream>
#include <iterator>

#include "printer/spool.h"

namespace varmio {

namespace {

constexpr int kRetryMilliseconds = 2000;
constexpr std::streamsize kMaxTitleBytes = 4096;

}  // namespace

Agent::Agent(Settings& settings, AgentFolders folders, std::string spoolBase, Options options,
             QObject* parent)
    : QObject(parent),
      settings_(settings),
      folders_(std::move(folders)),
      spoolBase_(std::move(spoolBase)),
      options_(std::move(options)),
      wizard_(options_.wizard, folders_.print + "/.wizard-run") {
    retry_.setInterval(kRetryMilliseconds);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] {
        watch();
        pump();
    });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        watch();
        pump();
    });
    connect(&preparing_, &QFutureWatcher<Preparation>::finished, this, &Agent::prepared);
    connect(&wizard_, &WizardRun::started, this, &Agent::wizardStarted);
    connect(&wizard_, &WizardRun::failedToStart, this, [this](const QString& reason) {
        keepForLater(
            QString::fromStdString(fillIn(texts_.wizardNotStarted, {reason.toStdString()})));
    });
    connect(&wizard_, &WizardRun::finished, this, &Agent::pump);
}

void Agent::start() {
    spool::removeLeftovers(folders_.spool);
    watch();
    pump();
}

// The user's folder appears with the first job; until then its parent is watched, and where
// that cannot be read either, the timer looks again.
void Agent::watch() {
    if (options_.once) return;
    const QString folder = QString::fromStdString(folders_.spool);
    if (watcher_.directories().contains(folder)) return;
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    if (watcher_.addPath(folder)) return;
    if (!watcher_.addPath(QString::fromStdString(spoolBase_))) retry_.start();
}

void Agent::pump() {
    if (!job_.empty() || wizard_.running()) return;
    if (wizard_.recordedRunOpen()) {
        retry_.start();  // a run of an agent before us is still open
        return;
    }
    for (const std::string& job : spool::listJobs(folders_.spool)) {
        if (skipped_.count(job)) continue;
        job_ = job;
        const OutputChoice choice = readOutputChoice(settings_);
        texts_ = loadAgentTexts(settings_);  // the language may have changed since the last job
        preparing_.setFuture(QtConcurrent::run(prepareJob, folders_, job_, choice, texts_));
        return;
    }
    if (options_.once) QCoreApplication::quit();
}

void Agent::prepared() {
    prepared_ = preparing_.result();
    const QString message = QString::fromStdString(prepared_.message);
    switch (prepared_.outcome) {
        case Preparation::Outcome::Discard:
            notifier_.notify(jobTitle(), message);
            spool::removeJob(folders_.spool, job_);
            finishJob();
            break;
        case Preparation::Outcome::Keep:
            keepForLater(QString::fromStdString(fillIn(texts_.notPrepared, {prepared_.message})));
            break;
        case Preparation::Outcome::Ready:
            if (!message.isEmpty()) notifier_.notify(jobTitle(), message);
            wizard_.start();
            break;
    }
}

void Agent::wizardStarted() {
    const int pages = prepared_.pages;
    const bool images = prepared_.kind == hand_over::Kind::PageImages;
    const std::string& text = pages == 1 ? (images ? texts_.openedImage : texts_.openedPdfPage)
                                         : (images ? texts_.openedImages : texts_.openedPdf);
    notifier_.notify(jobTitle(), QString::fromStdString(fillIn(text, {std::to_string(pages)})));
    spool::removeJob(folders_.spool, job_);
    job_.clear();  // the next job waits for the run's end, not for this job
}

void Agent::keepForLater(const QString& text) {
    notifier_.notify(jobTitle(), text + " " + QString::fromStdString(texts_.staysQueued));
    skipped_.insert(job_);
    finishJob();
}

void Agent::finishJob() {
    job_.clear();
    pump();
}

QString Agent::jobTitle() const {
    std::ifstream file(folders_.spool + "/" + job_ + "/" + std::string(spool::kTitleFile));
    std::string title(kMaxTitleBytes, '\0');
    file.read(title.data(), kMaxTitleBytes);
    title.resize(static_cast<size_t>(file.gcount()));
    return QString::fromStdString(title);
}

}  // namespace varmio
