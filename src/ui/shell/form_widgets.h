// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace lumora::ui {

// A field's caption, which also names the field for assistive technology.
QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent);

// A quiet note beside a group of fields ("HH/MM/SS"), in the theme's placeholder colour.
QLabel* Hint(const QString& text, QWidget* parent);

}  // namespace lumora::ui
