// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/HemisphereKeys.h"

#include <QKeyEvent>

namespace tarvel {

THemisphereKeys::THemisphereKeys(QWidget* field, TSpeedButton* button, THemisphere first, THemisphere second)
    : QObject(field), button_(button), first_(std::move(first)), second_(std::move(second)) {
  field->installEventFilter(this);
  const QString tip = button_->toolTip();
  button_->setToolTip(tip.isEmpty() ? hint() : tip + u'\n' + hint());
}

THemisphereKeys* THemisphereKeys::Latitude(QWidget* field, TSpeedButton* button) {
  return new THemisphereKeys(field, button, {u'N', u'С', QStringLiteral("север")},
                             {u'S', u'Ю', QStringLiteral("юг")});
}

THemisphereKeys* THemisphereKeys::Longitude(QWidget* field, TSpeedButton* button) {
  return new THemisphereKeys(field, button, {u'E', u'В', QStringLiteral("восток")},
                             {u'W', u'З', QStringLiteral("запад")});
}

QString THemisphereKeys::captionFor(const QKeyEvent& event) const {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  if (event.text().size() != 1) return {};
  const QChar key = event.text()[0].toUpper();
  for (const THemisphere* h : {&first_, &second_}) {
    if (key == h->letter || key == h->cyrillic) return QString(h->letter);
  }
  return {};
}

QString THemisphereKeys::hint() const {
  const auto keys = [](const THemisphere& h) {
    return QStringLiteral("%1 или %2 — %3").arg(h.letter).arg(h.cyrillic).arg(h.name);
  };
  return QStringLiteral("Клавиши в поле ввода: ") + keys(first_) + QStringLiteral(", ") + keys(second_);
}

bool THemisphereKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !button_) return QObject::eventFilter(watched, event);
  const QString caption = captionFor(*static_cast<QKeyEvent*>(event));
  if (caption.isEmpty()) return false;
  if (button_->text() != caption) button_->click();
  return true;
}

}  // namespace tarvel
