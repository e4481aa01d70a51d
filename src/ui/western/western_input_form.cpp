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
#include <QVBoxLayout>

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
  p.LookUp->setAccessibleDescription(
      tr("Opens a web search for the latitude and longitude of the place"));
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
  grid->setRowStretch(row, 1);

  const Panel* panel = &p;
  connect(p.LookUp, &QPushButton::clicked, this,
          [this, panel, side] { LookUpPlace(*panel, side); });
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
  out.LatNorth = p.North->isChecked();
  out.LatSouth = p.South->isChecked();
  out.LongEast = p.East->isChecked();
  out.LongWest = p.West->isChecked();
  out.TimeZoneRow = p.TimeZone->currentIndex();
  out.DST = p.DST->isChecked();
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

void WesternInputForm::LookUpPlace(const Panel& panel, WesternSide side) {
  const WesternFormSide entries = Read(panel);
  const PlaceLookup lookup = LookupPlace(entries.City, entries.State, entries.Country, side);
  if (lookup.Failure) {
    services_.Messages->Show(this, ToQString(lookup.Failure->Message), lookup.Failure->Icon);
    Apply(*lookup.Failure);
    return;
  }
  services_.Browser->Open(WebSearchUrl(ToQString(lookup.Query)));
}

}  // namespace lumora::ui
