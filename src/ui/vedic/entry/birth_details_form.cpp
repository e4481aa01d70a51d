// SPDX-License-Identifier: MIT
#include "ui/vedic/entry/birth_details_form.h"

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

#include "core/places/clock.h"
#include "core/places/place_form.h"
#include "ui/common/place_finder.h"
#include "ui/shell/form_widgets.h"
#include "ui/shell/key_filter.h"
#include "ui/shell/main_window.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/services.h"

#include "core/entry/date_lists.h"
#include "core/entry/place_lookup.h"

namespace lumora::ui {

namespace {

QString Name(const char* kind, char prefix, const char* rest) {
  return QString::fromLatin1(kind) + QChar::fromLatin1(prefix) + QString::fromLatin1(rest);
}

QComboBox* List(QWidget* parent, const QString& name, const QString& accessible,
                DateTimeList list) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setAccessibleName(accessible);
  for (const std::string& entry : DateTimeListEntries(list)) {
    box->addItem(ToQString(entry));
  }
  box->setCurrentIndex(0);
  return box;
}

QLineEdit* Text(QWidget* parent, const QString& name, const QString& accessible,
                int max_length = 0) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAccessibleName(accessible);
  if (max_length > 0) {
    edit->setMaxLength(max_length);
    edit->setMaximumWidth(64);
  }
  return edit;
}

}  // namespace

BirthDetailsForm::BirthDetailsForm(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("frmTarvikMain"));
  setWindowTitle(QStringLiteral("Lumo Tarvik"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/vedic.svg")));

  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* match = file->addAction(tr("&Kundali Match"));
  match->setObjectName(QStringLiteral("mnuCalculate"));
  file->addSeparator();
  QAction* open_couple = file->addAction(tr("&Open Couple..."));
  open_couple->setObjectName(QStringLiteral("mnuOpenCouple"));
  open_couple->setShortcut(QKeySequence::Open);
  QAction* save_couple = file->addAction(tr("&Save Couple..."));
  save_couple->setObjectName(QStringLiteral("mnuSaveCouple"));
  save_couple->setShortcut(QKeySequence::Save);
  connect(open_couple, &QAction::triggered, this, &BirthDetailsForm::OpenCoupleRequested);
  connect(save_couple, &QAction::triggered, this, &BirthDetailsForm::SaveCoupleRequested);
  file->addSeparator();
  QAction* exit = file->addAction(tr("&Exit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  AddHelpMenu(*this, services_);

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);

  auto* heading = new QLabel(QStringLiteral("Lumo Tarvik"), central);
  heading->setObjectName(QStringLiteral("lblHeading"));
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  heading->setFont(big);
  heading->setAlignment(Qt::AlignCenter);
  layout->addWidget(heading);

  auto* sides = new QHBoxLayout;
  sides->addWidget(BuildSide(boy_, 'M', QStringLiteral("Boy's Details")));
  sides->addWidget(BuildSide(girl_, 'F', QStringLiteral("Girl's Details")));
  layout->addLayout(sides);

  auto* hint = new QLabel(PlaceLookupHint(), central);
  hint->setObjectName(QStringLiteral("lblHint"));
  hint->setWordWrap(true);
  layout->addWidget(hint);

  auto* commands = new QHBoxLayout;
  auto* calculate = new QPushButton(tr("Match &Kundali"), central);
  calculate->setObjectName(QStringLiteral("cmdCalculate"));
  auto* open = new QPushButton(tr("&Open Previously Saved Reading"), central);
  open->setObjectName(QStringLiteral("cmdOpen"));
  auto* close_form = new QPushButton(tr("E&xit"), central);
  close_form->setObjectName(QStringLiteral("cmdExit"));
  commands->addWidget(calculate);
  commands->addWidget(open);
  commands->addStretch();
  commands->addWidget(close_form);
  layout->addLayout(commands);

  connect(calculate, &QPushButton::clicked, this, &BirthDetailsForm::MatchRequested);
  connect(match, &QAction::triggered, this, &BirthDetailsForm::MatchRequested);
  connect(open, &QPushButton::clicked, this, &BirthDetailsForm::OpenRequested);
  connect(close_form, &QPushButton::clicked, this, &QWidget::close);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  // Tab order: the boy's fields, the girl's fields, then the commands.
  QWidget* previous = nullptr;
  for (Side* side : {&boy_, &girl_}) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             side->Name,       side->Day,     side->Month,        side->Year,   side->Hour,
             side->Minute,     side->Second,  side->City,         side->State,  side->Country,
             side->Browse,     side->LatDeg,  side->LatMin,       side->North,  side->South,
             side->LongDeg,    side->LongMin, side->East,         side->West,   side->ZoneHour,
             side->ZoneMinute, side->DST,     side->TimeZoneHelp, side->Reading}) {
      if (previous) {
        setTabOrder(previous, w);
      }
      previous = w;
    }
  }
  setTabOrder(previous, calculate);
  setTabOrder(calculate, open);
  setTabOrder(open, close_form);
  boy_.Name->setFocus();
}

QGroupBox* BirthDetailsForm::BuildSide(Side& s, char p, const QString& caption) {
  auto* frame = new QGroupBox(caption, this);
  frame->setObjectName(p == 'M' ? QStringLiteral("fraBoy") : QStringLiteral("fraGirl"));
  frame->setAccessibleName(caption);
  s.Frame = frame;
  auto* grid = new QGridLayout(frame);
  int row = 0;

  s.Name = Text(frame, Name("txt", p, "Name"), tr("Name"));
  grid->addWidget(Caption(tr("Name:"), s.Name, frame), row, 0);
  grid->addWidget(s.Name, row++, 1, 1, 4);

  s.Day = List(frame, Name("cbo", p, "Date"), tr("Birth Day"), DateTimeList::Day);
  s.Month = List(frame, Name("cbo", p, "Month"), tr("Birth Month"), DateTimeList::Month);
  s.Year = List(frame, Name("cbo", p, "Year"), tr("Birth Year"), DateTimeList::Year);
  grid->addWidget(Caption(tr("Birth Day:"), s.Day, frame), row, 0);
  grid->addWidget(s.Day, row, 1);
  grid->addWidget(s.Month, row, 2);
  grid->addWidget(s.Year, row++, 3);

  s.Hour = List(frame, Name("cbo", p, "HH"), tr("Hour"), DateTimeList::HourThrough24);
  s.Minute = List(frame, Name("cbo", p, "MM"), tr("Minute"), DateTimeList::Minute);
  s.Second = List(frame, Name("cbo", p, "SS"), tr("Second"), DateTimeList::Second);
  grid->addWidget(Caption(tr("Time Of Birth:"), s.Hour, frame), row, 0);
  grid->addWidget(s.Hour, row, 1);
  grid->addWidget(s.Minute, row, 2);
  grid->addWidget(s.Second, row, 3);
  grid->addWidget(Hint(QStringLiteral("HH/MM/SS"), frame), row++, 4);

  s.City = Text(frame, Name("txt", p, "City"), tr("City"));
  s.State = Text(frame, Name("txt", p, "State"), tr("State"));
  s.Country = Text(frame, Name("txt", p, "Country"), tr("Country"));
  for (auto [label, edit] : {std::pair{tr("City:"), s.City}, std::pair{tr("State:"), s.State},
                             std::pair{tr("Country:"), s.Country}}) {
    grid->addWidget(Caption(label, edit, frame), row, 0);
    grid->addWidget(edit, row++, 1, 1, 4);
  }
  s.Browse = new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"), frame);
  s.Browse->setObjectName(p == 'M' ? QStringLiteral("cmdMaleBrowse")
                                   : QStringLiteral("cmdFemaleBrowse"));
  s.Browse->setAccessibleName(tr("Find latitude and longitude"));
  s.Browse->setAccessibleDescription(tr("Opens the place search of the atlas"));
  grid->addWidget(s.Browse, row++, 1, 1, 4);

  // A coordinate: degrees, minutes and its direction pair, the first option preset.
  auto coordinate = [&](const QString& caption, const QString& which, const char* deg,
                        const char* min, const char* first, const char* second, QLineEdit*& d,
                        QLineEdit*& m, QRadioButton*& a, QRadioButton*& b) {
    d = Text(frame, Name("txt", p, deg), which + tr(" degrees"), 3);
    m = Text(frame, Name("txt", p, min), which + tr(" minutes"), 3);
    a = new QRadioButton(tr(first), frame);
    a->setObjectName(Name("opt", p, first));
    b = new QRadioButton(tr(second), frame);
    b->setObjectName(Name("opt", p, second));
    a->setChecked(true);
    auto* pair = new QButtonGroup(frame);
    pair->addButton(a);
    pair->addButton(b);
    grid->addWidget(Caption(caption, d, frame), row, 0);
    grid->addWidget(d, row, 1);
    grid->addWidget(m, row, 2);
    auto* options = new QHBoxLayout;
    options->addWidget(a);
    options->addWidget(b);
    options->addWidget(Hint(QStringLiteral("DEG/MIN"), frame));
    grid->addLayout(options, row++, 3, 1, 2);
  };
  coordinate(tr("Latitude:"), tr("Latitude"), "LD", "LM", "North", "South", s.LatDeg, s.LatMin,
             s.North, s.South);
  coordinate(tr("Longitude:"), tr("Longitude"), "LoD", "LoM", "East", "West", s.LongDeg, s.LongMin,
             s.East, s.West);

  s.ZoneHour = Text(frame, Name("txt", p, "ZoneHour"), tr("Time Zone hours"), 3);
  s.ZoneMinute = Text(frame, Name("txt", p, "ZoneMinute"), tr("Time Zone minutes"), 2);
  s.DST = new QCheckBox(tr("DST"), frame);
  s.DST->setObjectName(Name("chk", p, "DST"));
  s.DST->setAccessibleName(tr("Daylight saving time"));
  s.TimeZoneHelp = new QLabel(QStringLiteral("<a href=\"#tz\">TZ Help</a>"), frame);
  s.TimeZoneHelp->setObjectName(Name("lbl", p, "TZHelp"));
  s.TimeZoneHelp->setAccessibleName(tr("TZ Help: pick a time zone"));
  s.TimeZoneHelp->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                          Qt::LinksAccessibleByKeyboard);
  s.TimeZoneHelp->setFocusPolicy(Qt::StrongFocus);
  grid->addWidget(Caption(tr("Time Zone"), s.ZoneHour, frame), row, 0);
  grid->addWidget(s.ZoneHour, row, 1);
  grid->addWidget(s.ZoneMinute, row, 2);
  auto* tz = new QHBoxLayout;
  tz->addWidget(s.DST);
  tz->addWidget(s.TimeZoneHelp);
  tz->addStretch();
  grid->addLayout(tz, row++, 3, 1, 2);
  s.ClockLine = new QLabel(frame);
  s.ClockLine->setObjectName(Name("lbl", p, "Clock"));
  s.ClockLine->setAccessibleName(tr("Clock of the birth place"));
  s.ClockLine->setWordWrap(true);
  // Room for a caution's second line, so that the form keeps its size as the clock changes.
  s.ClockLine->setMinimumHeight(2 * s.ClockLine->fontMetrics().lineSpacing());
  s.ClockLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  s.ClockLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(s.ClockLine, row++, 1, 1, 4);
  s.Reading = new QComboBox(frame);
  s.Reading->setObjectName(Name("cbo", p, "ClockReading"));
  s.Reading->setAccessibleName(tr("Which reading of the repeated hour"));
  s.Reading->setVisible(false);
  grid->addWidget(s.Reading, row++, 1, 1, 4);
  grid->setColumnStretch(4, 1);

  using C = FormControl;
  for (auto [box, control] :
       {std::pair{s.Name, C::Name}, std::pair{s.City, C::City}, std::pair{s.State, C::State},
        std::pair{s.Country, C::Country}, std::pair{s.LatDeg, C::LatDeg},
        std::pair{s.LatMin, C::LatMin}, std::pair{s.LongDeg, C::LongDeg},
        std::pair{s.LongMin, C::LongMin}, std::pair{s.ZoneHour, C::ZoneHour},
        std::pair{s.ZoneMinute, C::ZoneMinute}}) {
    FilterFormKeys(*box, FormKind::Vedic, control, services_.Messages);
  }

  const bool boy = p == 'M';
  connect(s.TimeZoneHelp, &QLabel::linkActivated, this,
          [this, boy] { emit TimeZoneHelpRequested(boy); });
  Side* side = &s;
  connect(s.Browse, &QPushButton::clicked, this, [this, side] { LookUpPlace(*side); });
  auto* completer = new PlaceCompleter(s.City, Name("cmp", p, "City"));
  connect(completer, &PlaceCompleter::PlaceChosen, this,
          [this, boy](const Place& place) { FillFromPlace(boy, place); });
  // A date or time changed afterwards moves the atlas's clock with it.
  for (QComboBox* list : {s.Day, s.Month, s.Year, s.Hour, s.Minute}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this, side] { RefreshClock(*side); });
  }
  // A zone typed or ticked by hand always wins over the atlas.
  for (QLineEdit* zone : {s.ZoneHour, s.ZoneMinute}) {
    connect(zone, &QLineEdit::textEdited, this, [this, side] { EndAtlasHold(*side); });
  }
  connect(s.DST, &QCheckBox::clicked, this, [this, side] { EndAtlasHold(*side); });
  connect(s.Reading, &QComboBox::activated, this, [this, side] { RefreshClock(*side); });
  return frame;
}

BirthFormSide BirthDetailsForm::Read(const Side& s) const {
  BirthFormSide out;
  out.Name = s.Name->text().toStdString();
  out.Day = s.Day->currentText().toStdString();
  out.Month = s.Month->currentText().toStdString();
  out.Year = s.Year->currentText().toStdString();
  out.Hour = s.Hour->currentText().toStdString();
  out.Minute = s.Minute->currentText().toStdString();
  out.Second = s.Second->currentText().toStdString();
  out.City = s.City->text().toStdString();
  out.State = s.State->text().toStdString();
  out.Country = s.Country->text().toStdString();
  out.LatDeg = s.LatDeg->text().toStdString();
  out.LatMin = s.LatMin->text().toStdString();
  out.North = s.North->isChecked();
  out.South = s.South->isChecked();
  out.LongDeg = s.LongDeg->text().toStdString();
  out.LongMin = s.LongMin->text().toStdString();
  out.East = s.East->isChecked();
  out.West = s.West->isChecked();
  out.ZoneHour = s.ZoneHour->text().toStdString();
  out.ZoneMinute = s.ZoneMinute->text().toStdString();
  out.DST = s.DST->isChecked();
  out.TimeZoneId = s.TimeZoneId;
  if (const QVariant choice = s.Reading->currentData(); choice.isValid()) {
    out.ClockReading = static_cast<ClockChoice>(choice.toInt());
  }
  return out;
}

void BirthDetailsForm::Write(const Side& s, const BirthFormSide& in) {
  auto list = [](QComboBox* box, const std::string& text) {
    const int at = box->findText(ToQString(text));
    box->setCurrentIndex(at >= 0 ? at : 0);
  };
  s.Name->setText(ToQString(in.Name));
  list(s.Day, in.Day);
  list(s.Month, in.Month);
  list(s.Year, in.Year);
  list(s.Hour, in.Hour);
  list(s.Minute, in.Minute);
  list(s.Second, in.Second);
  s.City->setText(ToQString(in.City));
  s.State->setText(ToQString(in.State));
  s.Country->setText(ToQString(in.Country));
  s.LatDeg->setText(ToQString(in.LatDeg));
  s.LatMin->setText(ToQString(in.LatMin));
  s.North->setChecked(in.North);
  s.South->setChecked(in.South);
  s.LongDeg->setText(ToQString(in.LongDeg));
  s.LongMin->setText(ToQString(in.LongMin));
  s.East->setChecked(in.East);
  s.West->setChecked(in.West);
  s.ZoneHour->setText(ToQString(in.ZoneHour));
  s.ZoneMinute->setText(ToQString(in.ZoneMinute));
  s.DST->setChecked(in.DST);
}

void BirthDetailsForm::SetEntries(const BirthForm& form) {
  Write(boy_, form.Male);
  Write(girl_, form.Female);
}

BirthForm BirthDetailsForm::Entries() const {
  return {Read(boy_), Read(girl_)};
}

void BirthDetailsForm::Apply(const FormFailure& failure) {
  if (failure.Control.empty()) {
    return;
  }
  auto* target = findChild<QWidget*>(ToQString(failure.Control));
  if (target == nullptr) {
    return;
  }
  if (failure.SelectsOption) {
    if (auto* option = qobject_cast<QRadioButton*>(target)) {
      option->setChecked(true);
    }
  }
  target->setFocus(Qt::OtherFocusReason);
}

void BirthDetailsForm::WriteZone(bool boy, int hours, int minutes) {
  Side& side = boy ? boy_ : girl_;
  side.ZoneHour->setText(QString::number(hours));
  side.ZoneMinute->setText(QString::number(minutes));
  EndAtlasHold(side);
}

void BirthDetailsForm::FillFromPlace(bool boy, const Place& place) {
  Side& side = boy ? boy_ : girl_;
  side.City->setText(ToQString(place.Name));
  side.State->setText(ToQString(place.State));
  side.Country->setText(ToQString(place.Country));
  const CoordinateFormValues c = CoordinatesOf(place);
  side.LatDeg->setText(QString::number(c.LatDeg));
  side.LatMin->setText(QString::number(c.LatMin));
  (c.North ? side.North : side.South)->setChecked(true);
  side.LongDeg->setText(QString::number(c.LongDeg));
  side.LongMin->setText(QString::number(c.LongMin));
  (c.East ? side.East : side.West)->setChecked(true);
  side.TimeZoneId = place.TimeZone;
  RefreshClock(side);
}

void BirthDetailsForm::RefreshClock(Side& side) {
  if (side.TimeZoneId.empty()) {
    return;
  }
  const BirthFormSide entries = Read(side);
  const auto clock = ReadZoneClock(side.TimeZoneId, LocalBirthTime(entries));
  const auto* zone = std::get_if<ZoneClock>(&clock);
  // Which reading of a repeated hour: asked beside the clock only where there are two.
  const bool repeated = zone && zone->Readings.size() == 2;
  if (repeated) {
    const QSignalBlocker quiet(side.Reading);
    const QVariant kept = side.Reading->currentData();
    side.Reading->clear();
    side.Reading->addItem(tr("This hour occurred twice: choose which"));
    side.Reading->addItem(tr("Earlier, %1 %2 (daylight time)")
                              .arg(ToQString(zone->Readings[0].Abbreviation),
                                   ToQString(FormatUtcOffset(zone->Readings[0].UtcOffsetSeconds))),
                          static_cast<int>(ClockChoice::Earlier));
    side.Reading->addItem(tr("Later, %1 %2 (standard time)")
                              .arg(ToQString(zone->Readings[1].Abbreviation),
                                   ToQString(FormatUtcOffset(zone->Readings[1].UtcOffsetSeconds))),
                          static_cast<int>(ClockChoice::Later));
    if (kept.isValid()) {
      side.Reading->setCurrentIndex(side.Reading->findData(kept));
    }
  } else {
    side.Reading->clear();
  }
  side.Reading->setVisible(repeated);

  const BirthFormSide chosen = Read(side);
  const auto reading =
      ReadPersonClock(side.TimeZoneId, LocalBirthTime(chosen), chosen.ClockReading, "");
  if (const auto* failure = std::get_if<FormFailure>(&reading)) {
    side.ClockLine->setText(ToQString(failure->Message));
    return;
  }
  const PersonClock& person = std::get<PersonClock>(reading);
  const ZoneFormValues values = FormValuesOf(person.Reading);
  side.ZoneHour->setText(QString::number(values.ZoneHour));
  side.ZoneMinute->setText(QString::number(values.ZoneMinute));
  side.DST->setChecked(values.IsDST);
  side.ClockLine->setText(ToQString(DescribeClock(person)));
}

void BirthDetailsForm::EndAtlasHold(Side& side) {
  side.TimeZoneId.clear();
  side.ClockLine->clear();
  side.Reading->clear();
  side.Reading->setVisible(false);
}

void BirthDetailsForm::LookUpPlace(Side& side) {
  PlaceSearchDialog dialog(side.City->text(), this);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  if (const auto place = dialog.ChosenPlace()) {
    FillFromPlace(&side == &boy_, *place);
  }
}

}  // namespace lumora::ui
