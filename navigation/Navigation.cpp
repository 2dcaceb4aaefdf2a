// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "navigation/Navigation.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "navigation/SightTab.h"
#include "navigation/SkyTab.h"
#include "widgets/Look.h"

namespace tarvel {

TForm3::TForm3(THandlerGuard guard, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Навигация"));
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(1180, 720);

  Tabs = new QTabWidget(this);
  Tabs->setObjectName(QStringLiteral("Tabs"));
  Tabs->setFont(look::Face("MS Sans Serif", 14, true));
  SkyTab = new TSkyTab(guard, Tabs);
  Tabs->addTab(SkyTab, QStringLiteral("Небосвод"));
  SightTab = new TSightTab(guard, Tabs);
  Tabs->addTab(SightTab, QStringLiteral("Обработка наблюдений"));
  SkyTab->setFont(look::Face("MS Sans Serif", 14));
  SightTab->setFont(look::Face("MS Sans Serif", 14));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(Tabs);

  connect(SkyTab, &TSkyTab::starChosen, this, &TForm3::starChosen);
  connect(SkyTab, &TSkyTab::shipTimeChosen, this, &TForm3::shipTimeChosen);
  connect(SightTab, &TSightTab::positionChosen, this, &TForm3::positionChosen);
}

void TForm3::Follow(const TAlmanacInputs& inputs) {
  SkyTab->Follow(inputs);
  SightTab->Follow(inputs);
}

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
