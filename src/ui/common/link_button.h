// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

class QTextDocument;

namespace lumora::ui {

// A command drawn as a link of the text around it (underlined, in the theme's link
// colour), which is a push button for the keyboard and for assistive technology: one Tab
// stop, pressed with Space or Enter, a press action over the accessibility bus. A label
// with a link takes a Tab stop for itself and one for its link and offers no action.
class LinkButton : public QPushButton {
  Q_OBJECT
 public:
  LinkButton(const QString& text, QWidget* parent = nullptr);
  ~LinkButton() override;

  // The caption, drawn anew as a link (QPushButton::setText does not reach the drawing).
  void SetLinkText(const QString& text);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Lay();
  QTextDocument* document_;
};

}  // namespace lumora::ui
