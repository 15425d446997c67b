#pragma once

#include <QChar>
#include <QList>
#include <QSet>
#include <QString>

class QAbstractButton;

namespace varmio {

// Captions follow the rule the window's texts are written for: "&" marks the access key, "&&"
// is a plain "&".

// The access key a caption marks, lowered; a null QChar when it marks none.
QChar accessKeyOf(const QString& caption);
// The caption as read: marks taken out, "&&" shown as "&".
QString withoutAccessKeys(const QString& caption);

// Shows a caption of the window's texts on a button, its own marks and all.
void showCaption(QAbstractButton& button, const QString& caption);

// Gives every button of `buttons` an access key of its own. Keys the texts mark win; a text
// without one (or whose earlier given key is now taken) gets the first free letter, word starts
// first. `taken` holds the keys already in use where the buttons show (the window's own
// buttons and menu) and gains the keys given.
void giveAccessKeys(const QList<QAbstractButton*>& buttons, QSet<QChar>& taken);

}  // namespace varmio
