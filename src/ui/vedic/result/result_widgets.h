// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

class QLabel;
class QWidget;

namespace lumora::ui {

class BrowserService;

// Small pieces shared by the result window's tabs.

// A label whose text can be selected with the mouse, named when a name is given.
QLabel* SelectableLabel(const QString& text, QWidget* parent, const QString& name = {});
// An empty selectable label that wraps, named for screen readers.
QLabel* WrappedLabel(QWidget* parent, const QString& name, const QString& accessible);
// A bold selectable label.
QLabel* Heading(const QString& text, QWidget* parent);
// "Boy" or "Girl" for the side letter 'M' or 'F', in the language in use.
QString SideName(char side);
// The About page: the icon, the closing paragraph and the link to the help. The object name
// is "fra" + name + "Software".
QWidget* NewAboutPage(const QString& name, BrowserService* browser);

// Whether texts marked for translation are the core's English texts, in the same order.
constexpr bool SameTexts(const auto& marked, const auto& core, auto member) {
  for (std::size_t i = 0; i < marked.size(); ++i) {
    if (std::string_view(marked[i]) != member(core[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace lumora::ui
