#include "config_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "output_choice.h"

namespace varmio {

ConfigDialog::ConfigDialog(Settings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      pdf_(new QRadioButton(tr("The &PDF document"))),
      images_(new QRadioButton(tr("Page &images (001.png, 002.png, ...)"))),
      dpi_(new QSpinBox) {
    setWindowTitle(tr("Varmio printer"));
    dpi_->setRange(kMinDpi, kMaxDpi);
    dpi_->setSuffix(tr(" dpi"));

    const OutputChoice choice = readOutputChoice(settings_);
    (choice.kind == hand_over::Kind::PageImages ? images_ : pdf_)->setChecked(true);
    dpi_->setValue(choice.dpi);
    dpi_->setEnabled(images_->isChecked());
    connect(images_, &QRadioButton::toggled, dpi_, &QSpinBox::setEnabled);

    auto* form = new QFormLayout;
    form->addRow(tr("&Resolution:"), dpi_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        save();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("A document printed to Varmio reaches the wizard as:")));
    layout->addWidget(pdf_);
    layout->addWidget(images_);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void ConfigDialog::save() {
    OutputChoice choice;
    choice.kind = images_->isChecked() ? hand_over::Kind::PageImages : hand_over::Kind::Pdf;
    choice.dpi = dpi_->value();
    writeOutputChoice(settings_, choice);
}

}  // namespace varmio
