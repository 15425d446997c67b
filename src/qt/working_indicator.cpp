#include "working_indicator.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

#include "form_binder.h"
#include "pictures.h"
#include "ui/working_window.h"

namespace varmio {

WorkingIndicator::WorkingIndicator(WorkingWindow& model, QtWindowHost& host)
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      model_(model),
      host_(host),
      text_(new QLabel(this)),
      runner_(host.makeRunner()) {
    setObjectName(QStringLiteral("frm_Working"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(model.width > 0 ? model.width : 320, model.height > 0 ? model.height : 90);

    auto* picture = new QLabel(this);
    picture->setPixmap(busyPixmap(32, devicePixelRatioF()));
    text_->setObjectName(QStringLiteral("Label1"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->setSpacing(14);
    layout->addWidget(picture);
    layout->addWidget(text_, 1);

    binder_ = std::make_unique<FormBinder>(
        model_, *this, [this](const std::function<void()>& action) { return runner_.run(action); });
    host_.add(*this);
}

WorkingIndicator::~WorkingIndicator() {
    host_.remove(*this);
}

Form& WorkingIndicator::form() const {
    return model_;
}

void WorkingIndicator::syncFromModel() {
    binder_->sync();
    if (model_.backColor != shownColor_) {
        shownColor_ = model_.backColor;
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(model_.backColor)));
        setPalette(colours);
        setAutoFillBackground(true);
    }
    const bool wanted = model_.loaded && model_.visible;
    if (wanted && !isVisible()) {
        place();
        show();
    } else if (!wanted && isVisible()) {
        hide();
    }
}

// Centred over the main window when there is one on screen, else on the screen.
void WorkingIndicator::place() {
    QRect area;
    if (BoundWindow* main = host_.mainWindow(); main && main->widget().isVisible())
        area = main->widget().frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) move(area.center() - rect().center());
}

}  // namespace varmio
