#include "notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>
#include <iostream>

#include "printer/spool.h"

namespace varmio {

namespace {

constexpr int kShownMilliseconds = 8000;

QString shownTitle(const QString& title) {
    const std::string clean = spool::displayTitle(title.toStdString());
    return QString::fromStdString(clean.empty() ? std::string("(untitled)") : clean);
}

}  // namespace

void Notifier::notify(const QString& title, const QString& text) {
    const QString name = shownTitle(title);
    std::cerr << "varmio-printer-agent: \"" << name.toStdString() << "\": " << text.toStdString()
              << std::endl;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Notification bodies may carry markup: the title is the printing application's text.
    call << QStringLiteral("Varmio printer") << 0u << QStringLiteral("printer")
         << name.toHtmlEscaped() << text.toHtmlEscaped() << QStringList() << QVariantMap()
         << kShownMilliseconds;
    bus.call(call, QDBus::NoBlock);
}

}  // namespace varmio
