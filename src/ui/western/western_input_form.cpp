// SPDX-License-Identifier: MIT
#include "ui/western/western_input_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/entry/time_zones.h"
#include "core/places/clock.h"
#include "core/places/place_form.h"
#include "core/text.h"
#include "ui/common/place_finder.h"
#include "ui/shell/form_widgets.h"
#include "ui/shell/key_filter.h"
#include "ui/shell/main_window.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/services.h"

#include "core/entry/date_lists.h"
#include "core/entry/key_filters.h"
#include "core/entry/time_zones.h"

namespace lumora::ui {

namespace {

QString ObjectName(WesternSide side, WesternControl control) {
  return ToQString(ControlName(side, control));
}

// The two options of a direction pair are the pair's name with "_0" and "_1".
QString OptionName(WesternSide side, WesternControl pair, int index) {
  return ObjectName(side, pair) + QLatin1Char('_') + QString::number(index);
}

QComboBox* List(QWidget* parent, WesternSide side, WesternControl control,
                const std::vector<std::string>& entries, const QString& accessible_name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(ObjectName(side, control));
  box->setAccessibleName(accessible_name);
  for (const std::string& entry : entries) {
    box->addItem(ToQString(entry));
  }
  box->setCurrentIndex(0);
  return box;
}

QRadioButton* Option(QWidget* parent, WesternSide side, WesternControl pair, int index,
                     const QString& caption, const QString& description) {
  auto* option = new QRadioButton(caption, parent);
  option->setObjectName(OptionName(side, pair, index));
  option->setAccessibleDescription(description);
  return option;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) {
    row->addWidget(widget);
  }
  row->addStretch(1);
  return row;
}

}  // namespace

WesternInputForm::WesternInputForm(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("frmPenrowMatch"));
  setWindowTitle(QStringLiteral("Lumo Penrow Software"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/western.svg")));

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* calculate_item = file->addAction(tr("&Analyze Compatibility"));
  calculate_item->setObjectName(QStringLiteral("mnuCalculate"));
  file->addSeparator();
  QAction* exit_item = file->addAction(tr("&Exit"));
  exit_item->setObjectName(QStringLiteral("mnuExit"));
  AddHelpMenu(*this, services_);

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);

  auto* panels = new QHBoxLayout;
  panels->addWidget(BuildPanel(male_, WesternSide::Male));
  panels->addWidget(BuildPanel(female_, WesternSide::Female));
  layout->addLayout(panels);

  // The doubled ampersands of the caption show as one, as on the buttons.
  auto* help = new QLabel(PlaceLookupHint(), central);
  help->setObjectName(QStringLiteral("lblHelp"));
  help->setWordWrap(true);
  layout->addWidget(help);

  auto* commands = new QHBoxLayout;
  auto* calculate = new QPushButton(QStringLiteral("Analyze Compatibility"), central);
  calculate->setObjectName(QStringLiteral("cmdCalculate"));
  auto* close_form = new QPushButton(QStringLiteral("Exit"), central);
  close_form->setObjectName(QStringLiteral("cmdNav"));
  commands->addWidget(calculate);
  commands->addStretch(1);
  commands->addWidget(close_form);
  layout->addLayout(commands);

  connect(calculate, &QPushButton::clicked, this, &WesternInputForm::CalculateRequested);
  connect(calculate_item, &QAction::triggered, this, &WesternInputForm::CalculateRequested);
  connect(close_form, &QPushButton::clicked, this, &QWidget::close);
  connect(exit_item, &QAction::triggered, this, &QWidget::close);

  // Tab order: the male panel from top to bottom, the female panel, then the commands.
  QWidget* previous = nullptr;
  for (const Panel* p : {&male_, &female_}) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             p->Name,  p->Day,     p->Month,   p->Year,   p->Hour,   p->Minute,   p->Second,
             p->City,  p->State,   p->Country, p->LookUp, p->LatDeg, p->LatMin,   p->North,
             p->South, p->LongDeg, p->LongMin, p->East,   p->West,   p->TimeZone, p->DST}) {
      if (previous) {
        setTabOrder(previous, w);
      }
      previous = w;
    }
  }
  setTabOrder(previous, calculate);
  setTabOrder(calculate, close_form);
  male_.Name->setFocus();
}

QLineEdit* WesternInputForm::TextBox(QWidget* parent, WesternSide side, WesternControl control,
                                     const QString& accessible_name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(ObjectName(side, control));
  edit->setAccessibleName(accessible_name);
  if (KeyRuleOf(FormKind::Western, control) == KeyRule::Digits) {
    edit->setMaxLength(kWesternCoordinateMaxLength);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
  }
  FilterFormKeys(*edit, FormKind::Western, control, services_.Messages);
  return edit;
}

QGroupBox* WesternInputForm::BuildPanel(Panel& p, WesternSide side) {
  const bool male = side == WesternSide::Male;
  const QString caption = male ? QStringLiteral("Male") : QStringLiteral("Female");
  auto* frame = new QGroupBox(caption, this);
  frame->setObjectName(male ? QStringLiteral("fraMale") : QStringLiteral("fraFemale"));
  frame->setAccessibleName(caption);
  p.Frame = frame;
  auto* grid = new QGridLayout(frame);
  grid->setColumnStretch(1, 1);
  int row = 0;
  auto add_row = [grid, frame, &row](const QString& text, QWidget* buddy, QLayout* fields) {
    grid->addWidget(Caption(text, buddy, frame), row, 0);
    grid->addLayout(fields, row++, 1);
  };
  auto add_wide = [grid, frame, &row](const QString& text, QWidget* field) {
    if (!text.isEmpty()) {
      grid->addWidget(Caption(text, field, frame), row, 0);
    }
    grid->addWidget(field, row++, 1);
  };

  using C = WesternControl;
  p.Name = TextBox(frame, side, C::Name, tr("Name"));
  add_wide(QStringLiteral("Name:"), p.Name);

  p.Day = List(frame, side, C::Day, DateTimeListEntries(DateTimeList::Day), tr("Birth Day"));
  p.Month =
      List(frame, side, C::Month, DateTimeListEntries(DateTimeList::Month), tr("Birth Month"));
  p.Year = List(frame, side, C::Year, DateTimeListEntries(DateTimeList::Year), tr("Birth Year"));
  add_row(QStringLiteral("Date of Birth:"), p.Day, Row({p.Day, p.Month, p.Year}));

  p.Hour = List(frame, side, C::Hour, DateTimeListEntries(DateTimeList::Hour), tr("Hour"));
  p.Minute = List(frame, side, C::Minute, DateTimeListEntries(DateTimeList::Minute), tr("Minute"));
  p.Second = List(frame, side, C::Second, DateTimeListEntries(DateTimeList::Second), tr("Second"));
  add_row(QStringLiteral("Time Of Birth:"), p.Hour,
          Row({p.Hour, p.Minute, p.Second, Hint(QStringLiteral("HH/MM/SS"), frame)}));

  p.City = TextBox(frame, side, C::City, tr("City"));
  add_wide(QStringLiteral("City:"), p.City);
  p.State = TextBox(frame, side, C::State, tr("State"));
  add_wide(QStringLiteral("State:"), p.State);
  p.Country = TextBox(frame, side, C::Country, tr("Country"));
  add_wide(QStringLiteral("Country:"), p.Country);

  p.LookUp = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), frame);
  p.LookUp->setObjectName(male ? QStringLiteral("Command1") : QStringLiteral("Command2"));
  p.LookUp->setAccessibleName(tr("Find latitude and longitude"));
  p.LookUp->setAccessibleDescription(tr("Opens the place search of the atlas"));
  p.LookUp->setAutoDefault(false);
  grid->addLayout(Row({p.LookUp}), row++, 1);

  p.LatDeg = TextBox(frame, side, C::LatDeg, tr("Latitude degrees"));
  p.LatMin = TextBox(frame, side, C::LatMin, tr("Latitude minutes"));
  p.North =
      Option(frame, side, C::LatDirection, 0, QStringLiteral("North"), tr("Latitude direction"));
  p.South =
      Option(frame, side, C::LatDirection, 1, QStringLiteral("South"), tr("Latitude direction"));
  p.North->setChecked(true);
  auto* latitude_pair = new QButtonGroup(frame);
  latitude_pair->addButton(p.North, 0);
  latitude_pair->addButton(p.South, 1);
  QHBoxLayout* latitude =
      Row({p.LatDeg, p.LatMin, Hint(QStringLiteral("DEG/MIN"), frame), p.North, p.South});
  latitude->insertSpacing(3, 12);
  add_row(QStringLiteral("Latitude:"), p.LatDeg, latitude);

  p.LongDeg = TextBox(frame, side, C::LongDeg, tr("Longitude degrees"));
  p.LongMin = TextBox(frame, side, C::LongMin, tr("Longitude minutes"));
  p.East =
      Option(frame, side, C::LongDirection, 0, QStringLiteral("East"), tr("Longitude direction"));
  p.West =
      Option(frame, side, C::LongDirection, 1, QStringLiteral("West"), tr("Longitude direction"));
  p.East->setChecked(true);
  auto* longitude_pair = new QButtonGroup(frame);
  longitude_pair->addButton(p.East, 0);
  longitude_pair->addButton(p.West, 1);
  QHBoxLayout* longitude =
      Row({p.LongDeg, p.LongMin, Hint(QStringLiteral("DEG/MIN"), frame), p.East, p.West});
  longitude->insertSpacing(3, 12);
  add_row(QStringLiteral("Longitude:"), p.LongDeg, longitude);

  p.TimeZone = List(frame, side, C::TimeZone, TimeZoneEntryTexts(), tr("Time Zone"));
  // Wide enough for the longest row, so that every zone reads in full.
  p.TimeZone->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  add_wide(QStringLiteral("Time Zone:"), p.TimeZone);

  p.DST = new QCheckBox(QStringLiteral("Daylight Saving Time"), frame);
  p.DST->setObjectName(ObjectName(side, C::DST));
  grid->addWidget(p.DST, row++, 1);
  const QString prefix = male ? QStringLiteral("M") : QStringLiteral("F");
  p.ClockLine = new QLabel(frame);
  p.ClockLine->setObjectName(QStringLiteral("lbl") + prefix + QStringLiteral("Clock"));
  p.ClockLine->setAccessibleName(tr("Clock of the birth place"));
  p.ClockLine->setWordWrap(true);
  // Room for a caution's second line, so that the form keeps its size as the clock changes.
  p.ClockLine->setMinimumHeight(2 * p.ClockLine->fontMetrics().lineSpacing());
  p.ClockLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(p.ClockLine, row++, 1);
  p.Reading = new QComboBox(frame);
  p.Reading->setObjectName(QStringLiteral("cbo") + prefix + QStringLiteral("ClockReading"));
  p.Reading->setAccessibleName(tr("Which reading of the repeated hour"));
  p.Reading->setVisible(false);
  grid->addWidget(p.Reading, row++, 1);
  grid->setRowStretch(row, 1);

  Panel* panel = &p;
  connect(p.LookUp, &QPushButton::clicked, this,
          [this, panel, side] { LookUpPlace(*panel, side); });
  auto* completer =
      new PlaceCompleter(p.City, QStringLiteral("cmp") + prefix + QStringLiteral("City"));
  connect(completer, &PlaceCompleter::PlaceChosen, this,
          [this, side](const Place& place) { FillFromPlace(side, place); });
  for (QComboBox* list : {p.Day, p.Month, p.Year, p.Hour, p.Minute}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this, panel] { RefreshClock(*panel); });
  }
  // A zone chosen or a box ticked by hand always wins over the atlas.
  connect(p.TimeZone, &QComboBox::activated, this, [this, panel] { EndAtlasHold(*panel); });
  connect(p.DST, &QCheckBox::clicked, this, [this, panel] { EndAtlasHold(*panel); });
  connect(p.Reading, &QComboBox::activated, this, [this, panel] { RefreshClock(*panel); });
  return frame;
}

WesternFormSide WesternInputForm::Read(const Panel& p) {
  WesternFormSide out;
  out.Name = p.Name->text().toStdString();
  out.Day = p.Day->currentText().toStdString();
  out.Month = p.Month->currentText().toStdString();
  out.Year = p.Year->currentText().toStdString();
  out.Hour = p.Hour->currentText().toStdString();
  out.Minute = p.Minute->currentText().toStdString();
  out.Second = p.Second->currentText().toStdString();
  out.City = p.City->text().toStdString();
  out.State = p.State->text().toStdString();
  out.Country = p.Country->text().toStdString();
  out.LatDeg = p.LatDeg->text().toStdString();
  out.LatMin = p.LatMin->text().toStdString();
  out.LongDeg = p.LongDeg->text().toStdString();
  out.LongMin = p.LongMin->text().toStdString();
  out.North = p.North->isChecked();
  out.South = p.South->isChecked();
  out.East = p.East->isChecked();
  out.West = p.West->isChecked();
  out.TimeZoneRow = p.TimeZone->currentIndex();
  out.DST = p.DST->isChecked();
  out.TimeZoneId = p.TimeZoneId;
  if (const QVariant choice = p.Reading->currentData(); choice.isValid()) {
    out.ClockReading = static_cast<ClockChoice>(choice.toInt());
  }
  return out;
}

WesternForm WesternInputForm::Entries() const {
  return {Read(male_), Read(female_)};
}

void WesternInputForm::Apply(const WesternFormMessage& message) {
  if (message.Control.empty()) {
    return;
  }
  const QString name = ToQString(message.Control);
  QWidget* target = findChild<QWidget*>(name);
  if (target == nullptr) {
    // An option pair: its preset option is selected.
    auto* preset = findChild<QRadioButton*>(name + QStringLiteral("_0"));
    if (preset == nullptr) {
      return;
    }
    preset->setChecked(true);
    target = preset;
  }
  target->setFocus(Qt::OtherFocusReason);
}

void WesternInputForm::LookUpPlace(Panel& panel, WesternSide side) {
  PlaceSearchDialog dialog(panel.City->text(), this);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  if (const auto place = dialog.ChosenPlace()) {
    FillFromPlace(side, *place);
  }
}

void WesternInputForm::FillFromPlace(WesternSide side, const Place& place) {
  Panel& p = side == WesternSide::Male ? male_ : female_;
  p.City->setText(ToQString(place.Name));
  p.State->setText(ToQString(place.State));
  p.Country->setText(ToQString(place.Country));
  const CoordinateFormValues c = CoordinatesOf(place);
  p.LatDeg->setText(QString::number(c.LatDeg));
  p.LatMin->setText(QString::number(c.LatMin));
  (c.North ? p.North : p.South)->setChecked(true);
  p.LongDeg->setText(QString::number(c.LongDeg));
  p.LongMin->setText(QString::number(c.LongMin));
  (c.East ? p.East : p.West)->setChecked(true);
  p.TimeZoneId = place.TimeZone;
  RefreshClock(p);
}

void WesternInputForm::RefreshClock(Panel& p) {
  if (p.TimeZoneId.empty()) {
    return;
  }
  const WesternFormSide entries = Read(p);
  const auto number = [](const std::string& text) { return ParseInteger(text).value_or(0); };
  const LocalDateTime when{number(entries.Year), p.Month->currentIndex() + 1, number(entries.Day),
                           number(entries.Hour), number(entries.Minute)};
  const auto clock = ReadZoneClock(p.TimeZoneId, when);
  const auto* zone = std::get_if<ZoneClock>(&clock);
  const bool repeated = zone && zone->Readings.size() == 2;
  {
    const QSignalBlocker quiet(p.Reading);
    const QVariant kept = p.Reading->currentData();
    p.Reading->clear();
    if (repeated) {
      p.Reading->addItem(tr("This hour occurred twice: choose which"));
      p.Reading->addItem(tr("Earlier, %1 %2 (daylight time)")
                             .arg(ToQString(zone->Readings[0].Abbreviation),
                                  ToQString(FormatUtcOffset(zone->Readings[0].UtcOffsetSeconds))),
                         static_cast<int>(ClockChoice::Earlier));
      p.Reading->addItem(tr("Later, %1 %2 (standard time)")
                             .arg(ToQString(zone->Readings[1].Abbreviation),
                                  ToQString(FormatUtcOffset(zone->Readings[1].UtcOffsetSeconds))),
                         static_cast<int>(ClockChoice::Later));
      if (kept.isValid()) {
        p.Reading->setCurrentIndex(p.Reading->findData(kept));
      }
    }
  }
  p.Reading->setVisible(repeated);

  const auto reading = ReadPersonClock(p.TimeZoneId, when, Read(p).ClockReading, "");
  if (const auto* failure = std::get_if<FormFailure>(&reading)) {
    p.ClockLine->setText(ToQString(failure->Message));
    return;
  }
  const PersonClock& person = std::get<PersonClock>(reading);
  const int standard = person.Reading.UtcOffsetSeconds - (person.Reading.IsDaylight ? 3600 : 0);
  const QSignalBlocker quiet(p.TimeZone);
  // The person's own entry beyond the table, where no row expresses the zone.
  while (p.TimeZone->count() > kTimeZoneCount) {
    p.TimeZone->removeItem(kTimeZoneCount);
  }
  if (const auto row = FindWesternZoneRow(standard)) {
    p.TimeZone->setCurrentIndex(*row);
  } else {
    p.TimeZone->addItem(ToQString(WesternZoneEntryText(person)));
    p.TimeZone->setCurrentIndex(kTimeZoneCount);
  }
  p.DST->setChecked(person.Reading.IsDaylight);
  p.ClockLine->setText(ToQString(DescribeClock(person)));
}

void WesternInputForm::EndAtlasHold(Panel& p) {
  p.TimeZoneId.clear();
  p.ClockLine->clear();
  p.Reading->clear();
  p.Reading->setVisible(false);
  // The person's own entry goes with the hold unless it is still the chosen one, where
  // the check of the list then asks for a zone of the table.
  if (p.TimeZone->count() > kTimeZoneCount && p.TimeZone->currentIndex() < kTimeZoneCount) {
    p.TimeZone->removeItem(kTimeZoneCount);
  }
}

}  // namespace lumora::ui
