// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "ui/shell/services.h"

namespace lumora::ui {

// The program's icon, its closing words and links to the home page and the bundled
// help: the result window's "About Software" tab and the last page of every rashi and
// nakshatra strip. Named "fra<name>Software".
class AboutPage : public QWidget {
  Q_OBJECT
 public:
  AboutPage(const Services& services, const QString& name, QWidget* parent = nullptr);
};

}  // namespace lumora::ui
