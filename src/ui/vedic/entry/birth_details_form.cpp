// SPDX-License-Identifier: MIT
#include "ui/vedic/entry/birth_details_form.h"

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
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>

#include "core/entry/place_lookup.h"
#include "core/places/place_form.h"
#include "ui/common/link_button.h"
#include "ui/common/person_panel.h"
#include "ui/shell/about_box.h"
#include "ui/shell/form_widgets.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/services.h"
#include "ui/shell/window_placement.h"

namespace lumora::ui {

BirthDetailsForm::BirthDetailsForm(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("frmTarvikMain"));
  setWindowTitle(QStringLiteral("Lumo Tarvik"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/vedic.svg")));

  QMenu* file = menuBar()->addMenu(QString());
  QAction* match = file->addAction(QString());
  match->setObjectName(QStringLiteral("mnuCalculate"));
  file->addSeparator();
  QAction* open_couple = file->addAction(QString());
  open_couple->setObjectName(QStringLiteral("mnuOpenCouple"));
  open_couple->setShortcut(QKeySequence::Open);
  QAction* save_couple = file->addAction(QString());
  save_couple->setObjectName(QStringLiteral("mnuSaveCouple"));
  save_couple->setShortcut(QKeySequence::Save);
  connect(open_couple, &QAction::triggered, this, &BirthDetailsForm::OpenCoupleRequested);
  connect(save_couple, &QAction::triggered, this, &BirthDetailsForm::SaveCoupleRequested);
  file->addSeparator();
  QAction* exit = file->addAction(QString());
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
  BuildSide(boy_, PersonSide::Male);
  BuildSide(girl_, PersonSide::Female);
  sides->addWidget(boy_.Panel->Frame());
  sides->addWidget(girl_.Panel->Frame());
  layout->addLayout(sides);

  auto* hint = new QLabel(PlaceLookupHint(), central);
  hint->setObjectName(QStringLiteral("lblHint"));
  hint->setWordWrap(true);
  layout->addWidget(hint);

  auto* commands = new QHBoxLayout;
  auto* calculate = new QPushButton(central);
  calculate->setObjectName(QStringLiteral("cmdCalculate"));
  auto* open = new QPushButton(central);
  open->setObjectName(QStringLiteral("cmdOpen"));
  auto* close_form = new QPushButton(central);
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
  std::vector<QWidget*> order;
  for (const Side* side : {&boy_, &girl_}) {
    const std::vector<QWidget*> panel = side->Panel->TabChain();
    order.insert(order.end(), panel.begin(), panel.end());
    order.insert(order.end(), {side->ZoneHour, side->ZoneMinute, side->Panel->ZoneAheadOption(),
                               side->Panel->ZoneBehindOption(), side->DST, side->TimeZoneHelp,
                               side->Panel->ReadingList()});
  }
  order.insert(order.end(), {calculate, open, close_form});
  SetTabOrder(order);
  boy_.Panel->NameBox()->setFocus();

  // Every text of the form's own (the panels set theirs), now and at each change of language.
  const auto retranslate = [=, this] {
    file->setTitle(tr("&File"));
    match->setText(tr("&Kundali Match"));
    open_couple->setText(tr("&Open Couple..."));
    save_couple->setText(tr("&Save Couple..."));
    exit->setText(tr("&Exit"));
    calculate->setText(tr("Match &Kundali"));
    open->setText(tr("&Open Previously Saved Reading"));
    close_form->setText(tr("E&xit"));
    hint->setText(PlaceLookupHint());
    for (const Side* side : {&boy_, &girl_}) {
      side->ZoneHour->setAccessibleName(tr("Time Zone hours"));
      side->ZoneMinute->setAccessibleName(tr("Time Zone minutes"));
      side->DST->setText(tr("DST"));
      side->DST->setAccessibleName(tr("Daylight saving time"));
      side->TimeZoneHelp->SetLinkText(tr("TZ Help"));
      side->TimeZoneHelp->setAccessibleName(tr("TZ Help: pick a time zone"));
      for (QLabel* label : side->Panel->Frame()->findChildren<QLabel*>()) {
        if (label->buddy() == side->ZoneHour) {
          label->setText(tr("Time Zone"));
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

void BirthDetailsForm::BuildSide(Side& s, PersonSide person) {
  s.Panel = new PersonPanel(FormKind::Vedic, person, services_.Messages, this);
  QWidget* frame = s.Panel->Frame();
  QGridLayout* grid = s.Panel->Grid();
  int& row = s.Panel->NextRow();
  s.ZoneHour = s.Panel->AddTextBox(FormControl::ZoneHour, QString(), 3);
  s.ZoneMinute = s.Panel->AddTextBox(FormControl::ZoneMinute, QString(), 2);
  s.DST = new QCheckBox(frame);
  s.DST->setObjectName(ToQString(ControlName(person, FormControl::DST)));
  // The control keeps the name it had as a label with a link.
  s.TimeZoneHelp = new LinkButton(QString(), frame);
  s.TimeZoneHelp->setObjectName(QStringLiteral("lbl") + QChar::fromLatin1(SideLetter(person)) +
                                QStringLiteral("TZHelp"));
  grid->addWidget(Caption(QString(), s.ZoneHour, frame), row, 0);
  grid->addWidget(s.ZoneHour, row, 1);
  grid->addWidget(s.ZoneMinute, row, 2);
  auto* tz = new QHBoxLayout;
  tz->addWidget(s.DST);
  tz->addWidget(s.TimeZoneHelp);
  tz->addStretch();
  grid->addLayout(tz, row++, 3, 1, 2);
  // The zone's direction on a row of its own under the zone, so its captions read in full.
  auto* direction = new QHBoxLayout;
  direction->addWidget(s.Panel->ZoneAheadOption());
  direction->addWidget(s.Panel->ZoneBehindOption());
  direction->addStretch();
  grid->addLayout(direction, row++, 1, 1, 4);
  s.Panel->AddClockRows();

  const bool boy = person == PersonSide::Male;
  connect(s.TimeZoneHelp, &QPushButton::clicked, this,
          [this, boy] { emit TimeZoneHelpRequested(boy); });
  Side* side = &s;
  connect(s.Panel, &PersonPanel::ClockFollowed, this,
          [this, side](const PersonClock& clock) { ShowClock(*side, clock); });
  // A zone typed or ticked by hand always wins over the atlas.
  for (QLineEdit* zone : {s.ZoneHour, s.ZoneMinute}) {
    connect(zone, &QLineEdit::textEdited, s.Panel, &PersonPanel::EndAtlasHold);
  }
  connect(s.DST, &QCheckBox::clicked, s.Panel, &PersonPanel::EndAtlasHold);
  for (QRadioButton* option : {s.Panel->ZoneAheadOption(), s.Panel->ZoneBehindOption()}) {
    connect(option, &QRadioButton::clicked, s.Panel, &PersonPanel::EndAtlasHold);
  }
  connect(s.Panel, &PersonPanel::PlaceForgotten, this, [side] {
    side->ZoneHour->clear();
    side->ZoneMinute->clear();
    side->DST->setChecked(false);
  });
}

BirthFormSide BirthDetailsForm::Read(const Side& s) {
  BirthFormSide out;
  static_cast<PersonEntries&>(out) = s.Panel->Entries();
  out.ZoneHour = s.ZoneHour->text().toStdString();
  out.ZoneMinute = s.ZoneMinute->text().toStdString();
  out.DST = s.DST->isChecked();
  return out;
}

void BirthDetailsForm::Write(const Side& s, const BirthFormSide& in) {
  // The zone boxes first: a side that names its zone has them rewritten from its clock.
  s.ZoneHour->setText(ToQString(in.ZoneHour));
  s.ZoneMinute->setText(ToQString(in.ZoneMinute));
  s.DST->setChecked(in.DST);
  s.Panel->SetEntries(in);
}

void BirthDetailsForm::SetEntries(const BirthForm& form) {
  Write(boy_, form.Male);
  Write(girl_, form.Female);
}

BirthForm BirthDetailsForm::Entries() const {
  return {Read(boy_), Read(girl_)};
}

void BirthDetailsForm::Apply(const FormFailure& failure) {
  const auto control = FocusedControlName(failure);
  if (!control) {
    return;
  }
  auto* target = findChild<QWidget*>(ToQString(*control));
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

void BirthDetailsForm::FocusDate(PersonSide side) {
  (side == PersonSide::Male ? boy_ : girl_).Panel->DayList()->setFocus(Qt::OtherFocusReason);
}

void BirthDetailsForm::WriteZone(bool boy, int hours, int minutes) {
  Side& side = boy ? boy_ : girl_;
  // The picker's amounts are those added to the clock to reach universal time: India's
  // "-5 30" is five and a half hours ahead of UTC, wherever the birth place lies.
  side.ZoneHour->setText(QString::number(std::abs(hours)));
  side.ZoneMinute->setText(QString::number(std::abs(minutes)));
  side.Panel->EndAtlasHold();
  if (hours != 0 || minutes != 0) {
    side.Panel->ChooseZoneDirection(hours < 0 || minutes < 0);
  }
}

void BirthDetailsForm::FillFromPlace(bool boy, const Place& place) {
  (boy ? boy_ : girl_).Panel->FillFromPlace(place);
}

void BirthDetailsForm::ShowClock(Side& side, const PersonClock& clock) {
  const ZoneFormValues values = FormValuesOf(clock.Reading);
  side.ZoneHour->setText(QString::number(values.ZoneHour));
  side.ZoneMinute->setText(QString::number(values.ZoneMinute));
  side.DST->setChecked(values.IsDST);
  side.Panel->ChooseZoneDirection(values.ZoneIsEast);
}

}  // namespace lumora::ui
