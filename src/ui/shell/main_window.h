// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <memory>

#include "core/ephemeris/moon_model.h"
#include "ui/shell/services.h"

class QLabel;
class QMdiArea;
class QPushButton;

namespace lumora::ui {

class VedicSession;
class WesternSession;

// The program's main window: a band with the choice between the two tests, Print and
// Back for the Western report and Exit, above the document area in which the test
// windows are shown (so the main window never hides them, and they never cover its
// buttons); the File and Help menus.
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

  // The document area the test windows are shown in.
  QMdiArea& Area() const { return *area_; }

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
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Services services_;
  QWidget* commands_ = nullptr;  // the band above the area: heading and buttons
  QMdiArea* area_ = nullptr;
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

}  // namespace lumora::ui
