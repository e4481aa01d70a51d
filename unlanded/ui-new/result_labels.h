// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

class QLabel;
class QWidget;

namespace lumora::ui {

// The little pieces the result window's pages are made of.

// UTF-8 text of the core as a QString.
QString Q(std::string_view text);

// A label whose text can be selected and copied; named when name is given.
QLabel* SelectableLabel(const QString& text, QWidget* parent, const QString& name = {});

// An empty, named, word-wrapped label that a page fills in, with its accessible name.
QLabel* WrappedLabel(QWidget* parent, const QString& name, const QString& accessible);

// A bold caption above a part of a page.
QLabel* Heading(const QString& text, QWidget* parent);

}  // namespace lumora::ui
