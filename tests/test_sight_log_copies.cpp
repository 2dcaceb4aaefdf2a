// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Two copies of the program on one sight log: another process
// (sight_log_saver --hold) holds the log as the first copy would; this
// window, the second, opens it read-only or begins a log of its own, never
// writes the held file, and takes over the lock of a copy that was killed.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include "LockHolder.h"
#include "SightLogWindowFixture.h"

namespace tarvel {
namespace {

QString Question(const QString& path, const char* rest) {
  return QStringLiteral("Журнал «") + QDir::toNativeSeparators(path) +
         QStringLiteral("» открыт в другом окне программы. ") + QString::fromUtf8(rest);
}

TEST_F(SightLogWindowTest, ASecondCopyShowsTheHeldLogReadOnly) {
  Make();
  FillLog();
  window.reset();
  const QString unnamed = UnnamedLogPath();
  const QByteArray kept = Bytes(unnamed);
  samples::TLockHolder first(unnamed);
  ASSERT_EQ(first.Word(), "held");

  readOnly = true;
  Make();
  ASSERT_EQ(choices.size(), 1);
  EXPECT_EQ(choices[0], Question(unnamed, "Открыть его только для чтения (в файл ничего не записывается) или начать "
                                          "свой новый журнал без имени?|Только чтение|Новый журнал"));
  EXPECT_EQ(Tab()->Sights().size(), 3u);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация (только чтение)"));
  AddStar(160, 30);
  EXPECT_EQ(Tab()->Sights().size(), 4u);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация (только чтение, изменения не записываются)"));
  EXPECT_EQ(Bytes(unnamed), kept);
  // Saved under a name of its own, the sights of both copies are kept.
  chosen = QDir(DataFolder()).filePath(QStringLiteral("копия.json"));
  Trigger("actSaveLogAs");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — копия.json"));
  AddStar(67, 52);
  EXPECT_EQ(ReadSightLog(chosen).Sights.size(), 5u);
  EXPECT_EQ(Bytes(unnamed), kept);
  EXPECT_EQ(first.Word(), "held");
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// The program's own question: a message box with the two answers in Russian.
TEST_F(SightLogWindowTest, TheQuestionIsAMessageBoxWithTwoAnswers) {
  Make();
  FillLog();
  window.reset();
  samples::TLockHolder first(UnnamedLogPath());
  ASSERT_EQ(first.Word(), "held");
  const TLogDialogs replaced = SetLogDialogs(previousDialogs);
  QStringList buttons;
  QString text;
  // The box is modal: it is read and answered from the event loop it runs.
  QTimer answer;
  answer.setInterval(10);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    answer.stop();
    text = box->text();
    for (QAbstractButton* button : box->buttons()) buttons << button->text();
    EXPECT_EQ(box->escapeButton(), box->buttons().value(1));
    box->buttons().value(0)->click();
  });
  answer.start();
  Make();
  SetLogDialogs(replaced);
  EXPECT_TRUE(text.startsWith(Question(UnnamedLogPath(), ""))) << text.toStdString();
  EXPECT_EQ(buttons, (QStringList{QStringLiteral("Только чтение"), QStringLiteral("Новый журнал")}));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация (только чтение)"));
  EXPECT_EQ(Tab()->Sights().size(), 3u);
}

TEST_F(SightLogWindowTest, ASecondCopyBeginsALogOfItsOwn) {
  Make();
  FillLog();
  const QString named = QDir(DataFolder()).filePath(QStringLiteral("рейс.json"));
  chosen = named;
  Trigger("actSaveLogAs");
  window.reset();
  const QByteArray kept = Bytes(named);
  samples::TLockHolder first(named);
  ASSERT_EQ(first.Word(), "held");

  readOnly = false;
  Make();
  ASSERT_EQ(choices.size(), 1);
  EXPECT_TRUE(choices[0].startsWith(Question(named, ""))) << choices[0].toStdString();
  // The unnamed log holds sights of before: the new one is another.
  EXPECT_TRUE(Tab()->Sights().empty());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));
  // A spare log without sights does not take the next start from the held one;
  // once it is written with a sight, it is the log written last.
  EXPECT_EQ(LastLogPath(), named);
  AddStar(160, 30);
  EXPECT_EQ(LastLogPath(), UnnamedLogPath(2));
  EXPECT_EQ(ReadSightLog(UnnamedLogPath(2)).Sights.size(), 1u);
  EXPECT_EQ(ReadSightLog(UnnamedLogPath()).Sights.size(), 3u);
  EXPECT_EQ(Bytes(named), kept);

  // "Открыть…" of the held log: read-only, or the log in use stays.
  chosen = named;
  Trigger("actOpenLog");
  ASSERT_EQ(choices.size(), 2);
  EXPECT_EQ(choices[1], Question(named, "Открыть его только для чтения?|Только чтение|Отмена"));
  EXPECT_EQ(Tab()->Sights().size(), 1u);
  readOnly = true;
  Trigger("actOpenLog");
  EXPECT_EQ(choices.size(), 3);
  EXPECT_EQ(Tab()->Sights().size(), 3u);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — рейс.json (только чтение)"));
  // Nor does "Сохранить как…" write over it.
  Trigger("actSaveLogAs");
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(QStringLiteral("открыт в другом окне программы"))) << errors[0].toStdString();
  EXPECT_EQ(Bytes(named), kept);

  // The first copy closes: opened again, the log is this one's to keep.
  ASSERT_TRUE(first.Release());
  Trigger("actOpenLog");
  EXPECT_EQ(choices.size(), 3);  // no question: nobody else holds it
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — рейс.json"));
  AddStar(67, 52);
  EXPECT_EQ(ReadSightLog(named).Sights.size(), 4u);
}

TEST_F(SightLogWindowTest, TheLockOfAKilledCopyIsTakenOver) {
  Make();
  FillLog();
  window.reset();
  const QString unnamed = UnnamedLogPath();
  samples::TLockHolder crashed(unnamed);
  ASSERT_EQ(crashed.Word(), "held");
  ASSERT_TRUE(crashed.Kill());  // SIGKILL: its lock file stays
  ASSERT_TRUE(QFile::exists(unnamed + QStringLiteral(".lock")));

  Make();
  EXPECT_TRUE(choices.isEmpty());
  EXPECT_EQ(Tab()->Sights().size(), 3u);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));
  AddStar(160, 30);
  EXPECT_EQ(ReadSightLog(unnamed).Sights.size(), 4u);
  // This window holds it now: a third copy is refused.
  samples::TLockHolder third(unnamed);
  EXPECT_EQ(third.Word(), "not held");
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

}  // namespace
}  // namespace tarvel
