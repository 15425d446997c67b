#include "config_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "agent_texts.h"
#include "output_choice.h"

namespace varmio {

ConfigDialog::ConfigDialog(Settings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      pdf_(new QRadioButton(agentText(settings, "AGENT_CFG_PDF"))),
      images_(new QRadioButton(agentText(settings, "AGENT_CFG_IMAGES"))),
      dpi_(new QSpinBox) {
    setWindowTitle(agentText(settings, "AGENT_CFG_TITLE"));
    dpi_->setRange(kMinDpi, kMaxDpi);
    dpi_->setSuffix(QStringLiteral(" dpi"));

    const OutputChoice choice = readOutputChoice(settings_);
    (choice.kind == hand_over::Kind::PageImages ? images_ : pdf_)->setChecked(true);
    dpi_->setValue(choice.dpi);
    dpi_->setEnabled(images_->isChecked());
    connect(images_, &QRadioButton::toggled, dpi_, &QSpinBox::setEnabled);

    auto* form = new QFormLayout;
    form->addRow(agentText(settings, "AGENT_CFG_DPI"), dpi_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(agentText(settings, "CMD_OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(agentText(settings, "CMD_CANCEL"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        save();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(agentText(settings, "AGENT_CFG_PROMPT")));
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
