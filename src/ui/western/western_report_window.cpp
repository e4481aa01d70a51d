// SPDX-License-Identifier: MIT
#include "ui/western/western_report_window.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/glossary/glossary.h"
#include "core/glossary/phrases.h"
#include "core/glossary/western_phrases.h"
#include "core/program.h"
#include "core/western/western_document.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/shell/services.h"
#include "ui/western/synastry_page.h"

namespace lumora::ui {

namespace {

// Rows per column of a position table: Sun to Uranus on the left, Neptune to MC on the
// right.
constexpr int kLeftColumnRows = 8;

QFont Scaled(QFont font, double factor, bool bold) {
  font.setPointSizeF(font.pointSizeF() * factor);
  font.setBold(bold);
  return font;
}

QLabel* CaptionLabel(const QString& text, QWidget* parent) {
  return new QLabel(text, parent);
}

// A value: plain text shown as given (blanks and all), bold so that it stands out from
// its caption in any colour scheme, and selectable for copying.
QLabel* ValueLabel(const QString& name, QLabel* caption, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setFont(Scaled(parent->font(), 1.0, true));
  caption->setBuddy(label);
  return label;
}

QLabel* SectionHeading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(Scaled(parent->font(), 1.15, true));
  return label;
}

QGroupBox* Group(const QString& title, const QString& name, const QString& accessible_name,
                 QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  group->setAccessibleName(accessible_name);
  return group;
}

}  // namespace

QString WesternReportFontFamily() {
  const QString verdana = QStringLiteral("Verdana");
  if (QFontDatabase::families().contains(verdana, Qt::CaseInsensitive)) {
    return verdana;
  }
  QFont sans;
  sans.setStyleHint(QFont::SansSerif);
  return sans.defaultFamily();
}

WesternReportWindow::WesternReportWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmPenrowReport"));
  setWindowTitle(QStringLiteral("Lumo Penrow Software v2.0"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/western.svg")));
  QFont report_font = font();
  report_font.setFamily(WesternReportFontFamily());
  report_font.setStyleHint(QFont::SansSerif);
  setFont(report_font);

  // In the main window's area on a small screen the window can be lower than the
  // report: the report then scrolls, and every part keeps its height.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("scrReport"));
  scroll->setAccessibleName(tr("Western report"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  content_ = new QWidget(scroll);
  content_->setObjectName(QStringLiteral("pnlReport"));
  // Two pages: the report, and the synastry of the same two charts.
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("tabReport"));
  pages_->setAccessibleName(tr("Western report pages"));
  pages_->setDocumentMode(true);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(pages_);
  pages_->addTab(scroll, tr("&Report"));
  auto* synastry_scroll = new QScrollArea(pages_);
  synastry_scroll->setObjectName(QStringLiteral("scrSynastry"));
  synastry_scroll->setAccessibleName(tr("Synastry"));
  synastry_scroll->setFrameShape(QFrame::NoFrame);
  synastry_scroll->setWidgetResizable(true);
  synastry_ = new SynastryPage(synastry_scroll);
  synastry_scroll->setWidget(synastry_);
  pages_->addTab(synastry_scroll, tr("&Synastry"));
  auto* layout = new QVBoxLayout(content_);
  layout->setContentsMargins(18, 14, 18, 12);
  layout->setSpacing(8);

  auto* title = new QLabel(QStringLiteral("Lumo Penrow Software"), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  title->setFont(Scaled(report_font, 1.7, true));
  title->setAlignment(Qt::AlignCenter);
  title->setForegroundRole(QPalette::Highlight);
  layout->addWidget(title);

  // Person details, male on the left and female on the right.
  auto details = [this](bool male, PersonLabels& labels) {
    const QString who = male ? QStringLiteral("Male") : QStringLiteral("Female");
    const QString person = male ? tr("Male") : tr("Female");
    QGroupBox* group = Group(person + QLatin1Char(':'), QStringLiteral("fra%1Details").arg(who),
                             tr("%1 details").arg(person), this);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(14);
    const struct {
      QString caption;
      const char* name;
      QLabel** value;
    } rows[] = {
        {tr("Name:"), male ? "mName" : "fName", &labels.Name},
        {tr("Date of Birth:"), male ? "mDOB" : "fDOB", &labels.DateOfBirth},
        {tr("Time of Birth:"), male ? "mTOB" : "fTOB", &labels.TimeOfBirth},
        {tr("City:"), male ? "mCity" : "fCity", &labels.City},
        {tr("State:"), male ? "mState" : "fState", &labels.State},
        {tr("Country:"), male ? "Mcountry" : "fCountry", &labels.Country},
        {tr("Coordinates:"), male ? "mCoordinates" : "fCoordinates", &labels.Coordinates},
        {tr("Clock:"), male ? "mClock" : "fClock", &labels.Clock},
    };
    int row = 0;
    for (const auto& r : rows) {
      QLabel* caption = CaptionLabel(r.caption, group);
      *r.value = ValueLabel(QString::fromLatin1(r.name), caption, group);
      grid->addWidget(caption, row, 0);
      grid->addWidget(*r.value, row++, 1);
    }
    // A printed report tells which Moon it rests on.
    labels.MoonCaption = CaptionLabel(tr("Moon:"), group);
    labels.Moon = ValueLabel(male ? QStringLiteral("mMoon") : QStringLiteral("fMoon"),
                             labels.MoonCaption, group);
    grid->addWidget(labels.MoonCaption, row, 0);
    grid->addWidget(labels.Moon, row, 1);
    labels.MoonCaption->hide();
    labels.Moon->hide();
    // Every row at its full height, however many rows are shown.
    group->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return group;
  };
  // The figures stand beside the persons, so that the score is in view as the report
  // opens, without scrolling, on a 1366x768 screen; the words that explain them follow
  // the positions.
  QGroupBox* figures =
      Group(tr("Compatibility:"), QStringLiteral("fraCompatibility"), tr("Compatibility"), this);
  auto* grid = new QGridLayout(figures);
  grid->setHorizontalSpacing(14);
  grid->setColumnStretch(1, 1);
  const struct {
    QString caption;
    const char* name;
    QLabel** value;
  } rows[] = {
      {tr("Power"), "lblPower", &power_},
      {tr("Harmony"), "lblHarmony", &harmony_},
      {tr("P * H"), "lblPH", &power_times_harmony_},
      {tr("Percentage"), "lblPercentage", &percentage_},
      {tr("Comment"), "lblComment", &comment_},
  };
  int row = 0;
  for (const auto& r : rows) {
    QLabel* caption = CaptionLabel(r.caption, figures);
    *r.value = ValueLabel(QString::fromLatin1(r.name), caption, figures);
    grid->addWidget(caption, row, 0);
    grid->addWidget(*r.value, row++, 1);
  }
  grid->setRowStretch(row, 1);
  figures->setMinimumWidth(figures->fontMetrics().horizontalAdvance(QStringLiteral("Percentage")) *
                           5 / 2);
  auto* people = new QHBoxLayout;
  people->setSpacing(14);
  people->addWidget(details(true, male_), 1);
  people->addWidget(details(false, female_), 1);
  people->addWidget(figures, 0, Qt::AlignTop);
  layout->addLayout(people);

  // Natal positions: two columns of captions with their values in each person's table.
  layout->addSpacing(4);
  layout->addWidget(SectionHeading(tr("Natal Position Data:"), this));
  auto positions = [this](bool male, std::array<QLabel*, kChartPointCount>& values) {
    const QString who = male ? QStringLiteral("Male") : QStringLiteral("Female");
    const QString person = male ? tr("Male") : tr("Female");
    QGroupBox* group = Group(person + QLatin1Char(':'), QStringLiteral("fra%1Positions").arg(who),
                             tr("%1 natal positions").arg(person), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(14);
    grid->setColumnMinimumWidth(2, 24);  // between the two columns
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    const int value_width = fontMetrics().horizontalAdvance(QStringLiteral("00 Cap 00")) * 6 / 5;
    for (int i = 0; i < static_cast<int>(kChartPointCount); ++i) {
      const int column = i < kLeftColumnRows ? 0 : 3;
      const int row = i < kLeftColumnRows ? i : i - kLeftColumnRows;
      QLabel* caption = CaptionLabel(
          ToQString(
              std::string(WesternPhrasesOf(CurrentLanguage()).Points[static_cast<std::size_t>(i)])),
          group);
      values[static_cast<std::size_t>(i)] =
          ValueLabel(QStringLiteral("lblPlanetPosition_%1_%2").arg(who).arg(i), caption, group);
      values[static_cast<std::size_t>(i)]->setMinimumWidth(value_width);
      grid->addWidget(caption, row, column);
      grid->addWidget(values[static_cast<std::size_t>(i)], row, column + 1);
    }
    return group;
  };
  auto* tables = new QHBoxLayout;
  tables->setSpacing(14);
  tables->addWidget(positions(true, male_positions_), 1);
  tables->addWidget(positions(false, female_positions_), 1);
  layout->addLayout(tables);

  // The compatibility block: the explanation beside the five figures.
  layout->addSpacing(4);
  layout->addWidget(SectionHeading(tr("Compatibility Report:"), this));
  layout->addWidget(NewEnglishTextNote(this));
  auto* block = new QHBoxLayout;
  block->setSpacing(14);
  auto* text = new QVBoxLayout;
  text->setSpacing(6);
  for (const char* paragraph : kWesternReportParagraphs) {
    auto* label = new QLabel(QString::fromLatin1(paragraph), this);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    text->addWidget(label);
  }
  text->addStretch(1);
  block->addLayout(text, 1);

  layout->addLayout(block);

  auto* credit = new QLabel(
      ToQString(lumora::Fill(WesternPhrasesOf(CurrentLanguage()).CreditLine, {kProgramTitle})),
      this);
  credit->setObjectName(QStringLiteral("lblCredit"));
  credit->setTextFormat(Qt::PlainText);
  credit->setAlignment(Qt::AlignCenter);
  QFont credit_font = Scaled(report_font, 0.9, false);
  credit_font.setItalic(true);
  credit->setFont(credit_font);
  layout->addSpacing(4);
  layout->addWidget(credit);

  scroll->setWidget(content_);
  setMinimumWidth(860);
  // The wrapped paragraphs decide the height at the window's width.
  const int width = qMax(minimumWidth(), content_->sizeHint().width());
  const int height = layout->totalHeightForWidth(width);
  content_->setMinimumHeight(height);
  resize(width, height + pages_->tabBar()->sizeHint().height());
}

void WesternReportWindow::FillSynastry(const SynastryReading& reading,
                                       const WesternTestResult& result) {
  synastry_->Fill(reading, result.Report.mName, result.Report.fName);
}

void WesternReportWindow::Fill(const WesternTestResult& result) {
  for (std::size_t i = 0; i < male_positions_.size(); ++i) {
    const auto point = static_cast<ChartPoint>(i);
    male_positions_[i]->setText(
        ToQString(ShortPositionWords(CurrentLanguage(), result.Male.ZodiacOf(point))));
    female_positions_[i]->setText(
        ToQString(ShortPositionWords(CurrentLanguage(), result.Female.ZodiacOf(point))));
  }
  power_->setText(QString::number(result.Score.Power));
  harmony_->setText(QString::number(result.Score.Harmony));
  power_times_harmony_->setText(QString::number(result.Score.PowerTimesHarmony));
  percentage_->setText(QString::number(result.Score.Percentage));
  comment_->setText(
      ToQString(std::string(WesternCommentWord(CurrentLanguage(), result.Score.Comment))));

  const WesternReportLabels& labels = result.Report;
  // The dates as the language writes them.
  const std::string male_born = EnglishDateIn(CurrentLanguage(), labels.mDOB).value_or(labels.mDOB);
  const std::string female_born =
      EnglishDateIn(CurrentLanguage(), labels.fDOB).value_or(labels.fDOB);
  const std::pair<QLabel*, const std::string*> people[] = {
      {male_.Name, &labels.mName},         {male_.DateOfBirth, &male_born},
      {male_.City, &labels.mCity},         {male_.State, &labels.mState},
      {male_.Country, &labels.Mcountry},   {female_.Name, &labels.fName},
      {female_.DateOfBirth, &female_born}, {female_.City, &labels.fCity},
      {female_.State, &labels.fState},     {female_.Country, &labels.fCountry},
  };
  for (const auto& [label, text] : people) {
    label->setText(ToQString(*text));
  }
  for (const PersonSide side : kPersonSides) {
    const PersonLabels& person = side == PersonSide::Male ? male_ : female_;
    person.TimeOfBirth->setText(ToQString(side == PersonSide::Male ? labels.mTOB : labels.fTOB));
    person.Coordinates->setText(ToQString(CoordinatesWords(result.Locations[side])));
    person.Clock->setText(ToQString(ClockUsedWords(result.Locations[side], CurrentLanguage())));
  }
  // The Moon row comes and goes; the window grows or shrinks by the height of the
  // row, so every other part keeps the height it had.
  const bool precise = result.Moon == MoonModel::Precise;
  QWidget* details = male_.Moon->parentWidget();
  const int before = details->sizeHint().height();
  for (PersonLabels* person : {&male_, &female_}) {
    person->Moon->setText(precise ? QString::fromUtf8(kPreciseMoonText) : QString());
    person->Moon->setVisible(precise);
    person->MoonCaption->setVisible(precise);
    person->Moon->parentWidget()->layout()->invalidate();
    person->Moon->parentWidget()->updateGeometry();
  }
  const int change = details->sizeHint().height() - before;
  if (change != 0) {
    content_->setMinimumHeight(content_->minimumHeight() + change);
    resize(width(), height() + change);
  }
}

}  // namespace lumora::ui
