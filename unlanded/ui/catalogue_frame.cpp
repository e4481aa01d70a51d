// SPDX-License-Identifier: MIT
#include "ui/vedic/result/catalogue_frame.h"

#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/vedic/result/about_page.h"
#include "ui/vedic/result/result_labels.h"

namespace lumora::ui {

namespace {

// Prose fields get a multi-line box, the rest a single line.
bool IsProse(std::string_view field) {
  static constexpr std::string_view kProse[] = {"Looks",
                                                "Nature",
                                                "CareerAndFinance",
                                                "LoveAndDomesticLife",
                                                "Health",
                                                "GeneralAndPhysicalFeatures",
                                                "PositiveHumanTraits",
                                                "NegativeHumanTraits",
                                                "BestCareerOptions",
                                                "DomesticLife"};
  for (std::string_view p : kProse) {
    if (p == field) {
      return true;
    }
  }
  return false;
}

}  // namespace

CatalogueFrame* CatalogueFrame::ForRashi(const Services& services, PersonSide side,
                                         const QString& caption) {
  const QString p(QLatin1Char(SideLetter(side)));
  const Names names{QStringLiteral("fra") + p + QStringLiteral("Rashi"),
                    QStringLiteral("txt") + p,
                    QStringLiteral("lbl") + p + QStringLiteral("Rashi"),
                    tr("Rashi"),
                    QStringLiteral("pic") + p + QStringLiteral("Rashi"),
                    QStringLiteral("TS") + p,
                    p,
                    QStringLiteral("Rashi") + p};
  return new CatalogueFrame(services, caption, names, RashiHeaderFields(), RashiPages());
}

CatalogueFrame* CatalogueFrame::ForNakshatra(const Services& services, PersonSide side,
                                             const QString& caption) {
  const QString side_letter(QLatin1Char(SideLetter(side)));
  const QString prefix = QStringLiteral("N") + side_letter;
  const Names names{QStringLiteral("fra") + side_letter + QStringLiteral("Nakshatra"),
                    QStringLiteral("txt") + prefix,
                    QStringLiteral("lbl") + prefix + QStringLiteral("Nakshatra"),
                    tr("Nakshatra"),
                    QStringLiteral("pic") + side_letter + QStringLiteral("Nakshatra"),
                    QStringLiteral("TS") + prefix,
                    prefix,
                    QStringLiteral("Nakshatra") + prefix};
  return new CatalogueFrame(services, caption, names, NakshatraHeaderFields(), NakshatraPages());
}

// Header fields in a grid beside the picture, then the tab strip of pages with Back and
// Next buttons.
CatalogueFrame::CatalogueFrame(const Services& services, const QString& caption,
                               const Names& names, const std::vector<CataloguePageField>& header,
                               const std::vector<CataloguePage>& pages)
    : QGroupBox(caption), field_prefix_(names.FieldPrefix) {
  setObjectName(names.Frame);
  auto* layout = new QVBoxLayout(this);
  heading_ = new QLabel(names.HeadingCaption, this);
  heading_->setObjectName(names.Heading);
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  heading_->setFont(big);
  layout->addWidget(heading_);

  auto* top = new QHBoxLayout;
  picture_ = new QLabel(this);
  picture_->setObjectName(names.Picture);
  picture_->setFixedSize(112, 112);
  picture_->setAccessibleName(QObject::tr("Picture"));
  top->addWidget(picture_);
  auto* form = new QFormLayout;
  for (const CataloguePageField& f : header) {
    QWidget* box = AddField(this, f.Name, false);
    auto* field_caption = new QLabel(Q(f.Caption) + QLatin1Char(':'), this);
    field_caption->setBuddy(box);
    box->setAccessibleName(Q(f.Caption));
    form->addRow(field_caption, box);
  }
  top->addLayout(form, 1);
  layout->addLayout(top);

  auto* strip = new QTabWidget(this);
  strip->setObjectName(names.Strip);
  strip->setAccessibleName(title());
  const int count = static_cast<int>(pages.size());
  for (int k = 1; k <= count; ++k) {
    const CataloguePage& page = pages[static_cast<std::size_t>(k - 1)];
    auto* widget = new QWidget;
    widget->setObjectName(names.Strip + QStringLiteral("Page%1").arg(k));
    auto* page_layout = new QVBoxLayout(widget);
    if (page.Fields.empty()) {
      page_layout->addWidget(new AboutPage(services, names.About));
    } else {
      // The fields scroll, so that a page of long texts never makes the window
      // taller than a small screen.
      auto* scroll = new QScrollArea(widget);
      scroll->setWidgetResizable(true);
      scroll->setFrameShape(QFrame::NoFrame);
      auto* content = new QWidget(scroll);
      auto* fields = new QFormLayout(content);
      fields->setRowWrapPolicy(QFormLayout::WrapLongRows);
      for (const CataloguePageField& f : page.Fields) {
        QWidget* box = AddField(content, f.Name, IsProse(f.Name));
        auto* field_caption = new QLabel(Q(f.Caption) + QLatin1Char(':'), content);
        field_caption->setBuddy(box);
        box->setAccessibleName(Q(f.Caption));
        fields->addRow(field_caption, box);
      }
      scroll->setWidget(content);
      page_layout->addWidget(scroll, 1);
    }
    auto* paging = new QHBoxLayout;
    if (k > 1) {
      auto* back = new QPushButton(QObject::tr("Back"), widget);
      back->setObjectName(QStringLiteral("cmd%1Back%2").arg(names.ButtonPrefix).arg(k));
      QObject::connect(back, &QPushButton::clicked, strip,
                       [strip, k] { strip->setCurrentIndex(k - 2); });
      paging->addWidget(back);
    }
    paging->addStretch();
    if (k < count) {
      auto* next = new QPushButton(QObject::tr("Next"), widget);
      next->setObjectName(QStringLiteral("cmd%1Next%2").arg(names.ButtonPrefix).arg(k));
      QObject::connect(next, &QPushButton::clicked, strip,
                       [strip, k] { strip->setCurrentIndex(k); });
      paging->addWidget(next);
    }
    page_layout->addLayout(paging);
    strip->addTab(widget, Q(page.Caption));
  }
  layout->addWidget(strip, 1);
}

QWidget* CatalogueFrame::AddField(QWidget* parent, std::string_view name, bool prose) {
  QWidget* box = nullptr;
  if (prose) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(true);
    edit->setMinimumHeight(110);
    box = edit;
  } else {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    box = edit;
  }
  box->setObjectName(field_prefix_ + Q(name));
  fields_.insert(Q(name), box);
  return box;
}

void CatalogueFrame::SetField(std::string_view name, const QString& text) {
  QWidget* box = fields_.value(Q(name));
  if (auto* line = qobject_cast<QLineEdit*>(box)) {
    line->setText(text);
    line->setCursorPosition(0);
  } else if (auto* prose = qobject_cast<QPlainTextEdit*>(box)) {
    prose->setPlainText(text);
  }
}

void CatalogueFrame::ShowRashi(const RashiRecord& record) {
  for (const RashiField& field : kRashiFields) {
    const QString text = Q(record.*field.Member);
    if (field.Name == "IndianName") {
      heading_->setText(text);
    } else {
      SetField(field.Name, text);
    }
  }
  // Pictures are keyed by the sign's English name.
  ShowPicture(QStringLiteral(":/resources/rashi/%1.svg").arg(Q(record.EnglishName).trimmed()));
}

void CatalogueFrame::ShowNakshatra(const NakshatraRecord& record) {
  for (const NakshatraField& field : kNakshatraFields) {
    const QString text = Q(record.*field.Member);
    if (field.Name == "NakshatraName") {
      heading_->setText(text);
    } else {
      SetField(field.Name, text);
    }
  }
  ShowPicture(QStringLiteral(":/resources/nakshatra/%1.svg").arg(Q(record.NakshatraName)));
}

void CatalogueFrame::ShowPicture(const QString& path) {
  if (!QFile::exists(path)) {
    return;
  }
  picture_->setPixmap(QIcon(path).pixmap(QSize(112, 112), devicePixelRatioF()));
}

}  // namespace lumora::ui
