// SPDX-License-Identifier: MIT
#include "ui/shell/key_filter.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "core/entry/key_filters.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"

namespace lumora::ui {

KeyFilter::KeyFilter(Rule rule, MessageService* messages, QObject* parent)
    : QObject(parent), rule_(std::move(rule)), messages_(messages) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  // Enter, Return, Backspace, Tab and Escape carry control characters as their text
  // ("\r", "\b", "\t", "\x1b"); they type nothing, so no rule applies to them.
  const bool types_something =
      std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
  if (!types_something ||
      (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    return false;
  }
  // An input method or a dead key can deliver several characters in one event:
  // every one of them must pass, not only the first.
  std::optional<std::string> message;
  for (const QChar c : text) {
    if (c.isPrint() && (message = rule_(c.unicode()))) {
      break;
    }
  }
  if (message) {
    auto* widget = qobject_cast<QWidget*>(watched);
    messages_->Show(widget ? widget->window() : nullptr, MessageText(*message), MessageIcon::Error);
    if (widget) {
      widget->setFocus();
    }
    return true;
  }
  return false;
}

void FilterKeys(QWidget& widget, KeyFilter::Rule rule, MessageService* messages) {
  widget.installEventFilter(new KeyFilter(std::move(rule), messages, &widget));
}

void FilterFormKeys(QWidget& widget, FormKind form, FormControl control, MessageService* messages) {
  const std::optional<KeyRule> rule = KeyRuleOf(form, control);
  if (!rule) {
    return;
  }
  FilterKeys(
      widget, [form, rule = *rule](int key_code) { return RefuseKey(form, rule, key_code); },
      messages);
}

}  // namespace lumora::ui
