// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "ui/shell/services.h"

class QMainWindow;
class QMenu;

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
// The menu follows the language of the windows by itself.
void AddHelpMenu(QMainWindow& window, const Services& services);
// Sets the Help menu's texts in the current language.
void RetranslateHelpMenu(QMenu& help);

}  // namespace lumora::ui
