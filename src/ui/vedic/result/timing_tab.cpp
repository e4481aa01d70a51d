// SPDX-License-Identifier: MIT
#include "ui/vedic/result/timing_tab.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/glossary/glossary.h"
#include "documents/timeline_picture.h"
#include "ui/shell/language_choice.h"

namespace lumora::ui {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int TodayDayNumber() {
  const QDate today = QDate::currentDate();
  return DayNumberOf({today.year(), today.month(), today.day()});
}

QTreeWidget* MakeTree(QWidget* parent, const QString& name, const QString& accessible,
                      const QStringList& headers) {
  auto* tree = new QTreeWidget(parent);
  tree->setObjectName(name);
  tree->setAccessibleName(accessible);
  tree->setHeaderLabels(headers);
  tree->setRootIsDecorated(true);
  tree->setUniformRowHeights(true);
  tree->setMinimumHeight(180);
  tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return tree;
}

}  // namespace

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setFocusPolicy(Qt::TabFocus);
}

void TimelineView::SetTimeline(const DocumentTimeline& timeline) {
  timeline_ = timeline;
  // What the picture shows, for a screen reader: the rows and the marked day.
  QString description;
  for (const TimelineRow& row : timeline.Rows) {
    description += Q(row.Caption) + QStringLiteral(":");
    for (const TimelineSegment& segment : row.Segments) {
      description += QLatin1Char(' ') + Q(segment.Label) + QStringLiteral(" to ") +
                     Q(DayText(segment.ToDay)) + QLatin1Char(',');
    }
    description += QStringLiteral(" ");
  }
  description += Q(timeline.MarkLabel);
  setAccessibleDescription(description);
  updateGeometry();
  update();
}

QSize TimelineView::sizeHint() const {
  const int rows = timeline_ ? static_cast<int>(timeline_->Rows.size()) : 2;
  return {700, static_cast<int>(documents::TimelineHeight(rows)) + 4};
}

QSize TimelineView::minimumSizeHint() const {
  return {420, sizeHint().height()};
}

void TimelineView::paintEvent(QPaintEvent* /*event*/) {
  if (!timeline_) {
    return;
  }
  QPainter painter(this);
  QFont font = this->font();
  font.setPixelSize(11);
  documents::PaintTimeline(painter, QRectF(rect()).adjusted(2, 2, -2, -2), *timeline_, font);
  if (hasFocus()) {
    painter.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

TimingTab::TimingTab(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraTiming"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);

  unavailable_ =
      new QLabel(tr("The periods need both persons' birth details; a match from a profile file has "
                    "none."),
                 this);
  unavailable_->setObjectName(QStringLiteral("lblTimingUnavailable"));
  unavailable_->setWordWrap(true);
  outer->addWidget(unavailable_);

  // The tab scrolls, so that it fits a small screen.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("scrTiming"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  content_ = new QWidget(scroll);
  auto* layout = new QVBoxLayout(content_);

  auto* options = new QHBoxLayout;
  auto* wedding_caption = new QLabel(tr("&Wedding date:"), content_);
  wedding_ = new QLineEdit(content_);
  wedding_->setObjectName(QStringLiteral("txtWeddingDate"));
  wedding_->setAccessibleName(tr("Wedding date"));
  wedding_->setAccessibleDescription(
      tr("Optional, as year-month-day (2025-11-23); empty looks at today"));
  wedding_->setPlaceholderText(tr("YYYY-MM-DD (optional)"));
  wedding_->setMaxLength(10);
  wedding_->setMaximumWidth(150);
  wedding_caption->setBuddy(wedding_);
  options->addWidget(wedding_caption);
  options->addWidget(wedding_);
  wedding_note_ = new QLabel(content_);
  wedding_note_->setObjectName(QStringLiteral("lblWeddingNote"));
  options->addWidget(wedding_note_);
  options->addSpacing(16);
  auto* year_caption = new QLabel(tr("&Year length:"), content_);
  year_length_ = new QComboBox(content_);
  year_length_->setObjectName(QStringLiteral("cboYearLength"));
  year_length_->setAccessibleName(tr("Year length"));
  for (const DashaYearLength& length : kDashaYearLengths) {
    year_length_->addItem(tr("%1 days").arg(Q(length.Text)), Q(length.Text));
  }
  year_caption->setBuddy(year_length_);
  options->addWidget(year_caption);
  options->addWidget(year_length_);
  options->addStretch();
  layout->addLayout(options);

  conventions_ = new QLabel(content_);
  conventions_->setObjectName(QStringLiteral("lblTimingConventions"));
  conventions_->setWordWrap(false);
  layout->addWidget(conventions_);

  timeline_ = new TimelineView(content_);
  timeline_->setObjectName(QStringLiteral("picTimeline"));
  timeline_->setAccessibleName(tr("Mahadasha timelines"));
  layout->addWidget(timeline_);

  running_ = new QLabel(content_);
  running_->setObjectName(QStringLiteral("lblRunningDashas"));
  running_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  running_->setFocusPolicy(Qt::TabFocus);
  running_->setWordWrap(false);
  layout->addWidget(running_);

  sandhi_ = new QLabel(content_);
  sandhi_->setObjectName(QStringLiteral("lblDashaSandhi"));
  sandhi_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  sandhi_->setFocusPolicy(Qt::TabFocus);
  sandhi_->setWordWrap(false);
  layout->addWidget(sandhi_);

  auto* trees = new QHBoxLayout;
  const QStringList headers{tr("Period"), tr("From"), tr("To")};
  boy_tree_ = MakeTree(content_, QStringLiteral("treBoyDashas"), tr("Boy's mahadashas"), headers);
  girl_tree_ =
      MakeTree(content_, QStringLiteral("treGirlDashas"), tr("Girl's mahadashas"), headers);
  trees->addWidget(boy_tree_);
  trees->addWidget(girl_tree_);
  layout->addLayout(trees);

  transits_ = MakeTree(content_, QStringLiteral("treSaturnTransits"),
                       tr("Sade Sati and Ashtama Shani in the next 30 years"),
                       {tr("Person"), tr("Transit"), tr("From"), tr("To")});
  transits_->setRootIsDecorated(false);
  transits_->setMinimumHeight(140);
  layout->addWidget(transits_);

  scroll->setWidget(content_);
  outer->addWidget(scroll, 1);
  content_->setVisible(false);

  connect(wedding_, &QLineEdit::editingFinished, this, &TimingTab::ApplyWedding);
  connect(year_length_, &QComboBox::currentIndexChanged, this, [this] {
    stale_ = true;
    if (isVisible()) {
      Compute();
    }
  });
}

void TimingTab::SetPersons(const QString& boy_name, const BirthMoment& boy,
                           const std::string& boy_zone, const QString& girl_name,
                           const BirthMoment& girl, const std::string& girl_zone,
                           Ayanamsa ayanamsa) {
  boy_name_ = boy_name.isEmpty() ? tr("Boy") : boy_name;
  girl_name_ = girl_name.isEmpty() ? tr("Girl") : girl_name;
  CoupleTimingRequest request;
  request.Boy = boy;
  request.Girl = girl;
  request.BoyTimeZone = boy_zone;
  request.GirlTimeZone = girl_zone;
  request.ZodiacAyanamsa = ayanamsa;
  request_ = request;
  boy_tree_->setAccessibleName(tr("%1's mahadashas").arg(boy_name_));
  girl_tree_->setAccessibleName(tr("%1's mahadashas").arg(girl_name_));
  unavailable_->setVisible(false);
  content_->setVisible(true);
  stale_ = true;
  if (isVisible()) {
    Compute();
  }
}

void TimingTab::ClearPersons() {
  request_.reset();
  timing_.reset();
  unavailable_->setVisible(true);
  content_->setVisible(false);
}

void TimingTab::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) {
    Compute();
  }
}

QString TimingTab::YearLengthText() const {
  return year_length_->currentData().toString();
}

int TimingTab::ReferenceDay() const {
  if (timing_ && timing_->WeddingDay) {
    return *timing_->WeddingDay;
  }
  return TodayDayNumber();
}

std::optional<MatchTiming> TimingTab::CurrentTiming() {
  if (stale_) {
    Compute();
  }
  if (!timing_ || !request_) {
    return std::nullopt;
  }
  MatchTiming timing;
  timing.Couple = *timing_;
  const DashaYearLength year =
      DashaYearLengthNamed(YearLengthText().toStdString()).value_or(kJulianDashaYear);
  timing.Conventions = {AyanamsaName(request_->ZodiacAyanamsa), year.Text};
  timing.ReferenceDay = ReferenceDay();
  return timing;
}

void TimingTab::Compute() {
  stale_ = false;
  if (!request_) {
    return;
  }
  // A hundred years of Saturn for both persons: a second or two.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::optional<DashaYearLength> year = DashaYearLengthNamed(YearLengthText().toStdString());
  request_->Options.YearDays = year ? year->Days : kJulianDashaYear.Days;
  request_->Options.Levels = kPratyantardashaLevel;
  request_->WeddingDay = ParseDayText(wedding_->text().trimmed().toStdString());
  timing_ = ComputeCoupleTiming(*request_);
  QApplication::restoreOverrideCursor();
  Refresh();
}

void TimingTab::ApplyWedding() {
  const QString text = wedding_->text().trimmed();
  const std::optional<int> day = ParseDayText(text.toStdString());
  if (!text.isEmpty() && !day) {
    wedding_note_->setText(tr("Not a date of the form 2025-11-23: today is shown."));
  } else {
    wedding_note_->clear();
  }
  wedding_->setAccessibleDescription(wedding_note_->text().isEmpty()
                                         ? tr("Optional, as year-month-day (2025-11-23)")
                                         : wedding_note_->text());
  if (!timing_ || !request_) {
    return;
  }
  if (timing_->WeddingDay == day) {
    return;
  }
  request_->WeddingDay = day;
  timing_ = CombineTimings(std::move(timing_->Boy), std::move(timing_->Girl), day);
  Refresh();
}

void TimingTab::FillTree(QTreeWidget* tree, const PersonTiming& person) {
  tree->clear();
  for (const DashaPeriod& maha : person.Dashas.Mahadashas) {
    auto* item = new QTreeWidgetItem(
        tree, {Q(DashaLordName(maha.Lord)), Q(PersonDateText(person, maha.From)),
               Q(PersonDateText(person, maha.To))});
    for (const DashaPeriod& antar : maha.Sub) {
      new QTreeWidgetItem(
          item, {Q(DashaLordName(maha.Lord)) + QStringLiteral(" / ") + Q(DashaLordName(antar.Lord)),
                 Q(PersonDateText(person, antar.From)), Q(PersonDateText(person, antar.To))});
    }
  }
}

void TimingTab::Refresh() {
  if (!timing_ || !request_) {
    return;
  }
  const int reference = ReferenceDay();
  const std::string boy = boy_name_.toStdString();
  const std::string girl = girl_name_.toStdString();
  conventions_->setText(
      tr("Vimshottari periods from the sidereal Moon at birth, %1 ayanamsa, years of %2 "
         "days;\ndates in each person's birth zone. Orange bands mark Dasha Sandhi.")
          .arg(Q(AyanamsaWord(CurrentLanguage(), request_->ZodiacAyanamsa)), YearLengthText()));
  timeline_->SetTimeline(ComposeTimeline(*timing_, boy, girl, reference));

  QString running =
      (timing_->WeddingDay ? tr("Running at the wedding, %1:") : tr("Running today, %1:"))
          .arg(Q(DayText(reference)));
  const PersonTiming* persons[] = {&timing_->Boy, &timing_->Girl};
  const QString names[] = {boy_name_, girl_name_};
  for (int i = 0; i < 2; ++i) {
    const std::vector<DashaSpan> chain = RunningOnDay(*persons[i], reference);
    QStringList levels;
    for (const DashaSpan& span : chain) {
      levels << Q(SpanWords(*persons[i], span));
    }
    running += QStringLiteral("\n") + names[i] + QStringLiteral(": ") +
               (levels.isEmpty() ? tr("outside the periods") : levels.join(QStringLiteral("; ")));
  }
  running_->setText(running);
  running_->setAccessibleName(running);

  QString sandhi = tr("Dasha Sandhi:");
  if (timing_->Sandhi.empty()) {
    sandhi += QLatin1Char(' ') + tr("none within 183 days.");
  }
  for (const SandhiEntry& entry : timing_->Sandhi) {
    sandhi += QStringLiteral("\n") + Q(SandhiWords(entry, boy, girl, timing_->WeddingDay));
  }
  sandhi_->setText(sandhi);
  sandhi_->setAccessibleName(sandhi);

  FillTree(boy_tree_, timing_->Boy);
  FillTree(girl_tree_, timing_->Girl);

  transits_->clear();
  for (int i = 0; i < 2; ++i) {
    for (const TransitRow& row : TransitsAhead(*persons[i], reference)) {
      new QTreeWidgetItem(transits_,
                          {names[i], Q(row.Kind), Q(DayText(row.FromDay)), Q(DayText(row.ToDay))});
    }
  }
}

}  // namespace lumora::ui
