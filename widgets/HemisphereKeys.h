// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Keys that choose a hemisphere from an input field. The flat buttons that
// hold a hemisphere letter take no focus, so the field beside each one takes
// the letters instead: in a latitude field N or С (север) chooses "N" and S
// or Ю (юг) "S"; in a longitude field, and in the zone number beside the
// zone's sign, E or В (восток) chooses "E" and W or З (запад) "W". Either
// case counts; a key with Ctrl, Alt or Meta is not one of them.
//
// A key whose letter the button does not show yet clicks the button, so the
// button's own click handler changes the caption and recalculates exactly as
// a click with the mouse does. A key whose letter the button shows already
// changes nothing. Either way the key goes no further: the field never sees
// it (no character, no beep).
//
// Binding a field appends the keys to the button's tooltip, after a line
// break when the button has a tooltip already.
//
//   THemisphereKeys::Latitude(meFi, sbFi);      // N/С, S/Ю
//   THemisphereKeys::Longitude(meLam, sbLam);   // E/В, W/З
//   THemisphereKeys::Longitude(seNCH, ChangeBtn);
//
// The field may be any widget that takes the keyboard (a TMaskEdit, a
// TSpinEdit); the binding is the field's child and lives as long as it.

#include <QChar>
#include <QObject>
#include <QPointer>
#include <QString>

#include "widgets/SpeedButton.h"

class QKeyEvent;

namespace tarvel {

// One hemisphere: the button's caption, the Russian initial that also
// chooses it, and its Russian name for the tooltip.
struct THemisphere {
  QChar letter;    // N, S, E, W: the caption, and its key
  QChar cyrillic;  // С, Ю, В, З
  QString name;    // "север", "юг", "восток", "запад"
};

class THemisphereKeys : public QObject {
  Q_OBJECT

 public:
  THemisphereKeys(QWidget* field, TSpeedButton* button, THemisphere first, THemisphere second);

  static THemisphereKeys* Latitude(QWidget* field, TSpeedButton* button);
  static THemisphereKeys* Longitude(QWidget* field, TSpeedButton* button);

  // The caption `event` chooses ("N", "S", ...), or an empty string when it
  // is none of the keys.
  QString captionFor(const QKeyEvent& event) const;
  // The line added to the button's tooltip.
  QString hint() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<TSpeedButton> button_;  // a button that goes before its field takes no more keys
  THemisphere first_;
  THemisphere second_;
};

}  // namespace tarvel
