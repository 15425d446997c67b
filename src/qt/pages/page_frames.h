#pragma once

#include <QWidget>

#include "ui_frm_export_1.h"
#include "ui_frm_files.h"
#include "ui_frm_ftp.h"
#include "ui_frm_html_1.h"
#include "ui_frm_html_2.h"
#include "ui_frm_html_3.h"
#include "ui_frm_html_4.h"
#include "ui_frm_html_5.h"
#include "ui_frm_html_6.h"
#include "ui_frm_img.h"
#include "ui_frm_intra.h"
#include "ui_frm_mail.h"
#include "ui_frm_pdf.h"
#include "ui_frm_unc.h"

namespace varmio {

// A page frame of the wizard window, built from its own Designer form (pages/*.ui). The
// window's form (main_window.ui) places the pages as promoted widgets, so each page's widgets
// are made while the window's are, in the window's order: the focus order stays that of one
// form, and a page frame shows as the plain QWidget the model's frame binds to.
template <class UiForm>
class PageFrame : public QWidget {
  public:
    explicit PageFrame(QWidget* parent = nullptr) : QWidget(parent) { ui.setupUi(this); }

    UiForm ui;
};

using FilesPage = PageFrame<Ui::FilesPage>;
using PdfPage = PageFrame<Ui::PdfPage>;
using ImgPage = PageFrame<Ui::ImgPage>;
using Html1Page = PageFrame<Ui::Html1Page>;
using Html2Page = PageFrame<Ui::Html2Page>;
using Html3Page = PageFrame<Ui::Html3Page>;
using Html4Page = PageFrame<Ui::Html4Page>;
using Html5Page = PageFrame<Ui::Html5Page>;
using Html6Page = PageFrame<Ui::Html6Page>;
using Export1Page = PageFrame<Ui::Export1Page>;
using FtpPage = PageFrame<Ui::FtpPage>;
using MailPage = PageFrame<Ui::MailPage>;
using UncPage = PageFrame<Ui::UncPage>;
using IntraPage = PageFrame<Ui::IntraPage>;

}  // namespace varmio
