// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "angles/Degrees.h"
#include "core/TextToNumber.h"

namespace tarvel {
namespace {

struct Outcome {
  std::string error;  // empty when accepted
  std::int32_t grad = 0;
  Extended min = 0;
  TSgn sgn = TSgn::N;
  TDegType degType = TDegType::Latitude;
};

Outcome Write(const std::string& text, TDegType startAs = TDegType::Latitude) {
  TDegrees angle(startAs);
  Outcome o;
  try {
    angle.SetStrings(text);
  } catch (const Exception& e) {
    o.error = e.what();
  }
  o.grad = angle.Grad();
  o.min = angle.Min();
  o.sgn = angle.Sgn();
  o.degType = angle.DegType();
  return o;
}

struct StringsCase {
  const char* text;
  const char* error;  // "" when accepted
  std::int32_t grad;
  Extended min;
  TSgn sgn;
};

const StringsCase kStringsCases[] = {
    {"Ш = 89°59,99'N", "", 89, 59.99L, TSgn::N},
    {"Ш = 90°00,00'N", "Ошибка задания широты", 0, 0, TSgn::N},
    {"Ш = 89°60,00'S", "Ошибка задания широты", 0, 0, TSgn::N},
    {"Д = 180°00,00'W", "", 180, 0, TSgn::W},
    {"Д = 180°00,01'E", "Ошибка задания долготы", 0, 0, TSgn::N},
    {"Ш = 33°52,00'S", "", 33, 52, TSgn::S},
    {"Ш =   °  ,  'N", "", 0, 0, TSgn::N},
    {"Ш = 5 °4 , 5'N", "", 50, 40.05L, TSgn::N},
    {"Ш = 55°45,50'", "Ошибка задания широты", 0, 0, TSgn::N},
    {"Д = 037°36,20'N", "Ошибка задания долготы", 0, 0, TSgn::N},
    {"55°45,50'N", "Ошибка задания координаты", 0, 0, TSgn::N},
    {"Ш = 12°30,00'SN", "", 12, 30, TSgn::N},
    {"Ш = -5°00,00'N", "Ошибка задания широты", 0, 0, TSgn::N},
    {"Ш = 5-°00,00'N", "'5-' is not a valid integer value", 0, 0, TSgn::N},
    {"Ш = 05°0-,00'N", "'0-,00' is not a valid floating point value", 0, 0, TSgn::N},
    {"Ш = 05°-1,00'N", "Ошибка задания широты", 0, 0, TSgn::N},
    {"Ш = 05 00,00'N", "'' is not a valid integer value", 0, 0, TSgn::N},
    {"Ш = 05°00,00 N", "'' is not a valid floating point value", 0, 0, TSgn::N},
    {"Ш = 05'00°00N", "'05'00' is not a valid integer value", 0, 0, TSgn::N},
    {"NШ = 05°00,00'", "'' is not a valid integer value", 0, 0, TSgn::N},
    {"Ш = 10°20,30'N trailing text", "", 10, 20.3L, TSgn::N},
    {"Ш = 10°20,30'x'N", "", 10, 20.3L, TSgn::N},
};

TEST(DegreesStrings, EdgeCaseTable) {
  for (const auto& c : kStringsCases) {
    const Outcome o = Write(c.text);
    EXPECT_EQ(o.error, c.error) << c.text;
    EXPECT_EQ(o.grad, c.grad) << c.text;
    EXPECT_EQ(o.min, c.min) << c.text;
    EXPECT_EQ(o.sgn, c.sgn) << c.text;
  }
}

TEST(DegreesStrings, DecimalDegreesAreSignedNorthAndEastPositive) {
  TDegrees angle(TDegType::Latitude);
  angle.SetStrings("Ш = 33°52,00'S");
  EXPECT_EQ(angle.DecimalDegrees(), -(52 * OneSixtieth + 33));
  EXPECT_NEAR(static_cast<double>(angle.DecimalDegrees()), -33.8666667, 1e-7);
  angle.SetStrings("Д = 180°00,00'W");
  EXPECT_EQ(angle.DecimalDegrees(), -180);
  angle.SetStrings("Д = 037°37,00'E");
  EXPECT_EQ(angle.DecimalDegrees(), 37 * OneSixtieth + 37);
}

TEST(DegreesStrings, KindFollowsTheText) {
  const Outcome o = Write("Д = 037°36,20'E", TDegType::Latitude);
  EXPECT_EQ(o.error, "");
  EXPECT_EQ(o.degType, TDegType::Longitude);
  EXPECT_EQ(o.sgn, TSgn::E);
  const Outcome back = Write("Ш = 10°00,00'S", TDegType::Longitude);
  EXPECT_EQ(back.degType, TDegType::Latitude);
}

TEST(DegreesStrings, RejectionLeavesTheAngleExactlyAsItWas) {
  TDegrees angle(TDegType::Latitude);
  angle.SetStrings("Ш = 55°45,50'S");
  for (const char* bad : {"Ш = 90°00,00'N", "Ш = 5-°00,00'N", "Д = 181°00,00'E", "nothing", "Д = 010°00,00'N"}) {
    EXPECT_THROW(angle.SetStrings(bad), Exception) << bad;
    EXPECT_EQ(angle.Grad(), 55);
    EXPECT_EQ(angle.Min(), 45.5L);
    EXPECT_EQ(angle.Sgn(), TSgn::S);
    EXPECT_EQ(angle.DegType(), TDegType::Latitude);
  }
}

TEST(DegreesStrings, FormatterTexts) {
  TDegrees lat(TDegType::Latitude);
  TDegrees lon(TDegType::Longitude);
  EXPECT_EQ(lat.Strings(), "Ш = 00°00,00'N");
  EXPECT_EQ(lon.Strings(), "Д = 000°00,00'E");
  lat.SetStrings("Ш = 55°45,5'N");
  EXPECT_EQ(lat.Strings(), "Ш = 55°45,50'N");
  lon.SetStrings("Д = 37°36,2'E");
  EXPECT_EQ(lon.Strings(), "Д = 037°36,20'E");
  TCoord coord;
  EXPECT_EQ(coord.F().Strings(), "Ш = 00°00,00'N");
  EXPECT_EQ(coord.L().Strings(), "Д = 000°00,00'E");
}

TEST(DegreesStrings, FormatterTextRoundTripsThroughTheParser) {
  TDegrees angle(TDegType::Longitude);
  for (const char* text : {"Д = 000°00,00'E", "Д = 180°00,00'W", "Д = 037°36,20'E", "Д = 179°59,99'W"}) {
    angle.SetStrings(text);
    EXPECT_EQ(angle.Strings(), text);
  }
}

struct Call {
  std::int32_t grad;
  Extended min;
  TSgn sgn;
  TDegType degType;
  std::string text;
};

class DegreesWriters : public ::testing::Test {
 protected:
  void SetUp() override {
    angle.SetOnChange([this](std::int32_t g, Extended m, TSgn s, TDegType t, const std::string& text) {
      calls.push_back({g, m, s, t, text});
    });
  }
  TDegrees angle{TDegType::Latitude};
  std::vector<Call> calls;
};

TEST_F(DegreesWriters, EqualValueDoesNothing) {
  angle.SetGrad(0);
  angle.SetMin(0);
  angle.SetSgn(TSgn::N);
  EXPECT_TRUE(calls.empty());
}

TEST_F(DegreesWriters, AcceptedWriteStoresAndCallsTheHandlerOnceWithTheNewText) {
  angle.SetSgn(TSgn::S);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].sgn, TSgn::S);
  EXPECT_EQ(calls[0].text, "Ш = 00°00,00'S");
  angle.SetGrad(80);
  angle.SetMin(30);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[2].grad, 80);
  EXPECT_EQ(calls[2].min, 30);
  EXPECT_EQ(calls[2].degType, TDegType::Latitude);
  EXPECT_EQ(calls[2].text, "Ш = 80°30,00'S");
}

TEST_F(DegreesWriters, RejectionStoresNothingAndCallsNoHandler) {
  angle.SetGrad(80);
  angle.SetMin(30);
  calls.clear();
  EXPECT_THROW(angle.SetGrad(90), EDegreesError);
  EXPECT_THROW(angle.SetGrad(-1), EDegreesError);
  EXPECT_THROW(angle.SetMin(60), EDegreesError);
  EXPECT_THROW(angle.SetMin(-0.5L), EDegreesError);
  EXPECT_THROW(angle.SetSgn(TSgn::E), EDegreesError);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(angle.Grad(), 80);
  EXPECT_EQ(angle.Min(), 30);
  EXPECT_EQ(angle.Sgn(), TSgn::N);
}

TEST_F(DegreesWriters, RangeCountsTheMinutesAsSixtieths) {
  // 89°30' is a valid latitude: the minutes add half a degree, not thirty.
  angle.SetGrad(80);
  angle.SetMin(30);
  angle.SetGrad(89);
  EXPECT_EQ(angle.Grad(), 89);
  EXPECT_THROW(angle.SetMin(60), EDegreesError);
  angle.SetMin(59.99L);
  EXPECT_EQ(angle.Strings(), "Ш = 89°59,99'N");
}

TEST_F(DegreesWriters, MessagesFollowTheKind) {
  TDegrees lon(TDegType::Longitude);
  try {
    lon.SetSgn(TSgn::N);
    FAIL();
  } catch (const EDegreesError& e) {
    EXPECT_STREQ(e.what(), "Ошибка задания долготы");
  }
  lon.SetGrad(180);
  EXPECT_THROW(lon.SetMin(0.01L), EDegreesError);
  try {
    angle.SetSgn(TSgn::W);
    FAIL();
  } catch (const EDegreesError& e) {
    EXPECT_STREQ(e.what(), "Ошибка задания широты");
  }
}

TEST_F(DegreesWriters, MinutesThatRoundToSixtyAreAcceptedButFormatAsSixty) {
  angle.SetGrad(10);
  angle.SetMin(59.996L);
  EXPECT_EQ(angle.Strings(), "Ш = 10°60,00'N");
  TDegrees copy(TDegType::Latitude);
  EXPECT_THROW(copy.SetStrings(angle.Strings()), EDegreesError);
}

TEST_F(DegreesWriters, WritingStringsNeverCallsTheHandler) {
  angle.SetStrings("Ш = 12°00,00'S");
  EXPECT_TRUE(calls.empty());
}

TEST(DegTypePrefixAndSgnLetter, Texts) {
  EXPECT_EQ(DegTypePrefix(TDegType::Latitude), "Ш = ");
  EXPECT_EQ(DegTypePrefix(TDegType::Longitude), "Д = ");
  EXPECT_EQ(SgnLetter(TSgn::N) + SgnLetter(TSgn::S) + SgnLetter(TSgn::E) + SgnLetter(TSgn::W), "NSEW");
}

}  // namespace
}  // namespace tarvel
