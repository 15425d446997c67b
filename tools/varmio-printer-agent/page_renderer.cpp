#include "page_renderer.h"

#include <poppler-qt6.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <numeric>
#include <vector>

#include "file_write.h"
#include "printer/hand_over.h"

namespace varmio {

namespace {

// Poppler reports every flaw of a damaged file on stderr; the caller reports the outcome once.
void quietPoppler() {
    static std::once_flag once;
    std::call_once(once, [] {
        Poppler::setDebugErrorFunction([](const QString&, const QVariant&) {}, QVariant());
    });
}

std::unique_ptr<Poppler::Document> openPdf(const std::string& file) {
    quietPoppler();
    std::unique_ptr<Poppler::Document> document =
        Poppler::Document::load(QString::fromStdString(file));
    if (!document || document->isLocked()) return nullptr;
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    return document;
}

}  // namespace

int pdfPageCount(const std::string& file) {
    std::unique_ptr<Poppler::Document> document = openPdf(file);
    return document ? std::max(0, document->numPages()) : 0;
}

RenderResult renderPageImages(const std::string& pdf, int pages, int dpi, const std::string& folder,
                              int threads) {
    if (threads <= 0) threads = QThread::idealThreadCount();
    std::vector<int> workers(static_cast<size_t>(std::clamp(threads, 1, std::max(pages, 1))));
    std::iota(workers.begin(), workers.end(), 0);
    std::atomic<bool> failed = false;
    std::mutex errorLock;
    RenderResult result;
    auto fail = [&](const std::string& what, bool documentFault) {
        std::lock_guard lock(errorLock);
        if (result.error.empty()) result = {what, documentFault};
        failed = true;
    };
    // Worker w renders pages w+1, w+1+n, ...: neighbouring pages cost alike, so this balances.
    QtConcurrent::blockingMap(workers, [&](int worker) {
        std::unique_ptr<Poppler::Document> document = openPdf(pdf);
        if (!document) return fail("the document cannot be read", true);
        for (int page = worker; page < pages && !failed; page += static_cast<int>(workers.size())) {
            std::unique_ptr<Poppler::Page> source = document->page(page);
            const QImage image = source ? source->renderToImage(dpi, dpi) : QImage();
            if (image.isNull())
                return fail("page " + std::to_string(page + 1) + " cannot be drawn", true);
            const std::string name = hand_over::pageImageName(page + 1);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (!image.save(&buffer, "png"))
                return fail("page " + name + " cannot be encoded", false);
            if (const int error = writeWholeFile(folder + "/" + name, png.toStdString()))
                return fail("cannot write " + name + ": " + std::strerror(error), false);
        }
    });
    return result;
}

}  // namespace varmio
