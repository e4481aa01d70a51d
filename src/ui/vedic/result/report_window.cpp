// SPDX-License-Identifier: MIT
#include "ui/vedic/result/report_window.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "documents/document_layout.h"
#include "documents/pdf_export.h"
#include "ui/shell/pdf_save.h"
#include "ui/shell/window_placement.h"

namespace lumora::ui {

ReportWindow::ReportWindow(const Services& services, std::function<ProfileValues()> profile,
                           QWidget* parent)
    : QDialog(parent), services_(services), profile_(std::move(profile)) {
  setObjectName(QStringLiteral("frmTarvikSave"));
  setWindowTitle(QStringLiteral("Lumo Tarvik"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  box_ = new QTextBrowser(this);
  box_->setObjectName(QStringLiteral("RTB"));
  box_->setAccessibleName(tr("Report"));
  box_->setOpenLinks(false);
  box_->setStyleSheet(QStringLiteral("QTextBrowser { background: white; color: black; }"));
  layout->addWidget(box_);
  auto* save = new QPushButton(tr("&Save"), this);
  save->setObjectName(QStringLiteral("cmdSave"));
  save->setToolTip(tr("Save the two Moon signs and nakshatras to a profile file"));
  auto* print = new QPushButton(tr("&Print"), this);
  print->setObjectName(QStringLiteral("cmdPrint"));
  auto* save_pdf = new QPushButton(tr("Save As P&DF..."), this);
  save_pdf->setObjectName(QStringLiteral("cmdSavePdf"));
  save_pdf->setAccessibleName(tr("Save As PDF"));
  save_pdf->setToolTip(tr("Save this page as a PDF document (Ctrl+Shift+S)"));
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this);
  connect(shortcut, &QShortcut::activated, this, &ReportWindow::SavePdf);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save);
  buttons->addWidget(print);
  buttons->addWidget(save_pdf);
  buttons->addStretch();
  layout->addLayout(buttons);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setAccessibleName(tr("Status"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(status_);
  connect(save_pdf, &QPushButton::clicked, this, &ReportWindow::SavePdf);
  connect(save, &QPushButton::clicked, this, &ReportWindow::SaveProfile);
  connect(print, &QPushButton::clicked, this, &ReportWindow::PrintDocument);
  BrowserService* browser = services_.Browser;
  connect(box_, &QTextBrowser::anchorClicked, this,
          [browser](const QUrl& url) { browser->Open(url); });
  resize(820, 640);
  FitToScreen(*this);
}

void ReportWindow::ShowDocument(Document document, const QString& stem) {
  documents::RenderDocument(document, *box_->document());
  // A report is read from its beginning.
  box_->moveCursor(QTextCursor::Start);
  box_->ensureCursorVisible();
  document_ = std::move(document);
  stem_ = stem;
  status_->clear();
}

void ReportWindow::SavePdf() {
  if (const auto status = SaveDocumentAsPdf(this, services_, document_, stem_)) {
    status_->setText(*status);
  }
}

void ReportWindow::SaveProfile() {
  const QString path = services_.Files->SaveFileName(
      this, {ProgramTitle(), tr("Lumo Free Tarvik profiles (*.kun)"), QStringLiteral("kun"),
             documents::DefaultSavePath(stem_ + QStringLiteral(".kun"))});
  if (path.isEmpty()) {
    return;  // cancelled
  }
  const std::optional<QString> failure = SaveWholeFile(path, WriteProfile(profile_()));
  if (failure) {
    services_.Messages->Show(this, tr("The File Could Not Be Saved."), MessageIcon::Error);
    status_->setText(tr("The File Could Not Be Saved."));
    return;
  }
  status_->setText(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
}

void ReportWindow::PrintDocument() {
  // The printer gets the composed page, as the PDF file does (tables, charts and page
  // numbers), laid out at the printer's own resolution.
  QTextDocument document;
  documents::RenderDocument(document_, document);
  services_.Printer->PrintDocument(this, document);
}

}  // namespace lumora::ui
