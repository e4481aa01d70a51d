// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <memory>

#include "core/ephemeris/moon_model.h"
#include "ui/shell/services.h"

class QLabel;
class QPushButton;

namespace lumora::ui {

class VedicSession;
class WesternSession;

// The About box: icon, title, a paragraph, the home-page line and OK.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  AboutBox(const Services& services, QWidget* parent);
};

// Shows the About box modally over the parent.
void ShowAboutBox(const Services& services, QWidget* parent);

// Adds the Help menu shared by the program's windows: Online Help, Visit Us Online
// and About Software.
void AddHelpMenu(QMainWindow& window, const Services& services);

// The program's main window: the choice between the two tests, Print and Back for
// the Western report, the Help menu and Exit.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(const Services& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  VedicSession& Vedic() { return *vedic_; }
  WesternSession& Western() { return *western_; }

  // The Moon both tests compute with: remembered between runs, changed in Settings.
  MoonModel Moon() const { return moon_model_; }
  // Remembers the choice and hands it to both tests.
  void ApplyMoonModel(MoonModel model);

  // Re-places the controls: Exit follows the window's right edge, the heading and
  // the two test buttons are placed by the width of the screen.
  void PlaceControls();

 public slots:
  void OpenVedicTest();    // Command2
  void OpenWesternTest();  // Command1
  void PrintWesternReport();
  void BackToWesternInput();
  void ExitProgram();
  void ShowSettings();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Services services_;
  QLabel* heading_ = nullptr;
  QLabel* subtitle_ = nullptr;
  QPushButton* western_button_ = nullptr;
  QPushButton* vedic_button_ = nullptr;
  QLabel* western_icon_ = nullptr;
  QLabel* vedic_icon_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* exit_ = nullptr;
  std::unique_ptr<VedicSession> vedic_;
  std::unique_ptr<WesternSession> western_;
  bool exiting_ = false;
  MoonModel moon_model_ = MoonModel::Standard;
};

// Twips (1/1440 inch) in device-independent pixels.
int Twips(int twips);

// Places a top-level window horizontally centred on the screen with its top edge
// at the top of the screen.
void PlaceAtTopCentre(QWidget& window);

// Room a window manager's title bar and borders take around a window.
inline constexpr int kWindowFrameAllowance = 48;

// Shrinks the window where needed so that it, its title bar and its buttons fit the
// screen's available area.
void FitToScreen(QWidget& window);

}  // namespace lumora::ui
