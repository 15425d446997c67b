#pragma once

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace varmio {

class Settings;

// The small window of `varmio-printer-agent --config`: PDF document or page images, and the
// resolution of the images. OK writes the choice to the settings store.
class ConfigDialog : public QDialog {
  public:
    explicit ConfigDialog(Settings& settings, QWidget* parent = nullptr);

  private:
    void save();

    Settings& settings_;
    QRadioButton* pdf_;
    QRadioButton* images_;
    QSpinBox* dpi_;
};

}  // namespace varmio
