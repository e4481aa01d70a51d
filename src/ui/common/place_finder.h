// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/places/atlas.h"

class QCompleter;
class QLabel;
class QLineEdit;
class QListWidget;
class QStandardItemModel;

namespace lumora::ui {

// The place atlas of the running program, loaded once on a worker thread so that the
// forms open at once; Ready is emitted on the windows' thread when it can be searched.
class AtlasSource : public QObject {
  Q_OBJECT
 public:
  static AtlasSource& Shared();

  // The loaded atlas; nothing while loading or when the place data could not be read.
  std::shared_ptr<const Atlas> Loaded() const { return atlas_; }
  // Why there is no atlas, once loading has failed.
  QString Problem() const { return problem_; }
  // Blocks until loading has finished (for tests and for a search the user asked for).
  void Wait();

 signals:
  void Ready();

 private:
  AtlasSource();
  void Finish(FormResult<std::shared_ptr<const Atlas>> loaded);

  std::shared_ptr<const Atlas> atlas_;
  QString problem_;
  bool finished_ = false;
};

// "Pune, Maharashtra, India (18°31′N 73°51′E)".
QString PlaceEntryText(const Place& place);

// Completes a City box from the atlas once two letters or more are typed; choosing an
// entry hands out its place.
class PlaceCompleter : public QObject {
  Q_OBJECT
 public:
  PlaceCompleter(QLineEdit* city, const QString& object_name);

  QCompleter* Completer() const { return completer_; }

 signals:
  void PlaceChosen(const lumora::Place& place);

 private:
  void Update(const QString& text);

  QLineEdit* city_;
  QCompleter* completer_;
  QStandardItemModel* model_;
  std::vector<Place> places_;
};

// The place search of the "Click Here To Find Latitude & Longitude" button: a query box,
// pre-filled, and the places it finds.
class PlaceSearchDialog : public QDialog {
  Q_OBJECT
 public:
  PlaceSearchDialog(const QString& query, QWidget* parent = nullptr);

  // The place chosen when the dialog was accepted.
  std::optional<Place> ChosenPlace() const;

 private:
  void Search();

  QLineEdit* query_;
  QListWidget* results_;
  QLabel* status_;
  std::vector<Place> places_;
};

}  // namespace lumora::ui
