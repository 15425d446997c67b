#include "window_texts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>
#include <QWidget>

#include "form_binder.h"

namespace varmio {

QString shownTexts(const QWidget& window) {
    QString out = QStringLiteral("window\t") + window.windowTitle() + QLatin1Char('\n');
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const bool heading = widget->objectName() == QLatin1String("qt_page_heading");
        if (FormBinder::isHelperName(widget->objectName()) && !heading) continue;
        if (!widget->isVisibleTo(&window)) continue;
        QString text;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            text = box->title();
        else if (const auto* list = qobject_cast<const QTreeWidget*>(widget))
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                QStringList columns;
                for (int column = 0; column < list->columnCount(); ++column)
                    columns << list->topLevelItem(row)->text(column);
                out += widget->objectName() + QLatin1Char('\t') + columns.join(QLatin1Char('|')) +
                       QLatin1Char('\n');
            }
        if (!text.isEmpty())
            out += widget->objectName() + QLatin1Char('\t') + text + QLatin1Char('\n');
    }
    return out;
}

}  // namespace varmio
