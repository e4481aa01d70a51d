// SPDX-License-Identifier: MIT
#include "ui/vedic/result/about_page.h"

#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "core/vedic/match/match.h"
#include "ui/shell/rich_text.h"

namespace lumora::ui {

AboutPage::AboutPage(const Services& services, const QString& name, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("fra") + name + QStringLiteral("Software"));
  auto* layout = new QVBoxLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(QStringLiteral(":/resources/app/lumora.svg")).pixmap(64, 64));
  icon->setAccessibleName(tr("Lumora icon"));
  layout->addWidget(icon);
  auto* text = new QLabel(ToQString(kClosingParagraph), this);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* links =
      new QLabel(QStringLiteral("<a href=\"%1\">%2</a> &nbsp; <a href=\"help\">%3</a>")
                     .arg(HomePageUrl().toString(), tr("Visit us online"), tr("Online help")),
                 this);
  links->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  BrowserService* browser = services.Browser;
  connect(links, &QLabel::linkActivated, this, [browser](const QString& href) {
    browser->Open(href == QStringLiteral("help") ? HelpPageUrl() : HomePageUrl());
  });
  layout->addWidget(links);
  layout->addStretch();
}

}  // namespace lumora::ui
