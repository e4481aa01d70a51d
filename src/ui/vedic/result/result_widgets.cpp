// SPDX-License-Identifier: MIT
#include "ui/vedic/result/result_widgets.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "core/glossary/phrases.h"
#include "core/vedic/match/match.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/services.h"

namespace lumora::ui {

QLabel* SelectableLabel(const QString& text, QWidget* parent, const QString& name) {
  auto* label = new QLabel(text, parent);
  if (!name.isEmpty()) {
    label->setObjectName(name);
  }
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QLabel* WrappedLabel(QWidget* parent, const QString& name, const QString& accessible) {
  auto* label = SelectableLabel(QString(), parent, name);
  label->setWordWrap(true);
  label->setAccessibleName(accessible);
  return label;
}

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = SelectableLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QString SideName(char side) {
  return side == 'M' ? QCoreApplication::translate("lumora::ui::ResultWindow", "Boy")
                     : QCoreApplication::translate("lumora::ui::ResultWindow", "Girl");
}

QWidget* NewAboutPage(const QString& name, BrowserService* browser) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("fra") + name + QStringLiteral("Software"));
  auto* layout = new QVBoxLayout(page);
  auto* icon = new QLabel(page);
  icon->setPixmap(QIcon(QStringLiteral(":/resources/app/lumora.svg")).pixmap(64, 64));
  icon->setAccessibleName(QCoreApplication::translate("lumora::ui::ResultWindow", "Lumora icon"));
  layout->addWidget(icon);
  auto* text =
      new QLabel(ToQString(std::string(PhrasesOf(CurrentLanguage()).ClosingParagraph)), page);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* links =
      new QLabel(QStringLiteral("<a href=\"help\">%1</a>")
                     .arg(QCoreApplication::translate("lumora::ui::ResultWindow", "Online help")),
                 page);
  links->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  QObject::connect(links, &QLabel::linkActivated, page,
                   [browser] { browser->Open(HelpPageUrl()); });
  layout->addWidget(links);
  layout->addStretch();
  return page;
}

}  // namespace lumora::ui
