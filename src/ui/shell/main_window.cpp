// SPDX-License-Identifier: MIT
#include "ui/shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/shell/settings_dialog.h"
#include "ui/vedic/vedic_session.h"
#include "ui/western/western_session.h"

namespace lumora::ui {

int Twips(int twips) {
  return twips / 15;
}

void PlaceAtTopCentre(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  const QRect area = screen->availableGeometry();
  window.move(area.left() + (area.width() - window.frameGeometry().width()) / 2, area.top());
}

void FitToScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  const QRect area = screen->availableGeometry();
  const QSize room(area.width() - kWindowFrameAllowance / 4, area.height() - kWindowFrameAllowance);
  window.resize(window.size().boundedTo(room));
}

AboutBox::AboutBox(const Services& services, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(ProgramTitle());
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(QIcon(QStringLiteral(":/resources/app/lumora.svg")).pixmap(64, 64));
  icon->setAccessibleName(QStringLiteral("Lumora icon"));
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
  auto* home =
      new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(HomePageUrl().toString()), this);
  home->setObjectName(QStringLiteral("lblHomePage"));
  home->setAccessibleName(tr("Visit the Lumora home page"));
  home->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  home->setOpenExternalLinks(false);
  BrowserService* browser = services.Browser;
  connect(home, &QLabel::linkActivated, this, [browser] { browser->Open(HomePageUrl()); });
  layout->addWidget(home);
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

void AddHelpMenu(QMainWindow& window, const Services& services) {
  QMenu* help = window.menuBar()->addMenu(QObject::tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* online = help->addAction(QObject::tr("&Online Help"));
  online->setObjectName(QStringLiteral("mnuOnline"));
  QAction* visit = help->addAction(QObject::tr("&Visit Us Online"));
  visit->setObjectName(QStringLiteral("mnuVisit"));
  help->addSeparator();
  QAction* about = help->addAction(QObject::tr("&About Software"));
  about->setObjectName(QStringLiteral("mnuAbout"));
  BrowserService* browser = services.Browser;
  QObject::connect(online, &QAction::triggered, &window,
                   [browser] { browser->Open(HelpPageUrl()); });
  QObject::connect(visit, &QAction::triggered, &window,
                   [browser] { browser->Open(HomePageUrl()); });
  QMainWindow* owner = &window;
  QObject::connect(about, &QAction::triggered, &window,
                   [services, owner] { ShowAboutBox(services, owner); });
}

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(ProgramTitle());
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/lumora.svg")));

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* print = file->addAction(tr("&Print"));
  print->setObjectName(QStringLiteral("mnuPrint"));
  QAction* settings = file->addAction(tr("&Settings..."));
  settings->setObjectName(QStringLiteral("mnuSettings"));
  file->addSeparator();
  QAction* exit = file->addAction(tr("&Exit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  connect(print, &QAction::triggered, this, &MainWindow::PrintWesternReport);
  connect(settings, &QAction::triggered, this, &MainWindow::ShowSettings);
  connect(exit, &QAction::triggered, this, &MainWindow::ExitProgram);
  AddHelpMenu(*this, services_);

  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("mdiArea"));
  setCentralWidget(area);

  heading_ = new QLabel(QStringLiteral("Lumora"), area);
  heading_->setObjectName(QStringLiteral("lblHeading"));
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 2.6);
  big.setBold(true);
  heading_->setFont(big);
  heading_->adjustSize();
  subtitle_ = new QLabel(tr("The compatibility of two people from their birth data, by Western "
                            "and by Vedic astrology. Choose a test:"),
                         area);
  subtitle_->setObjectName(QStringLiteral("lblSubtitle"));
  subtitle_->adjustSize();

  auto make_button = [area](const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, area);
    button->setObjectName(QString::fromLatin1(name));
    return button;
  };
  western_button_ = make_button(QStringLiteral("Western Astrology  Compatibility"), "Command1");
  vedic_button_ = make_button(QStringLiteral("Vedic Astrology Compatibility"), "Command2");
  for (QPushButton* button : {western_button_, vedic_button_}) {
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    button->setFont(font);
    button->resize(qMax(button->sizeHint().width() + 24, 280), 56);
  }
  western_icon_ = new QLabel(area);
  western_icon_->setObjectName(QStringLiteral("picIcon_0"));
  western_icon_->setPixmap(QIcon(QStringLiteral(":/resources/app/western.svg")).pixmap(56, 56));
  western_icon_->resize(56, 56);
  western_icon_->setAccessibleName(tr("Western test icon"));
  vedic_icon_ = new QLabel(area);
  vedic_icon_->setObjectName(QStringLiteral("picIcon_1"));
  vedic_icon_->setPixmap(QIcon(QStringLiteral(":/resources/app/vedic.svg")).pixmap(56, 56));
  vedic_icon_->resize(56, 56);
  vedic_icon_->setAccessibleName(tr("Vedic test icon"));

  print_ = make_button(tr("&Print"), "cmdPrint");
  back_ = make_button(tr("&Back"), "cmdBack");
  exit_ = make_button(tr("&Exit"), "cmdExit");
  for (QPushButton* button : {print_, back_, exit_}) {
    button->resize(qMax(button->sizeHint().width(), 100), button->sizeHint().height());
  }
  print_->setToolTip(tr("Print the Western report"));
  back_->setToolTip(tr("Back from the Western report to its input form"));

  connect(vedic_button_, &QPushButton::clicked, this, &MainWindow::OpenVedicTest);
  connect(western_button_, &QPushButton::clicked, this, &MainWindow::OpenWesternTest);
  connect(print_, &QPushButton::clicked, this, &MainWindow::PrintWesternReport);
  connect(back_, &QPushButton::clicked, this, &MainWindow::BackToWesternInput);
  connect(exit_, &QPushButton::clicked, this, &MainWindow::ExitProgram);

  setTabOrder(vedic_button_, western_button_);
  setTabOrder(western_button_, print_);
  setTabOrder(print_, back_);
  setTabOrder(back_, exit_);

  vedic_ = std::make_unique<VedicSession>(services_, this);
  western_ = std::make_unique<WesternSession>(services_, this);
  moon_model_ = StoredMoonModel();
  vedic_->SetMoonModel(moon_model_);
  western_->SetMoonModel(moon_model_);

  setMinimumSize(640, 420);
  resize(1000, 640);
  PlaceControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::PlaceControls() {
  const QWidget* area = centralWidget();
  const QScreen* shown_on = screen() ? screen() : QGuiApplication::primaryScreen();
  const int screen_width = shown_on->geometry().width();
  const int height = area->height();

  exit_->move(area->width() - exit_->width() - Twips(300), height - exit_->height() - 20);
  print_->move(20, height - print_->height() - 20);
  back_->move(print_->x() + print_->width() + 12, print_->y());

  heading_->move((screen_width - heading_->width()) / 2, 40);
  subtitle_->move((screen_width - subtitle_->width()) / 2, heading_->y() + heading_->height() + 12);
  const int buttons_top = subtitle_->y() + subtitle_->height() + 40;
  western_button_->move(screen_width / 2 - western_button_->width() - Twips(500), buttons_top);
  vedic_button_->move(screen_width / 2, buttons_top);
  western_icon_->move(western_button_->x() - western_icon_->width(), buttons_top);
  vedic_icon_->move(vedic_button_->x() + vedic_button_->width(), buttons_top);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  PlaceControls();
}

void MainWindow::OpenVedicTest() {
  western_->HideAll();
  vedic_->ShowInputForm();
}

void MainWindow::OpenWesternTest() {
  western_->ShowInputForm();
  vedic_->HideAll();
}

void MainWindow::PrintWesternReport() {
  western_->PrintReport();
}

void MainWindow::BackToWesternInput() {
  western_->BackToInputForm();
}

void MainWindow::ExitProgram() {
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program: every other window goes with it,
  // without a question.
  if (!exiting_) {
    exiting_ = true;
    vedic_->CloseAll();
    western_->CloseAll();
  }
  event->accept();
  QApplication::quit();
}

void MainWindow::ApplyMoonModel(MoonModel model) {
  moon_model_ = model;
  StoreMoonModel(model);
  vedic_->SetMoonModel(model);
  western_->SetMoonModel(model);
}

void MainWindow::ShowSettings() {
  SettingsDialog dialog(moon_model_, this);
  if (dialog.exec() == QDialog::Accepted) {
    ApplyMoonModel(dialog.ChosenMoonModel());
  }
}

}  // namespace lumora::ui
