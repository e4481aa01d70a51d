// SPDX-License-Identifier: MIT
#include "ui/vedic/result/birth_details_page.h"

#include <QDate>
#include <QLabel>
#include <QVBoxLayout>

#include "core/entry/birth_location.h"
#include "core/entry/date_lists.h"
#include "core/ephemeris/moon_model.h"
#include "core/vedic/chart/sidereal_chart.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"
#include "ui/vedic/result/result_widgets.h"

namespace lumora::ui {

namespace {

QString Time(const PersonDetails& p) {
  return QStringLiteral("%1:%2:%3").arg(p.Hour).arg(p.Minute).arg(p.Second);
}

// The birth date as the form gave it, or as a reader of Hindi or Tamil writes it.
QString Date(const PersonDetails& p) {
  const QString english = ToQString(p.Month) + QLatin1Char(' ') + ToQString(p.Day) +
                          QStringLiteral(", ") + ToQString(p.Year);
  const auto month = MonthNumber(p.Month);
  const QDate date(QString::fromStdString(p.Year).toInt(), month.value_or(0),
                   QString::fromStdString(p.Day).toInt());
  return CurrentLanguage() == Language::English || !date.isValid() ? english : LongDate(date);
}

}  // namespace

BirthDetailsPage::BirthDetailsPage(QWidget* parent) : QScrollArea(parent) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("fraUserDetails"));
  auto* layout = new QVBoxLayout(page);
  for (const auto& [heading, prefix] :
       {std::pair{tr("Boy's Birth Details"), 'M'}, std::pair{tr("Girl's Birth Details"), 'F'}}) {
    auto* title = SelectableLabel(heading, page);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    layout->addWidget(title);
    PersonLines& lines = lines_[prefix == 'M' ? 0 : 1];
    for (const auto& [suffix, member] :
         {std::pair{"Name", &PersonLines::Name}, std::pair{"DOB", &PersonLines::Date},
          std::pair{"TOB", &PersonLines::Time}, std::pair{"POB", &PersonLines::Place},
          std::pair{"Location", &PersonLines::Location}, std::pair{"Moon", &PersonLines::Moon},
          std::pair{"Ayanamsa", &PersonLines::Ayanamsa}, std::pair{"Node", &PersonLines::Node}}) {
      auto* label = SelectableLabel(
          QString(), page, QStringLiteral("lbl") + QLatin1Char(prefix) + QLatin1String(suffix));
      label->setWordWrap(true);
      layout->addWidget(label);
      lines.*member = label;
    }
    layout->addSpacing(16);
  }
  layout->addStretch();
  setObjectName(QStringLiteral("scrUserDetails"));
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  setWidget(page);
}

void BirthDetailsPage::Show(const MatchState& state) {
  const PersonDetails& b = state.BoyDetails;
  const PersonDetails& g = state.GirlDetails;
  PersonLines& boy = lines_[0];
  PersonLines& girl = lines_[1];
  boy.Name->setText(tr("Your Name: %1").arg(ToQString(b.Name)));
  boy.Date->setText(tr("Your Date Of Birth: %1").arg(Date(b)));
  boy.Time->setText(tr("Your Time Of Birth: %1").arg(Time(b)));
  boy.Place->setText(tr("Your Place Of Birth: %1").arg(ToQString(b.Place)));
  girl.Name->setText(tr("Your Partner's Name: %1").arg(ToQString(g.Name)));
  girl.Date->setText(tr("Your Partner's Date Of Birth: %1").arg(Date(g)));
  girl.Time->setText(tr("Your Partner's Time Of Birth: %1").arg(Time(g)));
  girl.Place->setText(tr("Your Partner's Place Of Birth: %1").arg(ToQString(g.Place)));
  for (const auto& [lines, person] : {std::pair{&boy, &b}, std::pair{&girl, &g}}) {
    // The coordinates and clock the match read, beside the place's name.
    lines->Location->setText(
        person->Location ? tr("Coordinates And Clock: %1")
                               .arg(ToQString(LocationWords(*person->Location, CurrentLanguage())))
                         : QString());
    lines->Location->setVisible(person->Location.has_value());
    if (!state.BirthDetailsStored) {
      lines->Name->setText(ToQString(kBirthDetailsNotStored));
      for (QLabel* label : {lines->Date, lines->Time, lines->Place}) {
        label->clear();
        label->hide();
      }
    }
    // Which Moon the match rests on, named only when it is the precise one.
    const bool precise = person->Moon == MoonModel::Precise;
    lines->Moon->setText(precise ? tr("Moon: %1").arg(QString::fromUtf8(kPreciseMoonText))
                                 : QString());
    lines->Moon->setVisible(precise);
    // The zodiac and node of the match, always named where the birth was read.
    const bool known = state.BirthDetailsStored && person->Zodiac.has_value();
    const Language language = CurrentLanguage();
    lines->Ayanamsa->setText(known ? ToQString(AyanamsaLine(*person->Zodiac, language))
                                   : QString());
    lines->Node->setText(known ? ToQString(NodeLine(person->Zodiac->Options.node, language))
                               : QString());
    lines->Ayanamsa->setVisible(known);
    lines->Node->setVisible(known);
  }
}

}  // namespace lumora::ui
