// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The real main window under a long stream of random user events: keys in
// the position fields, clicks on the buttons and the star labels, steps of
// the spin edits, dates and times across the whole range, automatic time on
// and off with a clock that jumps about (now and then outside the range), and
// now and then the Sun put exactly in the zenith, where the altitude fails.
// After every event the window must be in a coherent state, every result
// label must hold a well-formed result, and the results must be those that
// the almanac model gives for the inputs shown, unless a recalculation
// failed, which leaves them as they were.
//
// The events come from a fixed seed, printed at the start; TARVEL_SOAK_SEED
// runs another one. How many timer ticks one run of the event loop takes
// (one at least) depends on real time, so the clock draws from a generator of
// its own: the stream of user events is the same on every run of one seed.

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <array>
#include <deque>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>

#include "ZenithFault.h"
#include "MainWindowFixture.h"
#include "core/RuntimeErrors.h"
#include "display/GreekLetter.h"
#include "ephemeris/CStars.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

constexpr std::uint32_t kDefaultSeed = 1930'2099;
constexpr int kUserEvents = 20'000;
// A window built afresh from the same inputs must show the same results;
// that check costs a whole window, so it runs every so many events.
constexpr int kFreshWindowEvery = 100;

std::uint32_t Seed() {
  const QByteArray chosen = qgetenv("TARVEL_SOAK_SEED");
  bool ok = false;
  const std::uint32_t seed = chosen.toUInt(&ok);
  return ok ? seed : kDefaultSeed;
}

// The display form of each result label, with the largest degrees it may show.
struct ResultForm {
  const char* name;
  QRegularExpression pattern;  // captures: [sign], degrees, minutes, hundredths
  int maxDegrees;
};

const std::vector<ResultForm>& ResultForms() {
  static const QRegularExpression angle(QStringLiteral("^()(\\d{3})° (\\d{2}),(\\d{2})'$"));
  static const QRegularExpression declination(QStringLiteral("^()(\\d{3})° (\\d{2}),(\\d{2})' [NS]$"));
  static const QRegularExpression semiDiameter(QStringLiteral("^()()(\\d{2}),(\\d{2})'$"));
  static const QRegularExpression altitude(QStringLiteral("^(-?)(\\d{2})° (\\d{2}),(\\d{2})'$"));
  static const QRegularExpression azimuth(QStringLiteral("^()(\\d{3}),(\\d{2})()°$"));
  static const std::vector<ResultForm> forms = {
      {"Label1", angle, 360},       {"Label2", angle, 360},         {"Label3", declination, 23},
      {"Label4", semiDiameter, 0},  {"Label34", angle, 360},        {"Label11", declination, 90},
      {"Label12", angle, 360},      {"Label32", angle, 360},        {"Label19", altitude, 90},
      {"Label21", azimuth, 360},    {"Label23", altitude, 90},      {"Label25", azimuth, 360},
  };
  return forms;
}

// "" when the caption is a well-formed result, otherwise what is wrong.
std::string CheckResult(const ResultForm& form, const QString& caption) {
  const QRegularExpressionMatch m = form.pattern.match(caption);
  if (!m.hasMatch()) return "malformed";
  const auto number = [&](int i) { return m.captured(i).isEmpty() ? 0 : m.captured(i).toInt(); };
  const QString name = QString::fromLatin1(form.name);
  if (name == "Label21" || name == "Label25") {  // degrees with two decimals
    if (number(2) > 360 || (number(2) == 360 && number(3) != 0)) return "azimuth beyond 360";
    return {};
  }
  if (name == "Label4") {  // minutes of arc, the Sun's semi-diameter
    const int hundredths = number(3) * 100 + number(4);
    if (hundredths < 1540 || hundredths > 1640) return "semi-diameter out of 15,40 … 16,40";
    return {};
  }
  if (number(2) > form.maxDegrees) return "degrees out of range";
  if (number(3) * 100 + number(4) > 6000) return "minutes beyond 60,00";
  if (form.maxDegrees == 90 && number(2) == 90 && number(3) + number(4) != 0) return "beyond 90°";
  return {};
}

// The message with the quoted text of a conversion error left out.
std::string ErrorKind(const QString& message) {
  const qsizetype close = message.lastIndexOf(u'\'');
  if (message.startsWith(u'\'') && close > 0) return "'…'" + message.mid(close + 1).toStdString();
  return message.toStdString();
}

bool KnownError(const QString& message) {
  static const QRegularExpression conversion(
      QStringLiteral("^'.*' is not a valid (integer|floating point) value$"),
      QRegularExpression::DotMatchesEverythingOption);
  static const QStringList exact = {
      QStringLiteral("Floating point division by zero"),  QStringLiteral("Invalid floating point operation"),
      QStringLiteral("Floating point overflow"),          QStringLiteral("Date exceeds maximum of 31.12.2099"),
      QStringLiteral("Date is less than minimum of 01.01.1930")};
  return exact.contains(message) || conversion.match(message).hasMatch();
}

// Uniform whole number in lo … hi.
template <class Rng>
int Draw(Rng& rng, int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng);
}

const QDate kFirst(1930, 1, 1);
const QDate kLast(2099, 12, 31);

template <class Rng>
QDate AnyDate(Rng& rng) {
  const int pick = Draw(rng, 0, 99);
  if (pick == 0) return kFirst;
  if (pick == 1) return kLast;
  return QDate::fromJulianDay(std::uniform_int_distribution<qint64>(kFirst.toJulianDay(), kLast.toJulianDay())(rng));
}

template <class Rng>
QTime AnyTime(Rng& rng) {
  const int pick = Draw(rng, 0, 99);
  if (pick == 0) return QTime(0, 0, 0);
  if (pick == 1) return QTime(23, 59, 59, 999);
  return QTime::fromMSecsSinceStartOfDay(Draw(rng, 0, 86'399'999));
}

class SoakTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    seed = Seed();
    std::cout << "[   SEED   ] " << seed << std::endl;
    RecordProperty("seed", std::to_string(seed));
    clockRng.seed(seed ^ 0x0C10C4u);
  }

  // The computer's clock: any instant of the pickers' range, now and then
  // one before or after it.
  QDateTime NextClock() {
    ++clockCalls;
    const int pick = Draw(clockRng, 0, 99);
    if (pick < 2) return QDateTime(QDate(Draw(clockRng, 1900, 1929), 12, 31), AnyTime(clockRng));
    if (pick < 4) return QDateTime(QDate(Draw(clockRng, 2100, 2200), 1, 1), AnyTime(clockRng));
    return QDateTime(AnyDate(clockRng), AnyTime(clockRng));
  }

  void Build() {
    form = std::make_unique<TForm1>([this] { return NextClock(); });
    fi = Get<TMaskEdit>("meFi");
    lam = Get<TMaskEdit>("meLam");
    sbFi = Get<TSpeedButton>("sbFi");
    sbLam = Get<TSpeedButton>("sbLam");
    changeBtn = Get<TSpeedButton>("ChangeBtn");
    label18 = Get<TClickLabel>("Label18");
    label26 = Get<TClickLabel>("Label26");
    zone = Get<TSpinEdit>("seNCH");
    star = Get<TSpinEdit>("seNumStar");
    datePicker = Get<QDateEdit>("DatePicker");
    timePicker = Get<QTimeEdit>("TimePicker");
    automatic = Get<QCheckBox>("CheckBox1");
    timer = Get<QTimer>("Timer1");
    for (const ResultForm& r : ResultForms()) results.push_back(Get<QLabel>(r.name));
    // Ticks without waiting for real seconds.
    timer->setInterval(1);
    form->show();
    QApplication::processEvents();
  }

  // --- The events ----------------------------------------------------------

  void TypeInto(TMaskEdit* edit, std::ostringstream& log) {
    log << edit->objectName().toStdString();
    const int length = static_cast<int>(edit->mask().size());
    const int where = Draw(rng, 0, 9);
    if (where < 4) {
      const int at = Draw(rng, 0, length);
      edit->setCursorPosition(at);
      log << " caret " << at;
    } else if (where == 4) {
      const int from = Draw(rng, 0, length - 1);
      const int count = Draw(rng, 1, length - from);
      edit->setSelection(from, count);
      log << " select " << from << '+' << count;
    }
    const int key = Draw(rng, 0, 99);
    if (key < 55) {
      const char digit = static_cast<char>('0' + Draw(rng, 0, 9));
      QTest::keyClick(edit, digit);
      log << " '" << digit << "'";
    } else if (key < 62) {
      QTest::keyClick(edit, ' ');
      log << " ' '";
    } else if (key < 63) {
      // Signs are legal keys, but after a digit they make the text no number.
      QTest::keyClick(edit, '+');
      log << " '+'";
    } else if (key < 64) {
      QTest::keyClick(edit, '-');
      log << " '-'";
    } else {
      static constexpr std::array<std::pair<Qt::Key, const char*>, 6> keys = {{{Qt::Key_Backspace, "Backspace"},
                                                                               {Qt::Key_Delete, "Delete"},
                                                                               {Qt::Key_Left, "Left"},
                                                                               {Qt::Key_Right, "Right"},
                                                                               {Qt::Key_Home, "Home"},
                                                                               {Qt::Key_End, "End"}}};
      const auto& [k, name] = keys[static_cast<std::size_t>(Draw(rng, 0, 5))];
      const bool shift = k != Qt::Key_Backspace && k != Qt::Key_Delete && Draw(rng, 0, 3) == 0;
      QTest::keyClick(edit, k, shift ? Qt::ShiftModifier : Qt::NoModifier);
      log << (shift ? " Shift+" : " ") << name;
    }
  }

  // One step up or down, by the Up or Down key or by the program.
  void Step(TSpinEdit* spin, bool up, std::ostringstream& log) {
    log << spin->objectName().toStdString() << " at " << spin->value();
    if (Draw(rng, 0, 1) == 0) {
      QTest::keyClick(spin, up ? Qt::Key_Up : Qt::Key_Down);
      log << (up ? " Up" : " Down");
    } else {
      up ? spin->stepUp() : spin->stepDown();
      log << (up ? " stepUp" : " stepDown");
    }
  }

  // A new value from anywhere in the range, or a step of the picker's
  // current field with the Up or Down key.
  std::string Pick(QDateTimeEdit* picker, std::ostringstream& log) {
    log << picker->objectName().toStdString();
    const int how = Draw(rng, 0, 5);
    const QDate date = AnyDate(rng);
    const QTime time = AnyTime(rng);
    // A greyed picker takes no input from the user.
    if (!picker->isEnabled()) {
      log << " (greyed)";
    } else if (how < 2) {
      QTest::keyClick(picker, how == 0 ? Qt::Key_Up : Qt::Key_Down);
      log << (how == 0 ? " Up" : " Down");
    } else if (picker == datePicker) {
      log << ' ' << date.toString(Qt::ISODate).toStdString();
      datePicker->setDate(date);
      if (datePicker->date() != date) return "the date picker did not take the date";
    } else {
      log << ' ' << time.toString(QStringLiteral("HH:mm:ss.zzz")).toStdString();
      timePicker->setTime(time);
      if (timePicker->time() != time) return "the time picker did not take the time";
    }
    return {};
  }

  void Click(QWidget* widget, std::ostringstream& log) {
    log << "click " << widget->objectName().toStdString();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
  }

  static QString Other(const QString& caption, const char* a, const char* b) {
    return caption == QLatin1String(a) ? QString::fromLatin1(b) : QString::fromLatin1(a);
  }

  // The user puts the Sun in the zenith: automatic time off, then all the
  // inputs but the day, then the day, which must fail with the altitude and
  // change no result.
  std::string PutTheSunInTheZenith(std::ostringstream& log) {
    log << "the Sun into the zenith";
    ++zenithEvents;
    if (automatic->isChecked()) QTest::keyClick(automatic, Qt::Key_Space);
    EnterTheDayBeforeTheZenith();
    settled = Captions();
    const auto before = errors.size();
    datePicker->setDate(kZenithDay);
    if (errors.size() != before + 1 || errors.back() != QStringLiteral("Floating point division by zero")) {
      return "the Sun in the zenith was not reported";
    }
    return {};
  }

  // One user event; gives "" when it had the effect that it must have
  // whatever the rest of the window holds, otherwise what went wrong.
  std::string OneEvent(std::ostringstream& log) {
    if (Draw(rng, 0, 99) == 0 && zenithFaults) return PutTheSunInTheZenith(log);
    const int kind = Draw(rng, 0, 99);
    const auto flips = [&](TSpeedButton* button, const char* a, const char* b) -> std::string {
      const QString expected = Other(button->text(), a, b);
      Click(button, log);
      return button->text() == expected ? "" : "the click did not turn the caption to " + expected.toStdString();
    };
    const auto steps = [&](TSpinEdit* spin, bool up, int expected) -> std::string {
      Step(spin, up, log);
      return spin->value() == expected ? "" : "the step gave " + std::to_string(spin->value()) + ", not " +
                                                  std::to_string(expected);
    };
    const int next = star->value() % 160 + 1;
    if (kind < 22) {
      TypeInto(fi, log);
    } else if (kind < 44) {
      TypeInto(lam, log);
    } else if (kind < 48) {
      return flips(sbFi, "N", "S");
    } else if (kind < 52) {
      return flips(sbLam, "E", "W");
    } else if (kind < 56) {
      return flips(changeBtn, "E", "W");
    } else if (kind < 62) {
      Click(kind < 59 ? static_cast<QWidget*>(label18) : label26, log);
      if (star->value() != next) return "the click did not select star " + std::to_string(next);
    } else if (kind < 70) {
      const bool up = Draw(rng, 0, 1) == 0;
      return steps(zone, up, up ? std::min(zone->value() + 1, 12) : std::max(zone->value() - 1, 0));
    } else if (kind < 78) {
      const bool up = Draw(rng, 0, 1) == 0;
      return steps(star, up, up ? next : (star->value() == 1 ? 160 : star->value() - 1));
    } else if (kind < 92) {
      return Pick(kind < 85 ? static_cast<QDateTimeEdit*>(datePicker) : timePicker, log);
    } else {
      const bool was = automatic->isChecked();
      log << "CheckBox1 Space, was " << (was ? "on" : "off");
      QTest::keyClick(automatic, Qt::Key_Space);
      if (automatic->isChecked() == was) return "Space did not toggle CheckBox1";
    }
    return {};
  }

  // --- The checks ----------------------------------------------------------

  std::string CheckMask(const TMaskEdit* edit) const {
    const QString mask = edit->mask();
    const QString read = edit->maskedText();
    const QString shown = edit->text();
    if (read.size() != mask.size() || shown.size() != mask.size()) return "length differs from the mask";
    for (qsizetype i = 0; i < mask.size(); ++i) {
      if (mask[i] != u'#') {
        if (read[i] != mask[i] || shown[i] != mask[i]) return "literal out of place at " + std::to_string(i);
      } else {
        if (!QStringLiteral("123456789 +-").contains(read[i])) return "bad place at " + std::to_string(i);
        if (shown[i] != (read[i] == u' ' ? QChar(u'0') : read[i])) return "shown differs at " + std::to_string(i);
      }
    }
    return {};
  }

  static std::string CheckAngle(const TDegrees& d, TDegType kind, int limit) {
    if (d.DegType() != kind) return "wrong kind";
    const bool north = kind == TDegType::Latitude;
    if (north ? d.Sgn() != TSgn::N && d.Sgn() != TSgn::S : d.Sgn() != TSgn::E && d.Sgn() != TSgn::W) {
      return "wrong hemisphere";
    }
    if (d.Grad() < 0 || !(d.Min() >= 0 && d.Min() < 60)) return "degrees or minutes out of range";
    const Extended t = d.Min() * OneSixtieth + d.Grad();
    if (north ? !(t < limit) : !(t <= limit)) return "beyond " + std::to_string(limit) + "°";
    return {};
  }

  // The window's own state against its controls and its result labels.
  std::string CheckWindow() const {
    if (form->StarNumber() < 1 || form->StarNumber() > 160) return "star number out of 1 … 160";
    if (form->StarNumber() != star->value()) return "star number differs from seNumStar";
    const TStar& row = StarTable(form->StarNumber());
    if (label18->text() != QString::fromStdString(row.Name)) return "Label18 is not the selected star's name";
    if (label26->text() != QString::fromStdString(GreekLetter(row.Letter))) return "Label26 is not its letter";
    if (zone->value() < 0 || zone->value() > 12) return "seNCH out of 0 … 12";
    if (changeBtn->text() != "E" && changeBtn->text() != "W") return "ChangeBtn reads neither E nor W";
    if (form->Zone() != (changeBtn->text() == "W" ? -zone->value() : zone->value())) return "zone differs";
    if (sbFi->text() != "N" && sbFi->text() != "S") return "sbFi reads neither N nor S";
    if (sbLam->text() != "E" && sbLam->text() != "W") return "sbLam reads neither E nor W";
    if (std::string why = CheckAngle(form->Coord().F(), TDegType::Latitude, 90); !why.empty()) return "F: " + why;
    if (std::string why = CheckAngle(form->Coord().L(), TDegType::Longitude, 180); !why.empty()) return "L: " + why;
    if (std::string why = CheckMask(fi); !why.empty()) return "meFi: " + why;
    if (std::string why = CheckMask(lam); !why.empty()) return "meLam: " + why;
    const bool on = automatic->isChecked();
    if (timer->isActive() != on) return "Timer1 does not follow CheckBox1";
    if (datePicker->isEnabled() == on || timePicker->isEnabled() == on) return "pickers not greyed as they should";
    if (datePicker->date() < kFirst || datePicker->date() > kLast) return "date out of range";
    for (std::size_t i = 0; i < results.size(); ++i) {
      const ResultForm& r = ResultForms()[i];
      const QString caption = results[i]->text();
      if (std::string why = CheckResult(r, caption); !why.empty()) {
        return std::string(r.name) + " \"" + caption.toStdString() + "\": " + why;
      }
    }
    return {};
  }

  // Valid while the last recalculation completed: the position the window
  // holds is the one its fields and buttons show.
  std::string CheckPositionIsShown() const {
    const auto same = [](const TDegrees& a, const TDegrees& b) {
      return a.Grad() == b.Grad() && a.Min() == b.Min() && a.Sgn() == b.Sgn();
    };
    TDegrees f(TDegType::Latitude);
    TDegrees l(TDegType::Longitude);
    try {
      f.SetStrings((fi->maskedText() + sbFi->text()).toStdString());
      l.SetStrings((lam->maskedText() + sbLam->text()).toStdString());
    } catch (const std::exception& e) {
      return std::string("the fields do not read as a position: ") + e.what();
    }
    if (!same(f, form->Coord().F())) return "latitude differs from meFi and sbFi";
    if (!same(l, form->Coord().L())) return "longitude differs from meLam and sbLam";
    if (form->Latitude() != f.DecimalDegrees()) return "Latitude() is not the field's";
    if (form->Longitude() != l.DecimalDegrees()) return "Longitude() is not the field's";
    return {};
  }

  // A fresh window given the same inputs through its controls shows the
  // same results: nothing that the history of events left behind counts.
  std::string CheckAgainstFreshWindow() {
    const auto before = errors.size();
    const QDate date = datePicker->date();
    const QTime time = timePicker->time();
    TForm1 fresh([date, time] { return QDateTime(date, time); });
    const auto child = [&fresh](const char* name) {
      return fresh.findChild<QWidget*>(QString::fromLatin1(name));
    };
    static_cast<TSpinEdit*>(child("seNCH"))->setValue(zone->value());
    if (changeBtn->text() == "W") static_cast<TSpeedButton*>(child("ChangeBtn"))->click();
    // The hemispheres before the fields: the other way round, a position in
    // the south or west would pass through its mirror in the north or east,
    // which may be the one where the Sun stands in the zenith.
    if (sbFi->text() == "S") static_cast<TSpeedButton*>(child("sbFi"))->click();
    if (sbLam->text() == "W") static_cast<TSpeedButton*>(child("sbLam"))->click();
    static_cast<TMaskEdit*>(child("meFi"))->setMaskedText(fi->maskedText());
    static_cast<TMaskEdit*>(child("meLam"))->setMaskedText(lam->maskedText());
    static_cast<TSpinEdit*>(child("seNumStar"))->setValue(star->value());
    if (errors.size() != before) return "the fresh window reported \"" + errors.back().toStdString() + "\"";
    for (std::size_t i = 0; i < results.size(); ++i) {
      const char* name = ResultForms()[i].name;
      const QString expected = static_cast<QLabel*>(child(name))->text();
      if (results[i]->text() != expected) {
        return std::string(name) + " \"" + results[i]->text().toStdString() + "\", a fresh window shows \"" +
               expected.toStdString() + "\"";
      }
    }
    if (fresh.Zone() != form->Zone() || fresh.StarNumber() != form->StarNumber()) return "fresh window differs";
    return {};
  }

  // The result texts of the inputs that the controls show, from the almanac
  // model; none when the fields read as no position or the model raises.
  std::optional<QStringList> ModelCaptions() const {
    TDegrees f(TDegType::Latitude);
    TDegrees l(TDegType::Longitude);
    try {
      f.SetStrings((fi->maskedText() + sbFi->text()).toStdString());
      l.SetStrings((lam->maskedText() + sbLam->text()).toStdString());
      TAlmanacInputs in;
      in.Time.Zone = changeBtn->text() == "W" ? -zone->value() : zone->value();
      in.Time.Hour = timePicker->time().hour();
      in.Time.Minute = timePicker->time().minute();
      in.Time.Second = timePicker->time().second();
      in.Time.Day = datePicker->date().day();
      in.Time.Month = datePicker->date().month();
      in.Time.Year = datePicker->date().year();
      in.Latitude = f.DecimalDegrees();
      in.Longitude = l.DecimalDegrees();
      in.StarNumber = star->value();
      return InLabelOrder(AlmanacTexts(ComputeAlmanac(in), in.Longitude));
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }

  QStringList Captions() const {
    QStringList texts;
    for (const QLabel* label : results) texts << label->text();
    return texts;
  }

  std::uint32_t seed = kDefaultSeed;
  std::mt19937 rng;
  std::mt19937 clockRng;
  long clockCalls = 0;
  int zenithEvents = 0;
  const bool zenithFaults = ZenithFaultsHere();  // tests/ZenithFault.h
  QStringList settled;  // the result labels before the last step of an event

  TMaskEdit* fi = nullptr;
  TMaskEdit* lam = nullptr;
  TSpeedButton* sbFi = nullptr;
  TSpeedButton* sbLam = nullptr;
  TSpeedButton* changeBtn = nullptr;
  TClickLabel* label18 = nullptr;
  TClickLabel* label26 = nullptr;
  TSpinEdit* zone = nullptr;
  TSpinEdit* star = nullptr;
  QDateEdit* datePicker = nullptr;
  QTimeEdit* timePicker = nullptr;
  QCheckBox* automatic = nullptr;
  QTimer* timer = nullptr;
  std::vector<QLabel*> results;
};

TEST_F(SoakTest, RandomUserEventsKeepTheWindowCoherent) {
  rng.seed(seed);
  QElapsedTimer elapsed;
  elapsed.start();
  Build();
  ASSERT_EQ(CheckWindow(), "");

  std::deque<std::string> recent;  // the last events, shown when a check fails
  std::map<std::string, int> errorCounts;
  // Whether the result labels belong to the inputs now shown: false after an
  // event with an error, until the labels are again the model's results.
  bool current = errors.isEmpty();
  int freshChecks = 0;
  int ticksPumped = 0;

  for (int event = 1; event <= kUserEvents; ++event) {
    std::ostringstream log;
    log << '#' << event << ' ';
    const auto errorsBefore = errors.size();
    settled = Captions();

    const std::string effect = OneEvent(log);
    // Now and then the event loop runs: until at least one timer tick while
    // automatic time is on, otherwise once, and the window repaints.
    if (Draw(rng, 0, 9) == 0) {
      const long clockBefore = clockCalls;
      if (automatic->isChecked()) {
        ASSERT_TRUE(RunUntil([&] { return clockCalls > clockBefore; })) << "no tick, after event " << event;
      } else {
        QApplication::processEvents();
      }
      ticksPumped += static_cast<int>(clockCalls - clockBefore);
      log << " +" << (clockCalls - clockBefore) << " ticks";
    }

    recent.push_back(log.str());
    if (recent.size() > 25) recent.pop_front();
    const auto fail = [&](const std::string& why) {
      std::string history;
      for (const std::string& line : recent) history += "  " + line + '\n';
      return ::testing::AssertionFailure() << "seed " << seed << ", after event " << event << ": " << why
                                           << "\nlast events:\n" << history;
    };

    const bool failed = errors.size() != errorsBefore;
    for (auto i = errorsBefore; i < errors.size(); ++i) ++errorCounts[ErrorKind(errors[i])];
    const QStringList captions = Captions();
    const std::optional<QStringList> model = ModelCaptions();
    const bool shown = model && captions == *model;
    if (failed) {
      current = false;
      // A failed recalculation shows nothing; only a later one of the same
      // event (a timer tick) may have shown results, those of the inputs now
      // in the controls.
      if (captions != settled && !shown) {
        ASSERT_TRUE(fail("a failed recalculation changed the result labels"));
      }
    } else {
      // Without an error the results are those of the inputs shown, or, when
      // no recalculation ran since one failed, still the old ones.
      if (!shown && (current || captions != settled)) {
        ASSERT_TRUE(fail("the result labels are not the model's for the inputs shown"));
      }
      current = shown;
    }

    if (!effect.empty()) {
      ASSERT_TRUE(fail(effect));
    }
    if (const std::string why = CheckWindow(); !why.empty()) {
      ASSERT_TRUE(fail(why));
    }
    if (current) {
      if (const std::string why = CheckPositionIsShown(); !why.empty()) {
        ASSERT_TRUE(fail(why));
      }
      if (event % kFreshWindowEvery == 0) {
        ++freshChecks;
        if (const std::string why = CheckAgainstFreshWindow(); !why.empty()) {
          ASSERT_TRUE(fail(why));
        }
      }
    }
  }

  // Switch automatic time off so that no tick runs while the window goes.
  if (automatic->isChecked()) QTest::keyClick(automatic, Qt::Key_Space);
  QStringList unknown;
  for (const QString& message : errors) {
    if (!KnownError(message)) unknown << message;
  }
  EXPECT_TRUE(unknown.isEmpty()) << unknown.join(QStringLiteral(" | ")).toStdString();
  EXPECT_GE(freshChecks, kUserEvents / kFreshWindowEvery / 4);
  EXPECT_GT(ticksPumped, 0);

  std::cout << "[   SOAK   ] " << kUserEvents << " events, " << ticksPumped << " ticks, " << zenithEvents
            << " times the Sun in the zenith, " << freshChecks << " fresh-window checks, " << errors.size() << " errors in "
            << elapsed.elapsed() << " ms\n";
  for (const auto& [message, count] : errorCounts) std::cout << "[   SOAK   ]   " << count << " x " << message << '\n';
}

}  // namespace
}  // namespace tarvel
