// SPDX-License-Identifier: MIT
#include "ui/shell/about_box.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/language_choice.h"

namespace lumora::ui {

AboutBox::AboutBox(const Services& services, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(ProgramTitle());
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(QIcon(QStringLiteral(":/resources/app/lumora.svg")).pixmap(64, 64));
  icon->setAccessibleName(tr("Lumora icon"));
  auto* title = new QLabel(ProgramTitle(), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  title->setFont(big);
  top->addWidget(icon);
  top->addWidget(title, 1);
  layout->addLayout(top);
  auto* text = new QLabel(
      tr("Lumora rates the compatibility of two people from their birth data and the positions "
         "of the planets at their births, by both Western and Vedic astrology: the Western test "
         "compares the Sun, Moon, planets, nodes, ascendant and midheaven of both partners, and "
         "the Vedic test scores the eight kootas of the Ashta Kuta Guna Milan out of 36 points "
         "from their Moon signs and nakshatras."),
      this);
  text->setObjectName(QStringLiteral("lblDescription"));
  text->setWordWrap(true);
  layout->addWidget(text);
  // The program's own pages are its help, installed with it.
  auto* help = new QLabel(
      QStringLiteral("<a href=\"help\">%1</a>").arg(tr("Lumora help (installed with the program)")),
      this);
  help->setObjectName(QStringLiteral("lblHelpPage"));
  help->setAccessibleName(tr("Open the Lumora help"));
  help->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  help->setOpenExternalLinks(false);
  BrowserService* browser = services.Browser;
  connect(help, &QLabel::linkActivated, this, [browser] { browser->Open(HelpPageUrl()); });
  layout->addWidget(help);
  // The place atlas is GeoNames data under CC BY 4.0, whose terms ask for this credit
  // wherever the data is used.
  auto* licence = new QLabel(tr("Lumora is free software under the MIT licence.\n"
                                "Place data: GeoNames (geonames.org), CC BY 4.0"),
                             this);
  licence->setObjectName(QStringLiteral("lblLicence"));
  licence->setAccessibleName(tr("Licence and data credits"));
  licence->setWordWrap(true);
  licence->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  layout->addWidget(licence);
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  setMinimumWidth(420);
}

void ShowAboutBox(const Services& services, QWidget* parent) {
  AboutBox box(services, parent);
  box.exec();
}

void RetranslateHelpMenu(QMenu& help) {
  help.setTitle(QObject::tr("&Help"));
  for (QAction* action : help.actions()) {
    if (action->objectName() == QLatin1String("mnuOnline")) {
      action->setText(QObject::tr("&Online Help"));
    } else if (action->objectName() == QLatin1String("mnuAbout")) {
      action->setText(QObject::tr("&About Software"));
    }
  }
}

void AddHelpMenu(QMainWindow& window, const Services& services) {
  QMenu* help = window.menuBar()->addMenu(QString());
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* online = help->addAction(QString());
  online->setObjectName(QStringLiteral("mnuOnline"));
  help->addSeparator();
  QAction* about = help->addAction(QString());
  about->setObjectName(QStringLiteral("mnuAbout"));
  RetranslateHelpMenu(*help);
  OnLanguageChange(*help, [help] { RetranslateHelpMenu(*help); });
  BrowserService* browser = services.Browser;
  QObject::connect(online, &QAction::triggered, &window,
                   [browser] { browser->Open(HelpPageUrl()); });
  QMainWindow* owner = &window;
  QObject::connect(about, &QAction::triggered, &window,
                   [services, owner] { ShowAboutBox(services, owner); });
}

}  // namespace lumora::ui
