// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A one-line edit with a fixed edit mask, such as "Ш = ##°##,##'".
//
// Every mask character other than "#" is a literal shown in its place; the
// caret skips it and it cannot be changed. A "#" place takes a digit, a blank,
// "+" or "-"; any other key changes nothing. An empty place, or one holding
// the digit 0, shows the placeholder "0".
//
// maskedText() gives the whole line, one character per mask position, with a
// blank for every place that shows the placeholder. setMaskedText() lays a
// text over the mask place by place and drops what lies beyond it.
// maskedTextChanged() is emitted on every real change of maskedText(), by the
// user or by the program, and never when it stays the same.

#include <QLineEdit>
#include <QString>

namespace tarvel {

class TMaskEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TMaskEdit(const QString& mask, QWidget* parent = nullptr);

  QString maskedText() const { return text_; }
  void setMaskedText(const QString& text);
  const QString& mask() const { return mask_; }

 signals:
  void maskedTextChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  static constexpr QChar kPlace = u'#';
  static constexpr QChar kPlaceholder = u'0';

  bool isPlace(int i) const { return i >= 0 && i < mask_.size() && mask_[i] == kPlace; }
  int nextPlace(int from) const;      // first place at or after `from`, or -1
  int previousPlace(int from) const;  // last place before `from`, or -1
  static bool accepts(QChar c);
  static QChar stored(QChar c);  // 0 is held as a blank
  void apply(const QString& text, int caret);
  QString display() const;

  QString mask_;
  QString text_;
};

}  // namespace tarvel
