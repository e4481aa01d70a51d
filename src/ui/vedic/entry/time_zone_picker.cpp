// SPDX-License-Identifier: MIT
#include "ui/vedic/entry/time_zone_picker.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/entry/time_zones.h"
#include "ui/shell/language_choice.h"
#include "ui/shell/rich_text.h"

namespace lumora::ui {

TimeZonePicker::TimeZonePicker(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmTarvikTimeZone"));
  setWindowTitle(QStringLiteral("Lumo Tarvik"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/app/vedic.svg")));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(this);
  layout->addWidget(caption);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstTimeZone"));
  caption->setBuddy(list_);
  for (const TimeZoneRow& row : kTimeZones) {
    list_->addItem(QString::fromUtf8(row.Text.data(), static_cast<int>(row.Text.size())));
  }
  layout->addWidget(list_);
  auto* quit = new QPushButton(this);
  quit->setObjectName(QStringLiteral("cmdQuit"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(quit);
  layout->addLayout(buttons);
  connect(quit, &QPushButton::clicked, this, &QDialog::close);
  connect(list_, &QListWidget::itemActivated, this, &TimeZonePicker::Choose);
  resize(380, 460);

  const auto retranslate = [this, caption, quit] {
    caption->setText(tr("Double-click your &time zone:"));
    list_->setAccessibleName(tr("Time zones"));
    quit->setText(tr("&Quit"));
  };
  retranslate();
  OnLanguageChange(*this, retranslate);
}

void TimeZonePicker::Choose() {
  if (const auto zone = LookupTimeZone(list_->currentRow())) {
    emit ZoneChosen(zone->Hours, zone->Minutes);
  }
  close();
}

}  // namespace lumora::ui
