// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "ui/shell/services.h"

class QMainWindow;

namespace lumora::ui {

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

}  // namespace lumora::ui
