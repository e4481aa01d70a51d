// SPDX-License-Identifier: MIT
#include "ui/common/person_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "core/entry/date_lists.h"
#include "core/glossary/messages.h"
#include "core/places/place_form.h"
#include "core/text.h"
#include "core/western/western_form.h"
#include "ui/common/list_accessibility.h"
#include "ui/common/list_type_ahead.h"
#include "ui/common/place_finder.h"
#include "ui/shell/form_widgets.h"
#include "ui/shell/key_filter.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/window_placement.h"

namespace lumora::ui {

namespace {

// The texts in which the two forms' panels differ. The birth-details form speaks of a
// boy and a girl, the Western form of a male and a female person.
struct PanelTexts {
  const char* MaleCaption;
  const char* FemaleCaption;
  const char* MaleFrame;
  const char* FemaleFrame;
  const char* DateCaption;
  const char* BrowseText;
  const char* MaleBrowse;
  const char* FemaleBrowse;
  DateTimeList Hours;  // the birth-details form offers hour 24, the end of the day
};

// The texts are marked for translation and translated where they are shown.
constexpr PanelTexts kVedicTexts{
    QT_TRANSLATE_NOOP("lumora::ui::PersonPanel", "Boy's Details"),
    QT_TRANSLATE_NOOP("lumora::ui::PersonPanel", "Girl's Details"),
    "fraBoy",
    "fraGirl",
    QT_TRANSLATE_NOOP("lumora::ui::PersonPanel", "Birth Day:"),
    QT_TRANSLATE_NOOP("lumora::ui::PersonPanel", "Click Here To Find Latitude && Longitude"),
    "cmdMaleBrowse",
    "cmdFemaleBrowse",
    DateTimeList::HourThrough24};
constexpr PanelTexts kWesternTexts{
    QT_TRANSLATE_NOOP("lumora::ui::PersonPanel", "Male"),
    QT_TRANSLATE_NOOP("lumora::ui::PersonPanel", "Female"),
    "fraMale",
    "fraFemale",
    QT_TRANSLATE_NOOP("lumora::ui::PersonPanel", "Date of Birth:"),
    QT_TRANSLATE_NOOP("lumora::ui::PersonPanel", "Click here to find Latitude && Longitude"),
    "Command1",
    "Command2",
    DateTimeList::Hour};

// The longest text a latitude or longitude box takes, in both forms.
constexpr int kCoordinateMaxLength = kWesternCoordinateMaxLength;

QString Named(PersonSide side, FormControl control) {
  return ToQString(ControlName(side, control));
}

QString SideName(PersonSide side, const char* kind, const char* rest) {
  return QString::fromLatin1(kind) + QChar::fromLatin1(SideLetter(side)) +
         QString::fromLatin1(rest);
}

QComboBox* List(QWidget* parent, PersonSide side, FormControl control, DateTimeList list,
                const QString& accessible_name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(Named(side, control));
  box->setAccessibleName(accessible_name);
  for (const std::string& entry : DateTimeListEntries(list)) {
    box->addItem(ToQString(entry));
  }
  box->setCurrentIndex(0);
  ListTypeAhead::Install(box);
  return box;
}

// The direction options of a coordinate: the birth-details form names each option
// ("optMNorth"), the Western form names the pair and numbers its options ("optMLong_0").
QRadioButton* Option(QWidget* parent, FormKind form, PersonSide side, FormControl own,
                     FormControl pair, int index, const QString& caption,
                     const QString& description) {
  auto* option = new QRadioButton(caption, parent);
  option->setObjectName(form == FormKind::Vedic
                            ? Named(side, own)
                            : Named(side, pair) + QLatin1Char('_') + QString::number(index));
  option->setAccessibleDescription(description);
  return option;
}

void PairUp(QWidget* parent, QRadioButton* first, QRadioButton* second) {
  first->setChecked(true);
  auto* pair = new QButtonGroup(parent);
  pair->addButton(first, 0);
  pair->addButton(second, 1);
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) {
    row->addWidget(widget);
  }
  row->addStretch(1);
  return row;
}

void SelectText(QComboBox* box, const std::string& text) {
  const int at = box->findText(ToQString(text));
  box->setCurrentIndex(at >= 0 ? at : 0);
}

}  // namespace

PersonPanel::PersonPanel(FormKind form, PersonSide side, MessageService* messages, QWidget* window)
    : QObject(window), side_(side), form_(form), messages_(messages) {
  // Before the first list is asked for its accessible interface.
  AnnounceListsByName();
  const PanelTexts& texts = form == FormKind::Vedic ? kVedicTexts : kWesternTexts;
  const bool male = side == PersonSide::Male;
  frame_ = new QGroupBox(window);
  frame_->setObjectName(QString::fromLatin1(male ? texts.MaleFrame : texts.FemaleFrame));
  grid_ = new QGridLayout(frame_);

  using C = FormControl;
  name_ = AddTextBox(C::Name, QString());
  day_ = List(frame_, side, C::Day, DateTimeList::Day, QString());
  month_ = List(frame_, side, C::Month, DateTimeList::Month, QString());
  year_ = List(frame_, side, C::Year, DateTimeList::Year, QString());
  hour_ = List(frame_, side, C::Hour, texts.Hours, QString());
  minute_ = List(frame_, side, C::Minute, DateTimeList::Minute, QString());
  second_ = List(frame_, side, C::Second, DateTimeList::Second, QString());
  city_ = AddTextBox(C::City, QString());
  state_ = AddTextBox(C::State, QString());
  country_ = AddTextBox(C::Country, QString());
  browse_ = new QPushButton(frame_);
  browse_->setObjectName(QString::fromLatin1(male ? texts.MaleBrowse : texts.FemaleBrowse));
  browse_->setAutoDefault(false);
  lat_deg_ = AddTextBox(C::LatDeg, QString(), kCoordinateMaxLength);
  lat_min_ = AddTextBox(C::LatMin, QString(), kCoordinateMaxLength);
  north_ = Option(frame_, form, side, C::North, C::LatDirection, 0, QString(), QString());
  south_ = Option(frame_, form, side, C::South, C::LatDirection, 1, QString(), QString());
  PairUp(frame_, north_, south_);
  long_deg_ = AddTextBox(C::LongDeg, QString(), kCoordinateMaxLength);
  long_min_ = AddTextBox(C::LongMin, QString(), kCoordinateMaxLength);
  east_ = Option(frame_, form, side, C::East, C::LongDirection, 0, QString(), QString());
  west_ = Option(frame_, form, side, C::West, C::LongDirection, 1, QString(), QString());
  PairUp(frame_, east_, west_);
  zone_ahead_ = new QRadioButton(QString(), frame_);
  zone_ahead_->setObjectName(Named(side, C::ZoneAhead));
  zone_behind_ = new QRadioButton(QString(), frame_);
  zone_behind_->setObjectName(Named(side, C::ZoneBehind));
  PairUp(frame_, zone_ahead_, zone_behind_);

  if (form == FormKind::Vedic) {
    BuildColumns();
  } else {
    BuildRows();
  }
  Retranslate();
  OnLanguageChange(*frame_, [this] { Retranslate(); });

  connect(browse_, &QPushButton::clicked, this, &PersonPanel::LookUpPlace);
  auto* completer = new PlaceCompleter(city_, SideName(side, "cmp", "City"));
  connect(completer, &PlaceCompleter::PlaceChosen, this, &PersonPanel::FillFromPlace);
  // A date or time changed afterwards moves the atlas's clock with it.
  for (QComboBox* list : {day_, month_, year_, hour_, minute_}) {
    connect(list, &QComboBox::currentIndexChanged, this, &PersonPanel::RefreshClock);
  }
  connect(city_, &QLineEdit::textEdited, this, &PersonPanel::ForgetPlace);
  connect(east_, &QRadioButton::toggled, this, &PersonPanel::FollowLongitude);
  for (QRadioButton* option : {zone_ahead_, zone_behind_}) {
    connect(option, &QRadioButton::clicked, this, [this] { zone_direction_chosen_ = true; });
  }
}

void PersonPanel::Retranslate() {
  const PanelTexts& texts = form_ == FormKind::Vedic ? kVedicTexts : kWesternTexts;
  const bool male = side_ == PersonSide::Male;
  const QString caption = tr(male ? texts.MaleCaption : texts.FemaleCaption);
  frame_->setTitle(caption);
  frame_->setAccessibleName(caption);
  const auto name = [](QWidget* control, const QString& text) { control->setAccessibleName(text); };
  name(name_, tr("Name"));
  name(day_, tr("Birth Day"));
  name(month_, tr("Birth Month"));
  // The months in the reader's words; the form reads the position, never the words.
  const auto months = MonthWords(CurrentLanguage());
  for (int i = 0; i < month_->count() && i < static_cast<int>(months.size()); ++i) {
    month_->setItemText(i, Utf8(months[static_cast<std::size_t>(i)]));
  }
  name(year_, tr("Birth Year"));
  name(hour_, tr("Hour"));
  name(minute_, tr("Minute"));
  name(second_, tr("Second"));
  name(city_, tr("City"));
  name(state_, tr("State"));
  name(country_, tr("Country"));
  browse_->setText(tr(texts.BrowseText));
  browse_->setAccessibleName(tr("Find latitude and longitude"));
  browse_->setAccessibleDescription(tr("Opens the place search of the atlas"));
  name(lat_deg_, tr("Latitude degrees"));
  name(lat_min_, tr("Latitude minutes"));
  name(long_deg_, tr("Longitude degrees"));
  name(long_min_, tr("Longitude minutes"));
  north_->setText(tr("North"));
  south_->setText(tr("South"));
  east_->setText(tr("East"));
  west_->setText(tr("West"));
  for (QRadioButton* option : {north_, south_}) {
    option->setAccessibleDescription(tr("Latitude direction"));
  }
  for (QRadioButton* option : {east_, west_}) {
    option->setAccessibleDescription(tr("Longitude direction"));
  }
  zone_ahead_->setText(tr("Ahead of UTC"));
  zone_ahead_->setAccessibleName(tr("Time zone ahead of UTC"));
  zone_ahead_->setAccessibleDescription(tr("Time zone direction"));
  zone_behind_->setText(tr("Behind UTC"));
  zone_behind_->setAccessibleName(tr("Time zone behind UTC"));
  zone_behind_->setAccessibleDescription(tr("Time zone direction"));
  // A longer word than the English one keeps its room in the crowded coordinate rows.
  for (QRadioButton* option : {north_, south_, east_, west_, zone_ahead_, zone_behind_}) {
    option->setMinimumWidth(0);
    option->setMinimumWidth(option->sizeHint().width());
  }
  // What the fields before the hint hold, in their order.
  for (QLabel* hint : time_hints_) {
    hint->setText(tr("HH/MM/SS"));
  }
  for (QLabel* hint : degree_hints_) {
    hint->setText(tr("DEG/MIN"));
  }
  // The captions, found by the field each one names.
  const std::pair<QWidget*, QString> captions[] = {
      {name_, tr("Name:")},        {day_, tr(texts.DateCaption)}, {hour_, tr("Time Of Birth:")},
      {city_, tr("City:")},        {state_, tr("State:")},        {country_, tr("Country:")},
      {lat_deg_, tr("Latitude:")}, {long_deg_, tr("Longitude:")},
  };
  for (QLabel* label : frame_->findChildren<QLabel*>()) {
    for (const auto& [buddy, text] : captions) {
      if (label->buddy() == buddy) {
        label->setText(text);
      }
    }
  }
  if (clock_line_ != nullptr) {
    ShowClockLine(clock_line_->text());
  }
  if (reading_ != nullptr && reading_->isVisible()) {
    RefreshClock();
  }
}

void PersonPanel::ChooseZoneDirection(bool ahead) {
  (ahead ? zone_ahead_ : zone_behind_)->setChecked(true);
  zone_direction_chosen_ = true;
}

void PersonPanel::FollowLongitude() {
  if (!zone_direction_chosen_) {
    (west_->isChecked() ? zone_behind_ : zone_ahead_)->setChecked(true);
  }
}

void PersonPanel::ForgetPlace() {
  if (!place_filled_) {
    return;
  }
  place_filled_ = false;
  for (QLineEdit* box : {state_, country_, lat_deg_, lat_min_, long_deg_, long_min_}) {
    box->clear();
  }
  zone_direction_chosen_ = false;
  FollowLongitude();
  EndAtlasHold();
  emit PlaceForgotten();
}

// The birth-details form: five columns, the captions in the first, the date and time
// lists side by side in the next three, the notes in the last, which takes the slack.
void PersonPanel::BuildColumns() {
  QGridLayout* grid = grid_;
  int& row = row_;
  grid->addWidget(Caption(QString(), name_, frame_), row, 0);
  grid->addWidget(name_, row++, 1, 1, 4);

  grid->addWidget(Caption(QString(), day_, frame_), row, 0);
  grid->addWidget(day_, row, 1);
  grid->addWidget(month_, row, 2);
  grid->addWidget(year_, row++, 3);

  grid->addWidget(Caption(QString(), hour_, frame_), row, 0);
  grid->addWidget(hour_, row, 1);
  grid->addWidget(minute_, row, 2);
  grid->addWidget(second_, row, 3);
  grid->addWidget(time_hints_.emplace_back(Hint(QString(), frame_)), row++, 4);

  for (auto [label, edit] : {std::pair{QString(), city_}, std::pair{QString(), state_},
                             std::pair{QString(), country_}}) {
    grid->addWidget(Caption(label, edit, frame_), row, 0);
    grid->addWidget(edit, row++, 1, 1, 4);
  }
  grid->addWidget(browse_, row++, 1, 1, 4);

  for (auto [caption, degrees, minutes, first, second] :
       {std::tuple{QString(), lat_deg_, lat_min_, north_, south_},
        std::tuple{QString(), long_deg_, long_min_, east_, west_}}) {
    grid->addWidget(Caption(caption, degrees, frame_), row, 0);
    grid->addWidget(degrees, row, 1);
    grid->addWidget(minutes, row, 2);
    auto* options = new QHBoxLayout;
    options->addWidget(first);
    options->addWidget(second);
    options->addWidget(degree_hints_.emplace_back(Hint(QString(), frame_)));
    grid->addLayout(options, row++, 3, 1, 2);
  }
}

// The Western form: captions in the first column, each row's fields packed from the
// left of the second, which takes the slack.
void PersonPanel::BuildRows() {
  QGridLayout* grid = grid_;
  int& row = row_;
  grid->setColumnStretch(1, 1);
  auto add_row = [&](const QString& text, QWidget* buddy, QLayout* fields) {
    grid->addWidget(Caption(text, buddy, frame_), row, 0);
    grid->addLayout(fields, row++, 1);
  };
  auto add_wide = [&](const QString& text, QWidget* field) {
    grid->addWidget(Caption(text, field, frame_), row, 0);
    grid->addWidget(field, row++, 1);
  };
  add_wide(QString(), name_);
  add_row(QString(), day_, Row({day_, month_, year_}));
  add_row(QString(), hour_,
          Row({hour_, minute_, second_, time_hints_.emplace_back(Hint(QString(), frame_))}));
  add_wide(QString(), city_);
  add_wide(QString(), state_);
  add_wide(QString(), country_);
  grid->addLayout(Row({browse_}), row++, 1);
  for (auto [caption, degrees, minutes, first, second] :
       {std::tuple{QString(), lat_deg_, lat_min_, north_, south_},
        std::tuple{QString(), long_deg_, long_min_, east_, west_}}) {
    QHBoxLayout* fields =
        Row({degrees, minutes, degree_hints_.emplace_back(Hint(QString(), frame_)), first, second});
    fields->insertSpacing(3, 12);
    add_row(caption, degrees, fields);
  }
}

void PersonPanel::AddClockRows() {
  // Both arrangements put the clock under the fields, beside no caption.
  const int span = form_ == FormKind::Vedic ? 4 : 1;
  clock_line_ = new QLabel(frame_);
  clock_line_->setObjectName(SideName(side_, "lbl", "Clock"));
  clock_line_->setAccessibleName(tr("Clock of the birth place"));
  clock_line_->setWordWrap(true);
  // Room for a caution's second line, so that the form keeps its size as the clock changes;
  // a longer line takes the lines it needs (FitClockLine).
  clock_line_->setMinimumHeight(2 * clock_line_->fontMetrics().lineSpacing());
  clock_line_->installEventFilter(this);
  clock_line_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  clock_line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid_->addWidget(clock_line_, row_++, 1, 1, span);
  reading_ = new QComboBox(frame_);
  reading_->setObjectName(SideName(side_, "cbo", "ClockReading"));
  reading_->setAccessibleName(tr("Which reading of the repeated hour"));
  reading_->setVisible(false);
  grid_->addWidget(reading_, row_++, 1, 1, span);
  if (form_ == FormKind::Vedic) {
    grid_->setColumnStretch(4, 1);
  } else {
    grid_->setRowStretch(row_, 1);
  }
  connect(reading_, &QComboBox::activated, this, &PersonPanel::RefreshClock);
}

QLineEdit* PersonPanel::AddTextBox(FormControl control, const QString& accessible_name,
                                   int max_length) {
  auto* edit = new QLineEdit(frame_);
  edit->setObjectName(Named(side_, control));
  edit->setAccessibleName(accessible_name);
  if (max_length > 0) {
    edit->setMaxLength(max_length);
    if (form_ == FormKind::Vedic) {
      edit->setMaximumWidth(64);
    } else {
      edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    }
  }
  FilterFormKeys(*edit, form_, control, messages_);
  return edit;
}

std::vector<QWidget*> PersonPanel::TabChain() const {
  return {name_,  day_,      month_,    year_,   hour_,    minute_,  second_,
          city_,  state_,    country_,  browse_, lat_deg_, lat_min_, north_,
          south_, long_deg_, long_min_, east_,   west_};
}

QComboBox* PersonPanel::ReadingList() const {
  return reading_;
}

PersonEntries PersonPanel::Entries() const {
  PersonEntries out;
  out.Name = name_->text().toStdString();
  out.Day = day_->currentText().toStdString();
  out.Month =
      std::string(kMonthNames[static_cast<std::size_t>(std::max(0, month_->currentIndex()))]);
  out.Year = year_->currentText().toStdString();
  out.Hour = hour_->currentText().toStdString();
  out.Minute = minute_->currentText().toStdString();
  out.Second = second_->currentText().toStdString();
  out.City = city_->text().toStdString();
  out.State = state_->text().toStdString();
  out.Country = country_->text().toStdString();
  out.LatDeg = lat_deg_->text().toStdString();
  out.LatMin = lat_min_->text().toStdString();
  out.North = north_->isChecked();
  out.South = south_->isChecked();
  out.LongDeg = long_deg_->text().toStdString();
  out.LongMin = long_min_->text().toStdString();
  out.East = east_->isChecked();
  out.West = west_->isChecked();
  out.ZoneAhead = zone_ahead_->isChecked();
  out.ZoneBehind = zone_behind_->isChecked();
  out.TimeZoneId = time_zone_id_;
  if (const QVariant choice = reading_->currentData(); choice.isValid()) {
    out.ClockReading = static_cast<ClockChoice>(choice.toInt());
  }
  return out;
}

void PersonPanel::SetEntries(const PersonEntries& in) {
  // No zone is followed while the entries are written, so no clock of the earlier
  // entries reaches the form's zone boxes.
  EndAtlasHold();
  name_->setText(ToQString(in.Name));
  SelectText(day_, in.Day);
  month_->setCurrentIndex(MonthNumber(in.Month).value_or(1) - 1);
  SelectText(year_, in.Year);
  SelectText(hour_, in.Hour);
  SelectText(minute_, in.Minute);
  SelectText(second_, in.Second);
  city_->setText(ToQString(in.City));
  state_->setText(ToQString(in.State));
  country_->setText(ToQString(in.Country));
  lat_deg_->setText(ToQString(in.LatDeg));
  lat_min_->setText(ToQString(in.LatMin));
  north_->setChecked(in.North);
  south_->setChecked(in.South);
  long_deg_->setText(ToQString(in.LongDeg));
  long_min_->setText(ToQString(in.LongMin));
  east_->setChecked(in.East);
  west_->setChecked(in.West);
  // Entries without a zone direction (written before there was one) keep the zone on the
  // longitude's side.
  zone_direction_chosen_ = false;
  if (const auto ahead = ZoneDirection(in)) {
    ChooseZoneDirection(*ahead);
  } else {
    FollowLongitude();
  }
  place_filled_ = !in.TimeZoneId.empty();
  // Entries that name a zone (a reopened couple file) take their clock from it again,
  // with the reading of a repeated hour that was chosen.
  if (!in.TimeZoneId.empty()) {
    time_zone_id_ = in.TimeZoneId;
    if (in.ClockReading) {
      // RefreshClock keeps the current reading when it offers the two again.
      reading_->addItem(QString(), static_cast<int>(*in.ClockReading));
    }
    RefreshClock();
  }
}

void PersonPanel::FillFromPlace(const Place& place) {
  city_->setText(ToQString(place.Name));
  state_->setText(ToQString(place.State));
  country_->setText(ToQString(place.Country));
  const CoordinateFormValues c = CoordinatesOf(place);
  lat_deg_->setText(QString::number(c.LatDeg));
  lat_min_->setText(QString::number(c.LatMin));
  (c.North ? north_ : south_)->setChecked(true);
  long_deg_->setText(QString::number(c.LongDeg));
  long_min_->setText(QString::number(c.LongMin));
  (c.East ? east_ : west_)->setChecked(true);
  time_zone_id_ = place.TimeZone;
  place_filled_ = true;
  RefreshClock();
}

void PersonPanel::EndAtlasHold() {
  time_zone_id_.clear();
  ShowClockLine(QString());
  reading_->clear();
  reading_->setVisible(false);
}

LocalDateTime PersonPanel::EnteredTime() const {
  const auto number = [](const QComboBox* list) {
    return ParseInteger(list->currentText().toStdString()).value_or(0);
  };
  return {number(year_), month_->currentIndex() + 1, number(day_), number(hour_), number(minute_)};
}

void PersonPanel::RefreshClock() {
  if (time_zone_id_.empty()) {
    return;
  }
  const LocalDateTime when = EnteredTime();
  const auto clock = ReadZoneClock(time_zone_id_, when);
  const auto* zone = std::get_if<ZoneClock>(&clock);
  // Which reading of a repeated hour: asked beside the clock only where there are two.
  const bool repeated = zone && zone->Readings.size() == 2;
  {
    const QSignalBlocker quiet(reading_);
    const QVariant kept = reading_->currentData();
    reading_->clear();
    if (repeated) {
      reading_->addItem(tr("This hour occurred twice: choose which"));
      reading_->addItem(tr("Earlier, %1 %2 (daylight time)")
                            .arg(ToQString(zone->Readings[0].Abbreviation),
                                 ToQString(FormatUtcOffset(zone->Readings[0].UtcOffsetSeconds))),
                        static_cast<int>(ClockChoice::Earlier));
      reading_->addItem(tr("Later, %1 %2 (standard time)")
                            .arg(ToQString(zone->Readings[1].Abbreviation),
                                 ToQString(FormatUtcOffset(zone->Readings[1].UtcOffsetSeconds))),
                        static_cast<int>(ClockChoice::Later));
      if (kept.isValid()) {
        reading_->setCurrentIndex(reading_->findData(kept));
      }
    }
  }
  reading_->setVisible(repeated);

  const auto reading = ReadPersonClock(time_zone_id_, when, Entries().ClockReading, std::nullopt);
  if (const auto* failure = std::get_if<FormFailure>(&reading)) {
    ShowClockLine(MessageText(failure->Message));
    return;
  }
  const PersonClock& person = std::get<PersonClock>(reading);
  emit ClockFollowed(person);
  ShowClockLine(ToQString(DescribeClock(person)));
}

bool PersonPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == clock_line_ && event->type() == QEvent::Resize) {
    FitClockLine();
  }
  return QObject::eventFilter(watched, event);
}

// A layout gives a wrapped label the height of its size hint, not the height its text
// needs at the width it gets: a caution with a named period in the narrower Western panel
// runs to a third line, which would be cut off. The line asks for what its text needs at
// its width, never less than two lines; the form grows by what is asked beyond them.
void PersonPanel::FitClockLine() {
  const int least = 2 * clock_line_->fontMetrics().lineSpacing();
  const int needed =
      clock_line_->width() > 0 ? clock_line_->heightForWidth(clock_line_->width()) : least;
  const int height = std::max(least, needed);
  if (clock_line_->minimumHeight() != height) {
    clock_line_->setMinimumHeight(height);
    // Once the layouts have taken the new height in.
    QTimer::singleShot(0, this, [this] { GrowToHold(*clock_line_); });
  }
}

void PersonPanel::ShowClockLine(const QString& text) {
  clock_line_->setText(text);
  FitClockLine();
  // A screen reader reads a label by its name: the name carries what the line says.
  clock_line_->setAccessibleName(text.isEmpty() ? tr("Clock of the birth place")
                                                : tr("Clock of the birth place: %1").arg(text));
}

void PersonPanel::LookUpPlace() {
  PlaceSearchDialog dialog(city_->text(), frame_->window());
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  if (const auto place = dialog.ChosenPlace()) {
    FillFromPlace(*place);
  }
}

void SetTabOrder(const std::vector<QWidget*>& order) {
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
}

}  // namespace lumora::ui
