// SPDX-License-Identifier: MIT
#include "ui/common/list_type_ahead.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <string>
#include <vector>

#include "core/entry/date_lists.h"

namespace lumora::ui {

void ListTypeAhead::Install(QComboBox* list) {
  list->installEventFilter(new ListTypeAhead(list));
}

ListTypeAhead::ListTypeAhead(QComboBox* list) : QObject(list), list_(list) {}

bool ListTypeAhead::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list_ || event->type() != QEvent::KeyPress) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  // Printable keys without Ctrl or Alt only: shortcuts and navigation keep their meaning.
  if (text.size() != 1 || !text.at(0).isLetterOrNumber() ||
      (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
    return false;
  }
  const bool continues = since_last_key_.isValid() &&
                         since_last_key_.elapsed() < QApplication::keyboardInputInterval();
  since_last_key_.start();
  if (continues && Select(typed_ + text)) {
    typed_ += text;
    return true;
  }
  typed_ = text;
  Select(typed_);
  // A key that matches nothing is swallowed too, so that Qt's search cannot move on.
  return true;
}

bool ListTypeAhead::Select(const QString& typed) {
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(list_->count()));
  for (int i = 0; i < list_->count(); ++i) {
    entries.push_back(list_->itemText(i).toStdString());
  }
  const auto position = TypedEntryPosition(entries, typed.toStdString());
  if (!position) {
    return false;
  }
  list_->setCurrentIndex(*position);
  return true;
}

}  // namespace lumora::ui
