// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sight tab's keys, and the star found by part of its name.
//
// Return (or Enter) adds the sight when it reaches the form unused: a field
// that takes Return for itself, a pop-up that it closes (the body list, the
// date's calendar, the star search's list) or the star search, where Return
// chooses the star, never adds it.

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "fixpanel/FixPanel.h"
#include "reports/SightSheet.h"
#include "sighttab/SightTab.h"
#include "widgets/ErrorReport.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

bool IsReturn(const QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Watches the form for a Return that no field used, and the form's pop-ups
// for one that closed them: that Return, delivered to the field once its
// pop-up is gone, adds nothing.
class TReturnAdds : public QObject {
 public:
  TReturnAdds(QWidget* form, QWidget* search, std::function<void()> add)
      : QObject(form), form_(form), search_(search), add_(std::move(add)) {
    form->installEventFilter(this);
  }
  void WatchPopup(QWidget* popup) { popup->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != form_) {
      // A pop-up hidden while a key is handled: the key is spent on it.
      if (event->type() == QEvent::Hide || (IsReturn(event) && static_cast<QWidget*>(watched)->isVisible())) {
        Spend();
      }
      return false;
    }
    if (event->type() != QEvent::KeyPress || !IsReturn(event)) return false;
    const bool used = spent_ || QApplication::activePopupWidget() != nullptr ||
                      QApplication::focusWidget() == search_ || static_cast<QKeyEvent*>(event)->isAutoRepeat();
    event->accept();
    if (!used) add_();
    return true;
  }

 private:
  // Until the events in hand are handled.
  void Spend() {
    if (spent_) return;
    spent_ = true;
    QTimer::singleShot(0, this, [this] { spent_ = false; });
  }

  QWidget* form_;
  QWidget* search_;
  std::function<void()> add_;
  bool spent_ = false;
};

}  // namespace

void TSightTab::ConnectKeys() {
  const auto key = [this](QWidget* where, const QKeySequence& keys, Qt::ShortcutContext context,
                          void (TSightTab::*handler)()) {
    auto* shortcut = new QShortcut(keys, where, nullptr, nullptr, context);
    connect(shortcut, &QShortcut::activated, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  auto* returnAdds = new TReturnAdds(cbBody->parentWidget(), leStarFind, [this] { Guarded([this] { AddClick(); }); });
  returnAdds->WatchPopup(cbBody->view()->window());
  returnAdds->WatchPopup(starFinder_->popup());
  returnAdds->WatchPopup(sightTime_.Date->calendarWidget()->window());
  key(tvSights, QKeySequence::Delete, Qt::WidgetShortcut, &TSightTab::RemoveClick);
  key(this, QKeySequence::Undo, Qt::WidgetWithChildrenShortcut, &TSightTab::UndoListChange);
  // Anywhere in the window while the tab is the page shown, the tab bar and
  // the menu's button included: a shortcut of a hidden page does not fire.
  key(this, QKeySequence(Qt::Key_F5), Qt::WindowShortcut, &TSightTab::MarkClick);
  key(this, QKeySequence(Qt::Key_F9), Qt::WindowShortcut, &TSightTab::ShowSheetWindow);
  connect(leStarFind, &QLineEdit::textChanged, this, [this] { Guarded([this] { SearchStar(); }); });
  // A field of the form entered starts its typing from the values in hand.
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && cbBody->parentWidget()->isAncestorOf(now)) CommitReduction();
  });
}

// The children go after the tab's own part, and as the window closes a field
// losing the focus still signals: neither the focus watch nor any child's
// signal may reach the tab's handlers then.
void TSightTab::ShowSheetWindow() { fixPanel_->ShowSheetWindow(); }

TSightTab::~TSightTab() {
  disconnect(focusWatch_);
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void TSightTab::SizeStarFinder() {
  // The pop-up as wide as its longest line, whatever the search's width.
  QAbstractItemView* popup = starFinder_->popup();
  const QFontMetrics metrics(popup->font());
  int widest = 0;
  for (const QString& line : starLines_) widest = std::max(widest, metrics.horizontalAdvance(line));
  popup->setMinimumWidth(widest + popup->verticalScrollBar()->sizeHint().width() + 2 * popup->frameWidth() +
                         4 * popup->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8);
}

QString NoStarText(const QString& typed) { return QStringLiteral("Нет звезды «") + typed + QStringLiteral("»"); }

QString ManyStarsText(const QString& typed) {
  return QStringLiteral("«") + typed + QStringLiteral("» есть у нескольких звёзд: выберите одну в списке");
}

// The star whose line holds the text typed (in any case), if only one does;
// how many lines hold it.
int TSightTab::SearchStar() {
  const QString typed = leStarFind->text().trimmed();
  int found = 0;
  int count = 0;
  for (std::int32_t number = 1; number <= starLines_.size() && !typed.isEmpty(); ++number) {
    if (starLines_[number - 1].contains(typed, Qt::CaseInsensitive)) found = number, ++count;
  }
  lbStarSearch->setText(!typed.isEmpty() && count == 0 ? NoStarText(typed) : QString());
  lbStarSearch->setVisible(!lbStarSearch->text().isEmpty());
  lastFound_ = count == 1 ? found : 0;
  return count;
}

void TSightTab::FindStar(const QString& choice) {
  // "42 θ Возничего": the number leads the completer's line; a text held by
  // one star's line only chooses it, a text held by none or by several is
  // said.
  const int count = SearchStar();
  bool number = false;
  std::int32_t star = choice.section(u' ', 0, 0).toInt(&number);
  if (!number || star < 1 || star > starLines_.size() || starLines_[star - 1] != choice) star = lastFound_;
  if (star == 0) {
    if (count > 1) {
      lbStarSearch->setText(ManyStarsText(leStarFind->text().trimmed()));
      lbStarSearch->setVisible(true);
    }
    return;
  }
  seStar->setValue(star);
}

}  // namespace tarvel
