#include "working_indicator.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "form_binder.h"
#include "pictures.h"
#include "ui/working_window.h"

namespace varmio {

WorkingIndicator::WorkingIndicator(WorkingWindow& model, QtWindowHost& host)
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      model_(model),
      host_(host),
      text_(new QLabel(this)),
      panel_(new QWidget(this)),
      runner_(host.makeRunner()) {
    setObjectName(QStringLiteral("frm_Working"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAttribute(Qt::WA_ShowWithoutActivating);
    const QSize size(model.width > 0 ? model.width : 320, model.height > 0 ? model.height : 90);
    setMinimumSize(size);
    resize(size);

    auto* picture = new QLabel(this);
    picture->setPixmap(busyPixmap(32, devicePixelRatioF()));
    text_->setObjectName(QStringLiteral("Label1"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    // A transfer's progress and its Cancel button, shown while one runs.
    panel_->setObjectName(QStringLiteral("frm_Progress"));
    panel_->hide();
    // The window's colour flickers while an FTP send waits; the figures stay readable.
    QPalette steady = panel_->palette();
    steady.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    panel_->setPalette(steady);
    panel_->setAutoFillBackground(true);
    auto* progress = new QLabel(panel_);
    progress->setObjectName(QStringLiteral("lab_progress"));
    progress->setTextFormat(Qt::PlainText);
    // Room for its two lines from the start: the window is sized when the panel comes up.
    progress->setMinimumHeight(2 * progress->fontMetrics().lineSpacing() + 4);
    auto* cancel = new QPushButton(panel_);
    cancel->setObjectName(QStringLiteral("cmd_cancel"));
    cancel->setMinimumWidth(96);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    auto* panelLayout = new QVBoxLayout(panel_);
    panelLayout->setContentsMargins(8, 6, 8, 6);
    panelLayout->setSpacing(8);
    panelLayout->addWidget(progress);
    panelLayout->addLayout(buttons);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(picture);
    top->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 12);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addWidget(panel_);

    binder_ = std::make_unique<FormBinder>(
        model_, *this, [this](const std::function<void()>& action) { return runner_.run(action); });
    panelBinder_ = std::make_unique<FormBinder>(
        model_.progress, *panel_,
        [this](const std::function<void()>& action) { return runner_.run(action); });
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
    panelBinder_->sync();
    // The progress lines and Cancel come and go with a transfer; the window fits them.
    if (model_.progress.visible != progressShown_) {
        progressShown_ = model_.progress.visible;
        panel_->setVisible(progressShown_);
        setFixedWidth((model_.width > 0 ? model_.width : 320) + (progressShown_ ? 100 : 0));
        adjustSize();
    }
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
