// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The sight tab alone, offscreen, at the main window's values of 20 March
// 2025, 19:00 in zone 2 W, at the dead reckoning 44°55'N 30°17'W with Sirius
// selected; the true track passes 45°01,2'N 29°57,0'W at 19:52 on 060° at 12
// knots. Shared by the tests of the tab, of its form's keys and of the
// plotting sheet's window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimeEdit>
#include <chrono>
#include <functional>
#include <memory>

#include "sights/Sailing.h"
#include "sights/Sight.h"
#include "navfields/Fields.h"
#include "sighttab/SightTab.h"
#include "widgets/ErrorReport.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpinEdit.h"

namespace tarvel {

inline TAlmanacInputs MainValues() {
  TAlmanacInputs in;
  in.Time.Zone = -2, in.Time.Hour = 19, in.Time.Day = 20, in.Time.Month = 3, in.Time.Year = 2025;
  in.Latitude = 44 + 55 / 60.0L, in.Longitude = -(30 + 17 / 60.0L), in.StarNumber = 46;
  return in;
}

inline constexpr TPosition kTruth{45.02L, -29.95L};

// Runs the event loop until done() holds; fails after five seconds, a
// deadline that only a stalled machine reaches.
inline ::testing::AssertionResult RunUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return ::testing::AssertionFailure() << "not within 5 s";
    QTest::qWait(1);
  }
  return ::testing::AssertionSuccess();
}

class SightTabFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    previousSink = SetErrorSink([this](const QString& message) { errors << message; });
    tab = std::make_unique<TSightTab>();
    tab->resize(1270, 860);
    tab->Follow(MainValues());
  }
  void TearDown() override {
    tab.reset();
    SetErrorSink(previousSink);
  }

  template <class T = QWidget>
  T* Get(const char* name) const {
    T* child = tab->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QString Text(const char* label) const { return Get<QLabel>(label)->text(); }

  // A star taken at 19:mm:ss from the true track, `error` minutes off, in the
  // form (not yet added).
  void Enter(std::int32_t star, std::int32_t minute, std::int32_t second, Extended error = 0) {
    Get<QComboBox>("cbBody")->setCurrentIndex(static_cast<int>(TBody::Star));
    Get<TSpinEdit>("seStar")->setValue(star);
    Get<QTimeEdit>("tpSight")->setTime(QTime(19, minute, second));
    TSight s{TBody::Star, star, -2, 19, minute, second, 20, 3, 2025, 45, 0, 10, 10, 1010, 0.0L};  // the form's DUT1
    const TPosition there = CarryPosition(kTruth, 60, 12, ((minute - 52) * 60 + second) / 3600.0L);
    const Extended hc = ReduceSight(s, there.Lat, there.Lon).Hc;
    Get<TMaskEdit>("meHs")->setMaskedText(HsText(SextantAltitude(s, hc + error / 60, there.Lat, there.Lon)));
  }

  std::unique_ptr<TSightTab> tab;
  QStringList errors;
  ErrorSink previousSink;
};

}  // namespace tarvel
