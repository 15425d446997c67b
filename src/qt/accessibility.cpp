#include "accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "access_keys.h"

namespace varmio {

namespace {

bool isInput(const QWidget* widget) {
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget);
}

QWidget* inputAt(QLayoutItem* item) {
    if (!item) return nullptr;
    if (QWidget* widget = item->widget()) return isInput(widget) ? widget : nullptr;
    if (QLayout* inner = item->layout())
        for (int i = 0; i < inner->count(); ++i)
            if (QWidget* found = inputAt(inner->itemAt(i))) return found;
    return nullptr;
}

QWidget* namedBy(QLayout& layout, int index) {
    if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
        int row = 0, column = 0, rows = 1, columns = 1;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        if (QWidget* beside = inputAt(grid->itemAtPosition(row, column + columns))) return beside;
        return inputAt(grid->itemAtPosition(row + rows, column));
    }
    if (qobject_cast<QBoxLayout*>(&layout) && index + 1 < layout.count())
        return inputAt(layout.itemAt(index + 1));
    return nullptr;
}

// The text beside or above `input` in its layout (a check box that switches it on, a label of
// a group): what a sighted user reads as its name.
QString textBefore(const QList<QLayout*>& layouts, QWidget* input) {
    for (QLayout* layout : layouts) {
        const int index = layout->indexOf(input);
        if (index < 0) continue;
        QLayoutItem* before = nullptr;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rows = 1, columns = 1;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            before = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
            if (!before && row > 0) before = grid->itemAtPosition(row - 1, column);
        } else if (index > 0) {
            before = layout->itemAt(index - 1);
        }
        QWidget* widget = before ? before->widget() : nullptr;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return withoutAccessKeys(button->text());
        if (auto* label = qobject_cast<QLabel*>(widget)) return withoutAccessKeys(label->text());
        return {};
    }
    return {};
}

}  // namespace

void pairLabels(QWidget& root) {
    const QList<QLayout*> layouts = root.findChildren<QLayout*>();
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (label->buddy() || label->objectName().startsWith(QLatin1String("qt_"))) continue;
        for (QLayout* layout : layouts) {
            const int index = layout->indexOf(label);
            if (index < 0) continue;
            if (QWidget* input = namedBy(*layout, index)) label->setBuddy(input);
            break;
        }
    }
}

void nameInputs(QWidget& root, const QString& fallback) {
    QHash<const QWidget*, const QLabel*> labels;
    for (const QLabel* label : root.findChildren<QLabel*>())
        if (label->buddy()) labels[label->buddy()] = label;
    const QList<QLayout*> layouts = root.findChildren<QLayout*>();
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (!isInput(widget)) continue;
        // The inner editor of a combo box and the like are read with their owner.
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // Not every kind of widget asks its label: the name is set for all alike.
        const QLabel* label = labels.value(widget);
        QString name = label ? withoutAccessKeys(label->text()) : textBefore(layouts, widget);
        for (QWidget* up = widget->parentWidget(); up && name.isEmpty(); up = up->parentWidget())
            if (auto* group = qobject_cast<QGroupBox*>(up))
                name = withoutAccessKeys(group->title());
        if (name.isEmpty()) name = fallback;
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
    }
}

}  // namespace varmio
