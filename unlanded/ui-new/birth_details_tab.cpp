// SPDX-License-Identifier: MIT
#include "ui/vedic/result/birth_details_tab.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/shell/rich_text.h"
#include "ui/vedic/result/result_labels.h"

namespace lumora::ui {

namespace {

QString Time(const PersonDetails& p) {
  return QStringLiteral("%1:%2:%3").arg(p.Hour).arg(p.Minute).arg(p.Second);
}

QString Date(const PersonDetails& p) {
  return ToQString(p.Month) + QLatin1Char(' ') + ToQString(p.Day) + QStringLiteral(", ") +
         ToQString(p.Year);
}

}  // namespace

BirthDetailsTab::BirthDetailsTab(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraUserDetails"));
  auto* layout = new QVBoxLayout(this);
  for (const auto& [heading, prefix] :
       {std::pair{tr("Boy's Birth Details"), 'M'}, std::pair{tr("Girl's Birth Details"), 'F'}}) {
    auto* title = SelectableLabel(heading, this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    layout->addWidget(title);
    SideLabels& side = sides_[prefix == 'M' ? 0 : 1];
    for (auto [suffix, member] :
         {std::pair{"Name", &SideLabels::Name}, std::pair{"DOB", &SideLabels::Dob},
          std::pair{"TOB", &SideLabels::Tob}, std::pair{"POB", &SideLabels::Pob},
          std::pair{"Moon", &SideLabels::Moon}}) {
      auto* label = SelectableLabel(
          QString(), this, QStringLiteral("lbl") + QLatin1Char(prefix) + QLatin1String(suffix));
      label->setWordWrap(true);
      layout->addWidget(label);
      side.*member = label;
    }
    layout->addSpacing(16);
  }
  layout->addStretch();
}

void BirthDetailsTab::Show(const MatchState& state) {
  const PersonDetails& b = state.BoyDetails;
  const PersonDetails& g = state.GirlDetails;
  SideLabels& boy = sides_[0];
  SideLabels& girl = sides_[1];
  boy.Name->setText("Your Name: " + ToQString(b.Name));
  boy.Dob->setText("Your Date Of Birth: " + Date(b));
  boy.Tob->setText("Your Time Of Birth: " + Time(b));
  boy.Pob->setText("Your Place Of Birth: " + ToQString(b.Place));
  girl.Name->setText("Your Partner's Name: " + ToQString(g.Name));
  girl.Dob->setText("Your Partner's Date Of Birth: " + Date(g));
  girl.Tob->setText("Your Partner's Time Of Birth: " + Time(g));
  girl.Pob->setText("Your Partner's Place Of Birth: " + ToQString(g.Place));
  // A profile file holds no birth details.
  if (!state.BirthDetailsStored) {
    for (SideLabels& side : sides_) {
      side.Name->setText(ToQString(kBirthDetailsNotStored));
      for (QLabel* label : {side.Dob, side.Tob, side.Pob}) {
        label->clear();
        label->hide();
      }
    }
  }
  // Which Moon the match rests on, named only when it is the precise one.
  for (const auto& [side, person] : {std::pair{&boy, &b}, std::pair{&girl, &g}}) {
    const bool precise = person->Moon == MoonModel::Precise;
    side->Moon->setText(precise ? QStringLiteral("Moon: ") + QString::fromUtf8(kPreciseMoonText)
                                : QString());
    side->Moon->setVisible(precise);
  }
}

}  // namespace lumora::ui
