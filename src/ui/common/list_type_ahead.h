// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace lumora::ui {

// Typing on a closed date or time list selects what was typed: "1" picks 1 in a day list
// (Qt's own search would move on to 10), "1" then "2" picks 12, "2" in an hour list
// showing 8 picks 2. Keys typed within the desktop's keyboard interval add up; a key that
// would match nothing starts afresh.
class ListTypeAhead : public QObject {
  Q_OBJECT
 public:
  // Installs itself on the list, which owns it.
  static void Install(QComboBox* list);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit ListTypeAhead(QComboBox* list);
  bool Select(const QString& typed);

  QComboBox* list_;
  QString typed_;
  QElapsedTimer since_last_key_;
};

}  // namespace lumora::ui
