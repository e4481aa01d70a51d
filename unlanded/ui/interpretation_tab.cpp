// SPDX-License-Identifier: MIT
#include "ui/vedic/result/interpretation_tab.h"

#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/shell/rich_text.h"

namespace lumora::ui {

InterpretationTab::InterpretationTab(const Services& services, QWidget* parent)
    : QGroupBox(tr("Interpretation"), parent) {
  setObjectName(QStringLiteral("fraInterpretation"));
  auto* layout = new QVBoxLayout(this);
  report_ = new QTextBrowser(this);
  report_->setObjectName(QStringLiteral("RTB"));
  report_->setAccessibleName(tr("Interpretation"));
  report_->setOpenLinks(false);
  report_->setStyleSheet(QStringLiteral("QTextBrowser { background: white; color: black; }"));
  BrowserService* browser = services.Browser;
  connect(report_, &QTextBrowser::anchorClicked, this,
          [browser](const QUrl& url) { browser->Open(url); });
  layout->addWidget(report_);
  auto* link = new QLabel(
      QStringLiteral("<a href=\"%1\">%2</a>")
          .arg(HomePageUrl().toString(), tr("Click here for a detailed analysis of your match")),
      this);
  link->setObjectName(QStringLiteral("lblHyperlink"));
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(link, &QLabel::linkActivated, this, [browser] { browser->Open(HomePageUrl()); });
  layout->addWidget(link);
}

void InterpretationTab::AppendReport(const ReportDocument& report) {
  AppendRuns(*report_, report);
  report_->moveCursor(QTextCursor::Start);
}

}  // namespace lumora::ui
