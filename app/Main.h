// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The main window: every input of the computation and every result.
//
// One routine, Recalculate(), reads all inputs, has the almanac model compute
// everything and rewrites all result labels; every input event runs it, and
// so does the timer that follows the computer's clock while automatic time is
// on. F2 (kNavigationKey), from anywhere in the window, opens the navigation
// window as "Навигация..." does.

#include <QDateTime>
#include <QKeySequence>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "almanac/Almanac.h"
#include "angles/Degrees.h"
#include "core/Extended.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QTimeEdit;
class QTimer;

namespace tarvel {

class TClickLabel;
class TForm2;
class TForm3;
class TMaskEdit;
class TSpeedButton;
class TSpinEdit;
struct TAlmanacTexts;

// The key of "Навигация...", named in its tip.
inline const QKeySequence kNavigationKey(Qt::Key_F2);

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // The computer's local date and time; tests put a clock of their own.
  using Clock = std::function<QDateTime()>;

  explicit TForm1(Clock clock = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  // Opened by the "О программе..." button, shown without being modal.
  void SetAboutWindow(TForm2* about) { aboutWindow_ = about; }

  void Recalculate();

  // The navigation window's requests. SelectStar sets the star spin edit as
  // the user would (the window shows the star and recalculates);
  // SetShipDateTime switches automatic time off, puts the date and the time
  // into the pickers and recalculates once.
  void SelectStar(int number);
  void SetShipDateTime(QDate date, QTime time);
  // SetPosition writes a position (north and east positive degrees) into the
  // latitude and longitude fields, minutes to hundredths, and sets their
  // hemisphere buttons, as the user would; then recalculates once.
  void SetPosition(Extended lat, Extended lon);
  // SetFix puts a fix into the window: its ship's date, time and zone as
  // SetShipDateTime does and the zone's number and sign, then its position as
  // SetPosition does; the window recalculates once.
  void SetFix(Extended lat, Extended lon, const TShipTime& time);

  std::int32_t StarNumber() const { return FStarNumber; }
  std::int32_t Zone() const { return FZone; }
  const TCoord& Coord() const { return *FCoord; }
  Extended Latitude() const { return FLatitude; }
  Extended Longitude() const { return FLongitude; }

 private:
  void CreateControls();
  void CreateSunGroup();
  void CreateStarGroup();
  void ConnectHandlers();

  void FormCreate();
  void FormDestroy();

  void CheckBox1Click();
  void Timer1Timer();
  void TimePickerChange();
  void DatePickerChange();
  void meFiChange();
  void meLamChange();
  void sbFiClick();
  void sbLamClick();
  void ChangeBtnClick();
  void seNCHChange();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void seNumStarChange();
  void Label18Click();
  void Label26Click();

  // Input stage helpers.
  void ReadPosition();
  void RepairPosition();
  // Puts the clock's date and time into the pickers without notifying them.
  void SetPickersFromClock();
  void ShowStarLabels();
  void ShowResults(const TAlmanacTexts& texts);
  // Hands a completed recalculation's inputs on to the navigation window,
  // and keeps them for its first showing.
  void FollowNavigation(const TAlmanacInputs& inputs);

  // Window fields.
  std::int32_t FStarNumber = 1;
  std::int32_t FZone = 3;
  std::unique_ptr<TCoord> FCoord;
  Extended FLatitude = 0;
  Extended FLongitude = 0;

  Clock clock_;
  TForm2* aboutWindow_ = nullptr;
  std::unique_ptr<TForm3> FForm3;  // the navigation window, made on first use
  std::optional<TAlmanacInputs> FNavigationInputs;

  // Controls, named as their objectName.
  TSpeedButton* SpeedButton2 = nullptr;  // "В ы х о д": closes the window
  QLabel* Label15 = nullptr;             // caption "Номер часового пояса:"
  TSpeedButton* ChangeBtn = nullptr;     // the zone's sign: E (east, +) or W (west, -)
  QLabel* Label27 = nullptr;             // caption "Дата:"
  QLabel* Label28 = nullptr;             // caption "Судовое время:"
  TSpeedButton* sbFi = nullptr;          // latitude's hemisphere: N or S
  TSpeedButton* sbLam = nullptr;         // longitude's hemisphere: E or W
  QLabel* Label30 = nullptr;             // caption "Координаты места:"
  TSpeedButton* SpeedButton1 = nullptr;  // "О программе...": shows the About window
  TSpeedButton* SpeedButton3 = nullptr;  // "Навигация...": shows the navigation window
  QTimeEdit* TimePicker = nullptr;       // ship's time, whole seconds
  QCheckBox* CheckBox1 = nullptr;        // automatic time: the pickers follow the clock
  QDateEdit* DatePicker = nullptr;       // ship's date, 1930 … 2099
  TSpinEdit* seNCH = nullptr;            // zone number 0 … 12, its sign on ChangeBtn (keys E W В З)
  TMaskEdit* meFi = nullptr;             // latitude φ, degrees and minutes, hemisphere on sbFi (N S С Ю)
  TMaskEdit* meLam = nullptr;            // longitude λ, degrees and minutes, hemisphere on sbLam (E W В З)
  QGroupBox* GroupBox1 = nullptr;        // " Солнце: ", the Sun's results
  QGroupBox* GroupBox2 = nullptr;        // " Звезды: ", the selected star's results
  QTimer* Timer1 = nullptr;              // every second while automatic time is on

  // The Sun group.
  QLabel* Label1 = nullptr;   // Greenwich hour angle of Aries
  QLabel* Label2 = nullptr;   // local hour angle
  QLabel* Label34 = nullptr;  // right ascension
  QLabel* Label3 = nullptr;   // declination
  QLabel* Label4 = nullptr;   // semi-diameter
  QLabel* Label19 = nullptr;  // altitude
  QLabel* Label21 = nullptr;  // azimuth

  // The star group.
  TSpinEdit* seNumStar = nullptr;  // star number 1 … 160; 0 and 161 wrap round
  TClickLabel* Label26 = nullptr;  // Greek letter
  TClickLabel* Label18 = nullptr;  // name
  QLabel* Label12 = nullptr;       // local hour angle
  QLabel* Label32 = nullptr;       // sidereal hour angle
  QLabel* Label11 = nullptr;       // declination
  QLabel* Label23 = nullptr;       // altitude
  QLabel* Label25 = nullptr;       // azimuth
};

}  // namespace tarvel
