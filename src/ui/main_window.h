// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

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
  // Sets every text of the window in the current language.
  void Retranslate();

 public slots:
  void OpenVedicTest();    // Command2
  void OpenWesternTest();  // Command1
  // Print prints the document of the active test window (the Vedic result, the Western
  // report); Back goes from that window back to its form. Both are disabled while the
  // active window has neither.
  void PrintActiveWindow();
  void BackFromActiveWindow();
  void ExitProgram();
  void ShowSettings();
  // Opens a reading handed over on the command line (a file manager's double-click): a
  // couple file or a profile file, in the Vedic test.
  void OpenFile(const QString& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Closes the window once the event loops from the given nesting level on have
  // returned.
  void ExitOutside(int loop_level);
  // The test window whose frame is the area's current one, if shown.
  QWidget* ActiveTestWindow() const;
  // Print and Back follow the active test window; an access key that the active window
  // uses itself (its File menu's Alt+F, the result window's Alt+B) is left to it.
  void FollowActiveWindow();

  struct AccessKeyed {
    QObject* Control;  // a QMenu or a QAbstractButton
    QString Text;      // with its access key
  };
  std::vector<AccessKeyed> access_keyed_;

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
  QMenu* file_menu_ = nullptr;
  QAction* print_action_ = nullptr;
  QAction* settings_action_ = nullptr;
  QAction* exit_action_ = nullptr;
  std::unique_ptr<VedicSession> vedic_;
  std::unique_ptr<WesternSession> western_;
  bool exiting_ = false;
  MoonModel moon_model_ = MoonModel::Standard;
};

}  // namespace lumora::ui
