// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kvarnel::ui {

// A result label: selectable with the mouse for copying, never editable, outside the Tab
// order. A text wider than the label is shown whole in a smaller size of the same face.
// Assistive technology reads its shown text, labelled by the caption beside it.
class FittingLabel : public QLabel
{
    Q_OBJECT

  public:
    explicit FittingLabel(QWidget *parent = nullptr);

    void setBaseFont(const QFont &font);
    void showText(const QString &text);

  private:
    QFont m_baseFont;
};

} // namespace kvarnel::ui
