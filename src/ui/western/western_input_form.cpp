// SPDX-License-Identifier: MIT
#include "ui/western/western_input_form.h"

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
#include <QTimer>
#include <QVBoxLayout>

#include "core/entry/place_lookup.h"
#include "core/entry/time_zones.h"
#include "core/places/clock.h"
#include "core/places/place_form.h"
#include "core/text.h"
#include "ui/common/person_panel.h"
#include "ui/shell/about_box.h"
#include "ui/shell/form_widgets.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/services.h"
#include "ui/shell/window_placement.h"

namespace lumora::ui {

WesternInputForm::WesternInputForm(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("frmPenrowMatch"));
  setWindowTitle(QStringLiteral("Lumo Penrow Software"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/western.svg")));

  QMenu* file = menuBar()->addMenu(QString());
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* calculate_item = file->addAction(QString());
  calculate_item->setObjectName(QStringLiteral("mnuCalculate"));
  file->addSeparator();
  QAction* exit_item = file->addAction(QString());
  exit_item->setObjectName(QStringLiteral("mnuExit"));
  AddHelpMenu(*this, services_);

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);

  auto* panels = new QHBoxLayout;
  BuildPanel(male_, PersonSide::Male);
  BuildPanel(female_, PersonSide::Female);
  panels->addWidget(male_.Person->Frame());
  panels->addWidget(female_.Person->Frame());
  layout->addLayout(panels);

  // The doubled ampersands of the caption show as one, as on the buttons.
  auto* help = new QLabel(central);
  help->setObjectName(QStringLiteral("lblHelp"));
  help->setWordWrap(true);
  layout->addWidget(help);

  auto* commands = new QHBoxLayout;
  auto* calculate = new QPushButton(central);
  calculate->setObjectName(QStringLiteral("cmdCalculate"));
  auto* close_form = new QPushButton(central);
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
  std::vector<QWidget*> order;
  for (const Panel* p : {&male_, &female_}) {
    const std::vector<QWidget*> panel = p->Person->TabChain();
    order.insert(order.end(), panel.begin(), panel.end());
    order.insert(order.end(), {p->TimeZone, p->DST, p->Person->ZoneAheadOption(),
                               p->Person->ZoneBehindOption()});
  }
  order.insert(order.end(), {calculate, close_form});
  SetTabOrder(order);
  male_.Person->NameBox()->setFocus();

  // Every text of the form's own (the panels set theirs), now and at each change of language.
  const auto retranslate = [=, this] {
    file->setTitle(tr("&File"));
    calculate_item->setText(tr("&Analyze Compatibility"));
    exit_item->setText(tr("&Exit"));
    help->setText(PlaceLookupHint());
    calculate->setText(tr("Analyze Compatibility"));
    close_form->setText(tr("Exit"));
    for (const Panel* p : {&male_, &female_}) {
      p->TimeZone->setAccessibleName(tr("Time Zone"));
      p->DST->setText(tr("Daylight Saving Time"));
      // Never squeezed by the zone's direction beside it: a longer word widens the form.
      p->DST->setMinimumWidth(0);
      p->DST->setMinimumWidth(p->DST->sizeHint().width());
      for (QLabel* label : p->Person->Frame()->findChildren<QLabel*>()) {
        if (label->buddy() == p->TimeZone) {
          label->setText(tr("Time Zone:"));
        }
      }
    }
  };
  retranslate();
  OnLanguageChange(*this, [this, retranslate] {
    retranslate();
    // Once the layouts have the new texts: the form grows where they are longer.
    QTimer::singleShot(0, this, [this] { GrowToHold(*centralWidget()); });
  });
}

void WesternInputForm::BuildPanel(Panel& p, PersonSide side) {
  p.Person = new PersonPanel(FormKind::Western, side, services_.Messages, this);
  QWidget* frame = p.Person->Frame();
  QGridLayout* grid = p.Person->Grid();
  int& row = p.Person->NextRow();
  p.TimeZone = new QComboBox(frame);
  p.TimeZone->setObjectName(ToQString(ControlName(side, FormControl::TimeZone)));
  for (const std::string& entry : TimeZoneEntryTexts()) {
    p.TimeZone->addItem(ToQString(entry));
  }
  p.TimeZone->setCurrentIndex(0);
  // Wide enough for the longest row, so that every zone reads in full.
  p.TimeZone->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  grid->addWidget(Caption(QString(), p.TimeZone, frame), row, 0);
  grid->addWidget(p.TimeZone, row++, 1);
  p.DST = new QCheckBox(frame);
  p.DST->setObjectName(ToQString(ControlName(side, FormControl::DST)));
  auto* zone_options = new QHBoxLayout;
  zone_options->addWidget(p.DST);
  zone_options->addSpacing(12);
  zone_options->addWidget(p.Person->ZoneAheadOption());
  zone_options->addWidget(p.Person->ZoneBehindOption());
  zone_options->addStretch(1);
  grid->addLayout(zone_options, row++, 1);
  p.Person->AddClockRows();

  Panel* panel = &p;
  connect(p.Person, &PersonPanel::ClockFollowed, this,
          [panel](const PersonClock& clock) { ShowClock(*panel, clock); });
  // A zone chosen or a box ticked by hand always wins over the atlas.
  connect(p.TimeZone, &QComboBox::activated, this, [panel](int row) {
    EndAtlasHold(*panel);
    // The row's sign says which side of UTC the zone lies on; Greenwich keeps the choice.
    if (const auto zone = LookupTimeZone(row); zone && (zone->Hours != 0 || zone->Minutes != 0)) {
      panel->Person->ChooseZoneDirection(zone->Hours < 0);
    }
  });
  connect(p.DST, &QCheckBox::clicked, this, [panel] { EndAtlasHold(*panel); });
  for (QRadioButton* option : {p.Person->ZoneAheadOption(), p.Person->ZoneBehindOption()}) {
    connect(option, &QRadioButton::clicked, this, [panel] { EndAtlasHold(*panel); });
  }
  // A place forgotten takes its zone along: the list asks for a zone again.
  connect(p.Person, &PersonPanel::PlaceForgotten, this, [panel] {
    while (panel->TimeZone->count() > kTimeZoneCount) {
      panel->TimeZone->removeItem(kTimeZoneCount);
    }
    panel->TimeZone->setCurrentIndex(-1);
    panel->DST->setChecked(false);
  });
}

WesternFormSide WesternInputForm::Read(const Panel& p) {
  WesternFormSide out;
  static_cast<PersonEntries&>(out) = p.Person->Entries();
  out.TimeZoneRow = p.TimeZone->currentIndex();
  out.DST = p.DST->isChecked();
  return out;
}

WesternForm WesternInputForm::Entries() const {
  return {Read(male_), Read(female_)};
}

void WesternInputForm::Apply(const FormFailure& message) {
  const auto control = FocusedControlName(message);
  if (!control) {
    return;
  }
  const QString name = ToQString(*control);
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

void WesternInputForm::FocusDate(PersonSide side) {
  (side == PersonSide::Male ? male_ : female_).Person->DayList()->setFocus(Qt::OtherFocusReason);
}

void WesternInputForm::FillFromPlace(PersonSide side, const Place& place) {
  (side == PersonSide::Male ? male_ : female_).Person->FillFromPlace(place);
}

void WesternInputForm::ShowClock(Panel& p, const PersonClock& clock) {
  const int standard = clock.Reading.UtcOffsetSeconds - (clock.Reading.IsDaylight ? 3600 : 0);
  const QSignalBlocker quiet(p.TimeZone);
  // The person's own entry beyond the table, where no row expresses the zone.
  while (p.TimeZone->count() > kTimeZoneCount) {
    p.TimeZone->removeItem(kTimeZoneCount);
  }
  if (const auto row = FindWesternZoneRow(standard)) {
    p.TimeZone->setCurrentIndex(*row);
  } else {
    p.TimeZone->addItem(ToQString(WesternZoneEntryText(clock)));
    p.TimeZone->setCurrentIndex(kTimeZoneCount);
  }
  p.DST->setChecked(clock.Reading.IsDaylight);
  p.Person->ChooseZoneDirection(standard >= 0);
}

void WesternInputForm::EndAtlasHold(Panel& p) {
  p.Person->EndAtlasHold();
  // The person's own entry goes with the hold unless it is still the chosen one, where
  // the check of the list then asks for a zone of the table.
  if (p.TimeZone->count() > kTimeZoneCount && p.TimeZone->currentIndex() < kTimeZoneCount) {
    p.TimeZone->removeItem(kTimeZoneCount);
  }
}

}  // namespace lumora::ui
