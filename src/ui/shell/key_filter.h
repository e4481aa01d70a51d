// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "core/entry/person_side.h"
#include "ui/shell/services.h"

class QWidget;

namespace lumora::ui {

// Filters the characters typed into a text box through a rule of the core: a
// refused key is swallowed and its message shown. Keys that type no printable
// character (arrows, Enter, Tab, Escape, Backspace) and shortcuts with Ctrl or Alt
// pass; a key whose text holds several characters is refused if any one is.
class KeyFilter : public QObject {
  Q_OBJECT
 public:
  using Rule = std::function<std::optional<std::string>(int key_code)>;
  KeyFilter(Rule rule, MessageService* messages, QObject* parent);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Rule rule_;
  MessageService* messages_;
};

// Installs a filter with the rule on the widget.
void FilterKeys(QWidget& widget, KeyFilter::Rule rule, MessageService* messages);

// Installs the key rule that the form gives the control; nothing for a control that
// takes any text.
void FilterFormKeys(QWidget& widget, FormKind form, FormControl control, MessageService* messages);

}  // namespace lumora::ui
