#include "job_preparer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "file_write.h"
#include "page_renderer.h"
#include "printer/hand_over.h"
#include "printer/spool.h"

namespace varmio {

namespace fs = std::filesystem;

namespace {

// A failure of the file system: the job stays queued for a later try.
struct KeepJob {
    std::string message;
};

[[noreturn]] void keep(const std::string& what, int error) {
    throw KeepJob{what + ": " + std::strerror(error)};
}

void check(const std::error_code& error, const std::string& what) {
    if (error) throw KeepJob{what + ": " + error.message()};
}

// Earlier jobs' folders, and what a killed agent left half made.
void clearPrintFolder(const std::string& print) {
    std::error_code error;
    fs::create_directories(print, error);
    check(error, "cannot make " + print);
    for (const fs::directory_entry& entry : fs::directory_iterator(print, error)) {
        const std::string name = entry.path().filename().string();
        if (spool::isJobName(name) || name.starts_with(spool::kIncomingPrefix)) {
            fs::remove_all(entry.path(), error);
            check(error, "cannot remove " + entry.path().string());
        }
    }
    check(error, "cannot read " + print);
}

// Replaced in one rename, so the wizard never reads half a file.
void writeConverterSettings(const std::string& windows, const std::string& text) {
    std::error_code error;
    fs::create_directories(windows, error);
    check(error, "cannot make " + windows);
    const std::string file = windows + "/" + std::string(hand_over::kSettingsFile);
    const std::string part = file + ".part";
    if (const int failure = writeWholeFile(part, text)) keep("cannot write " + part, failure);
    if (::rename(part.c_str(), file.c_str()) != 0) keep("cannot replace " + file, errno);
}

bool fitForSettingsLine(const std::string& path) {
    for (char c : path)
        if (c == '\r' || c == '\n') return false;
    return !path.empty() && path.front() != ' ' && path.back() != ' ';
}

}  // namespace

Preparation prepareJob(const AgentFolders& folders, const std::string& job, OutputChoice choice,
                       const AgentTexts& texts) {
    using Outcome = Preparation::Outcome;
    const std::string document =
        folders.spool + "/" + job + "/" + std::string(spool::kDocumentFile);
    std::error_code error;
    const auto size = fs::file_size(document, error);
    if (error) return {Outcome::Keep, "cannot read the job: " + error.message(), ""};
    if (size == 0) return {Outcome::Discard, texts.jobEmpty, ""};
    const int pages = pdfPageCount(document);
    if (pages == 0) return {Outcome::Discard, texts.notPdf, ""};

    Preparation ready{Outcome::Ready, "", folders.print + "/" + job, choice.kind, pages};
    if (!fitForSettingsLine(ready.folder))
        return {Outcome::Keep, "the folder " + folders.print + " cannot be named to the wizard",
                ""};
    if (choice.kind == hand_over::Kind::PageImages && pages > hand_over::kMaxPageImages) {
        choice.kind = ready.kind = hand_over::Kind::Pdf;
        ready.message = fillIn(texts.tooManyPages,
                               {std::to_string(pages), std::to_string(hand_over::kMaxPageImages)});
    }
    const std::string staging = folders.print + "/" + std::string(spool::kIncomingPrefix) + job;
    try {
        clearPrintFolder(folders.print);
        fs::create_directory(staging, error);
        check(error, "cannot make " + staging);
        fs::permissions(staging, fs::perms::owner_all, error);  // the job is the user's alone
        if (choice.kind == hand_over::Kind::Pdf) {
            fs::copy_file(document, staging + "/" + std::string(hand_over::kPdfName), error);
            check(error, "cannot copy the document");
        } else {
            const RenderResult rendered = renderPageImages(document, pages, choice.dpi, staging);
            if (rendered.documentFault) {
                fs::remove_all(staging, error);
                return {Outcome::Discard, fillIn(texts.cannotDraw, {rendered.error}), ""};
            }
            if (!rendered.error.empty())
                throw KeepJob{"cannot write the page images: " + rendered.error};
        }
        fs::rename(staging, ready.folder, error);
        check(error, "cannot move the produced files into place");
        writeConverterSettings(folders.windows,
                               hand_over::converterSettingsText(choice.kind, pages, ready.folder));
    } catch (const KeepJob& failure) {
        fs::remove_all(staging, error);
        fs::remove_all(ready.folder, error);
        return {Outcome::Keep, failure.message, ""};
    }
    return ready;
}

}  // namespace varmio
