// SPDX-License-Identifier: MIT
#include "ui/common/place_finder.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QStandardItemModel>
#include <QThread>
#include <QVBoxLayout>
#include <cmath>

#include "core/places/place_form.h"
#include "ui/shell/language_choice.h"

namespace lumora::ui {

namespace {

constexpr int kMinimumLetters = 2;
constexpr int kCompleterPlaces = 10;
constexpr int kDialogPlaces = 50;

QString Coordinate(int degrees, int minutes, QChar direction) {
  return QStringLiteral("%1\u00B0%2\u2032%3")
      .arg(degrees)
      .arg(minutes, 2, 10, QLatin1Char('0'))
      .arg(direction);
}

}  // namespace

AtlasSource& AtlasSource::Shared() {
  static auto* source = new AtlasSource;  // lives as long as the program
  return *source;
}

AtlasSource::AtlasSource() {
  QThread* worker = QThread::create([this] {
    auto loaded = Atlas::LoadInstalled();
    QMetaObject::invokeMethod(
        this, [this, loaded = std::move(loaded)]() mutable { Finish(std::move(loaded)); },
        Qt::QueuedConnection);
  });
  connect(worker, &QThread::finished, worker, &QObject::deleteLater);
  worker->start(QThread::LowPriority);
}

void AtlasSource::Finish(FormResult<std::shared_ptr<const Atlas>> loaded) {
  if (auto* atlas = std::get_if<std::shared_ptr<const Atlas>>(&loaded)) {
    atlas_ = std::move(*atlas);
  } else {
    problem_ = MessageText(std::get<FormFailure>(loaded).Message);
  }
  finished_ = true;
  emit Ready();
}

void AtlasSource::Wait() {
  while (!finished_) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
}

QString PlaceEntryText(const Place& place) {
  const CoordinateFormValues c = CoordinatesOf(place);
  return QStringLiteral("%1 (%2 %3)")
      .arg(QString::fromStdString(PlaceTitle(place)),
           Coordinate(c.LatDeg, c.LatMin, c.North ? QLatin1Char('N') : QLatin1Char('S')),
           Coordinate(c.LongDeg, c.LongMin, c.East ? QLatin1Char('E') : QLatin1Char('W')));
}

PlaceCompleter::PlaceCompleter(QLineEdit* city, const QString& object_name)
    : QObject(city),
      city_(city),
      completer_(new QCompleter(this)),
      model_(new QStandardItemModel(this)) {
  setObjectName(object_name);
  completer_->setObjectName(object_name);
  completer_->setModel(model_);
  // The atlas has already chosen and ordered the places: show them as they come.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setWidget(city_);
  completer_->popup()->setObjectName(object_name + QStringLiteral("Popup"));
  completer_->popup()->setAccessibleName(tr("Places matching the city"));
  connect(city_, &QLineEdit::textEdited, this, &PlaceCompleter::Update);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) {
            const int row = index.row();
            if (row >= 0 && row < static_cast<int>(places_.size())) {
              emit PlaceChosen(places_[static_cast<std::size_t>(row)]);
            }
          });
  connect(&AtlasSource::Shared(), &AtlasSource::Ready, this, [this] {
    if (city_->hasFocus()) {
      Update(city_->text());
    }
  });
}

void PlaceCompleter::Update(const QString& text) {
  const auto atlas = AtlasSource::Shared().Loaded();
  places_.clear();
  if (atlas && text.trimmed().size() >= kMinimumLetters) {
    places_ = atlas->Search(text.toStdString(), kCompleterPlaces);
  }
  model_->clear();
  for (const Place& place : places_) {
    model_->appendRow(new QStandardItem(PlaceEntryText(place)));
  }
  if (places_.empty()) {
    completer_->popup()->hide();
    return;
  }
  completer_->complete();
}

PlaceSearchDialog::PlaceSearchDialog(const QString& query, QWidget* parent)
    : QDialog(parent),
      query_(new QLineEdit(query, this)),
      results_(new QListWidget(this)),
      status_(new QLabel(this)) {
  setObjectName(QStringLiteral("dlgPlaceSearch"));
  setWindowTitle(tr("Find Latitude & Longitude"));
  setAccessibleName(windowTitle());
  query_->setObjectName(QStringLiteral("txtPlaceQuery"));
  query_->setAccessibleName(tr("Place to find"));
  query_->setPlaceholderText(tr("Town or city, then a comma and the state or country"));
  results_->setObjectName(QStringLiteral("lstPlaces"));
  results_->setAccessibleName(tr("Places found"));
  status_->setObjectName(QStringLiteral("lblPlaceStatus"));
  status_->setAccessibleName(tr("Search status"));
  status_->setWordWrap(true);
  auto* caption = new QLabel(tr("&Place:"), this);
  caption->setBuddy(query_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("btnPlaceSearch"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdPlaceOk"));
  buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Use this place"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdPlaceCancel"));
  buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(query_);
  layout->addWidget(results_, 1);
  layout->addWidget(status_);
  layout->addWidget(buttons);
  resize(520, 380);

  connect(query_, &QLineEdit::textChanged, this, &PlaceSearchDialog::Search);
  connect(results_, &QListWidget::itemActivated, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(&AtlasSource::Shared(), &AtlasSource::Ready, this, &PlaceSearchDialog::Search);
  Search();
}

void PlaceSearchDialog::Search() {
  const auto atlas = AtlasSource::Shared().Loaded();
  results_->clear();
  places_.clear();
  if (!atlas) {
    const QString problem = AtlasSource::Shared().Problem();
    status_->setText(problem.isEmpty() ? tr("Loading the places...") : problem);
    return;
  }
  places_ = atlas->Search(query_->text().toStdString(), kDialogPlaces);
  for (const Place& place : places_) {
    results_->addItem(PlaceEntryText(place));
  }
  if (!places_.empty()) {
    results_->setCurrentRow(0);
  }
  status_->setText(places_.empty()
                       ? tr("No place found. Check the spelling, or leave out the "
                            "words after the comma.")
                       : tr("%n place(s) found.", nullptr, static_cast<int>(places_.size())));
}

std::optional<Place> PlaceSearchDialog::ChosenPlace() const {
  const int row = results_->currentRow();
  if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(places_.size())) {
    return std::nullopt;
  }
  return places_[static_cast<std::size_t>(row)];
}

}  // namespace lumora::ui
