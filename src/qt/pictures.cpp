#include "pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include "intranet/intranet_nodes.h"
#include "wizard/controls.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initVarmioResources() {
    Q_INIT_RESOURCE(varmio_qt);
}

namespace varmio {

namespace {

QPixmap render(const QString& file, int size, qreal ratio) {
    QSvgRenderer renderer(file);
    const int pixels = qRound(size * ratio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// Icons are drawn once, at the small sizes views ask for. A selected row shows its icon as it
// is: the style's own selected look tints it with the highlight into a muddy blot.
QIcon icon(const QString& name) {
    static QHash<QString, QIcon> cache;
    auto found = cache.find(name);
    if (found != cache.end()) return *found;
    const QString file = QStringLiteral(":/icons/%1.svg").arg(name);
    QIcon made;
    for (int size : {16, 24, 32}) {
        const QPixmap pixmap = render(file, size, 1.0);
        made.addPixmap(pixmap, QIcon::Normal);
        made.addPixmap(pixmap, QIcon::Selected);
    }
    cache.insert(name, made);
    return made;
}

}  // namespace

void initPictures() {
    initVarmioResources();
}

QPixmap logoPixmap(int index, int size, qreal devicePixelRatio) {
    return render(QStringLiteral(":/logos/logo_%1.svg").arg(index), size, devicePixelRatio);
}

QIcon listIcon(int image) {
    switch (image) {
        case list_image::kFolder:
            return icon(QStringLiteral("folder"));
        case list_image::kLink:
            return icon(QStringLiteral("link"));
        default:
            return {};
    }
}

QIcon treeIcon(int image) {
    switch (image) {
        case intranet_image::kProject:
            return icon(QStringLiteral("project"));
        case intranet_image::kProjectRead:
            return icon(QStringLiteral("project_open"));
        case intranet_image::kRoot:
            return icon(QStringLiteral("intranet"));
        case intranet_image::kUndefinedRoot:
            return icon(QStringLiteral("intranet_none"));
        case intranet_image::kDocument:
            return icon(QStringLiteral("document"));
        default:
            return {};
    }
}

QIcon folderIcon(bool open) {
    return icon(open ? QStringLiteral("folder_open") : QStringLiteral("folder"));
}

QPixmap busyPixmap(int size, qreal devicePixelRatio) {
    return render(QStringLiteral(":/icons/busy.svg"), size, devicePixelRatio);
}

}  // namespace varmio
