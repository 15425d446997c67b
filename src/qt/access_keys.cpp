#include "access_keys.h"

#include <QAbstractButton>
#include <QVariant>

namespace varmio {

namespace {

// Marks the widget whose key we chose rather than its text.
constexpr const char* kGivenKey = "varmioGivenAccessKey";

// Where the key of `plain` should go: the first free word start, else the first free letter
// or digit; -1 when every one is taken.
qsizetype freeKeyPosition(const QString& plain, const QSet<QChar>& taken) {
    for (const bool wordStartsOnly : {true, false}) {
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const QChar c = plain[i];
            if (!c.isLetterOrNumber() || taken.contains(c.toLower())) continue;
            if (wordStartsOnly && i > 0 && plain[i - 1].isLetterOrNumber()) continue;
            return i;
        }
    }
    return -1;
}

}  // namespace

QChar accessKeyOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
        ++i;  // "&&"
    }
    return {};
}

QString withoutAccessKeys(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

void showCaption(QAbstractButton& button, const QString& caption) {
    button.setProperty(kGivenKey, false);
    button.setText(caption);
}

void giveAccessKeys(const QList<QAbstractButton*>& buttons, QSet<QChar>& taken) {
    QList<QAbstractButton*> keyless;
    for (QAbstractButton* button : buttons) {
        const QChar key = accessKeyOf(button->text());
        if (!key.isNull() && !button->property(kGivenKey).toBool())
            taken.insert(key);
        else if (!button->text().isEmpty())
            keyless << button;
    }
    // A key given earlier stays while no text claims it, so keys do not move between syncs.
    QList<QAbstractButton*> wanting;
    for (QAbstractButton* button : keyless) {
        const QChar key = accessKeyOf(button->text());
        if (!key.isNull() && !taken.contains(key))
            taken.insert(key);
        else
            wanting << button;
    }
    for (QAbstractButton* button : wanting) {
        QString plain = withoutAccessKeys(button->text());
        const qsizetype at = freeKeyPosition(plain, taken);
        if (at >= 0) taken.insert(plain[at].toLower());
        QString marked = plain;
        marked.replace(QLatin1Char('&'), QLatin1String("&&"));
        if (at >= 0) marked.insert(at + plain.left(at).count(QLatin1Char('&')), QLatin1Char('&'));
        button->setProperty(kGivenKey, at >= 0);
        if (button->text() != marked) button->setText(marked);
    }
}

}  // namespace varmio
