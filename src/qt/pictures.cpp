#include "pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

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
        case 1:
            return icon(QStringLiteral("folder"));
        case 2:
            return icon(QStringLiteral("link"));
        default:
            return {};
    }
}

QIcon treeIcon(int image) {
    switch (image) {
        case 1:
            return icon(QStringLiteral("project"));
        case 7:
            return icon(QStringLiteral("project_open"));
        case 5:
            return icon(QStringLiteral("intranet"));
        case 6:
            return icon(QStringLiteral("intranet_none"));
        case 4:
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
