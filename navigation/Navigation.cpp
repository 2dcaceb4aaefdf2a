// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "navigation/Navigation.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "navigation/SightLogKeeper.h"
#include "sighttab/SightTab.h"
#include "skytab/SkyTab.h"
#include "widgets/ErrorReport.h"
#include "widgets/FocusMark.h"
#include "widgets/Look.h"

namespace tarvel {
namespace {

// A page in a frameless scroll area: the window's smallest size no longer
// follows the pages' contents (the worksheet grows as it fills), so the
// window never grows by itself and fits a small screen, where the pages
// scroll instead of being squeezed or cut off. The page fills the view and
// is never made smaller than its layout's minimum; the area does not let
// the page resize itself, because its wrapped lines would ask for the
// page's preferred height, not its least.
class TPageScroll : public QScrollArea {
 public:
  TPageScroll(QWidget* page, QWidget* parent) : QScrollArea(parent) {
    setObjectName(page->objectName() + QStringLiteral("Scroll"));
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Window);
    QPalette black = palette();
    black.setColor(QPalette::Window, look::kBlack);
    setPalette(black);
    setWidget(page);
    page->installEventFilter(this);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QScrollArea::resizeEvent(event);
    Fit();
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) Fit();
    return QScrollArea::eventFilter(watched, event);
  }

 private:
  void Fit() {
    QWidget* page = widget();
    if (!page) return;
    const QSize least = page->minimumSizeHint().expandedTo(page->minimumSize());
    QSize room = maximumViewportSize();
    // A scroll bar that must show takes its room from the other direction.
    const int across = verticalScrollBar()->sizeHint().width();
    const int down = horizontalScrollBar()->sizeHint().height();
    bool vertical = least.height() > room.height();
    const bool horizontal = least.width() > room.width() - (vertical ? across : 0);
    vertical = vertical || least.height() > room.height() - (horizontal ? down : 0);
    if (vertical) room.rwidth() -= across;
    if (horizontal) room.rheight() -= down;
    const QSize size = room.expandedTo(least);
    if (page->size() != size) page->resize(size);
  }
};

}  // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Навигация"));
  setAttribute(Qt::WA_QuitOnClose, false);
  Tabs = new QTabWidget(this);
  Tabs->setObjectName(QStringLiteral("Tabs"));
  Tabs->setFont(look::Face("MS Sans Serif", 14, true));
  SkyTab = new TSkyTab(Tabs);
  Tabs->addTab(new TPageScroll(SkyTab, Tabs), QStringLiteral("Небосвод"));
  SightTab = new TSightTab(Tabs);
  Tabs->addTab(new TPageScroll(SightTab, Tabs), QStringLiteral("Обработка наблюдений"));
  SkyTab->setFont(look::Face("MS Sans Serif", 14));
  SightTab->setFont(look::Face("MS Sans Serif", 14));

  // The "Журнал" menu drops from a button in the tab bar's free corner: a
  // menu bar would take its height from the pages. Its actions belong to
  // the window as well, so that their keys work while the menu is closed.
  auto* logMenu = new QMenu(QStringLiteral("Журнал"), this);
  logMenu->setObjectName(QStringLiteral("LogMenu"));
  LogKeeper = new TSightLogKeeper(SightTab, this, logMenu);
  addActions(logMenu->actions());
  auto* logButton = new QToolButton(Tabs);
  logButton->setObjectName(QStringLiteral("btnLog"));
  logButton->setText(logMenu->title());
  logButton->setMenu(logMenu);
  logButton->setPopupMode(QToolButton::InstantPopup);
  logButton->setAutoRaise(true);
  Tabs->setCornerWidget(logButton, Qt::TopRightCorner);
  logButton->setToolTip(QStringLiteral("Журнал наблюдений (F10)"));

  // The keys of the window, whichever control has the focus: the tables
  // and fields take no Ctrl+Tab of their own.
  const auto key = [this](const QKeySequence& keys, auto handler) {
    auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [handler] { Guarded(handler); });
  };
  const auto turn = [this](int by) {
    const int count = Tabs->count();
    Tabs->setCurrentIndex((Tabs->currentIndex() + by + count) % count);
  };
  key(QKeySequence(Qt::CTRL | Qt::Key_Tab), [turn] { turn(1); });
  key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [turn] { turn(-1); });
  // The menu opens under its button without waiting for it to close.
  key(QKeySequence(Qt::Key_F10), [logButton, logMenu] {
    logMenu->popup(logButton->mapToGlobal(QPoint(0, logButton->height())));
    if (!logMenu->actions().isEmpty()) logMenu->setActiveAction(logMenu->actions().front());
  });
  new TFocusMark(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(Tabs);

  const QScreen* screen = QGuiApplication::primaryScreen();
  resize(DefaultSize(screen ? screen->availableGeometry().size() : QSize(1366, 768)));

  connect(SkyTab, &TSkyTab::starChosen, this, &TForm3::starChosen);
  connect(SkyTab, &TSkyTab::shipTimeChosen, this, &TForm3::shipTimeChosen);
  connect(SightTab, &TSightTab::fixChosen, this, &TForm3::fixChosen);

  // The log of the last run, before the main window's first values: a
  // restored dead reckoning is the navigator's own and stays.
  Guarded([this] { LogKeeper->Restore(); });
}

void TForm3::Follow(const TAlmanacInputs& inputs) {
  SkyTab->Follow(inputs);
  SightTab->Follow(inputs);
}

QSize TForm3::DefaultSize(QSize available) const {
  const QSize wanted = QSize(1240, 800).expandedTo(SkyTab->minimumSizeHint()).expandedTo(SightTab->minimumSizeHint());
  // The frame and the title bar take the rest of the screen.
  return wanted.boundedTo(available - QSize(16, 48));
}

void TForm3::SetClock(std::function<QDateTime()> clock) { SightTab->SetClock(std::move(clock)); }

void TForm3::ShowModeless() {
  if (isMinimized()) {
    showNormal();
  } else {
    show();
  }
  raise();
  activateWindow();
}

}  // namespace tarvel
