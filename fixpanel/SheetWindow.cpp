// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "fixpanel/SheetWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/NumberPicture.h"
#include "fixpanel/PlottingSheet.h"
#include "widgets/ErrorReport.h"

namespace tarvel {

TSheetWindow::TSheetWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("SheetWindow"));
  setWindowTitle(QStringLiteral("Планшет"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  auto* bar = new QHBoxLayout;
  const auto button = [this, bar](const char* name, const QString& text, const QString& tip) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);  // the keys stay with the sheet
    bar->addWidget(b);
    return b;
  };
  QPushButton* in = button("btnZoomIn", QStringLiteral("+"), QStringLiteral("Крупнее (колесо, «+»)"));
  QPushButton* out = button("btnZoomOut", QStringLiteral("−"), QStringLiteral("Мельче (колесо, «−»)"));
  QPushButton* fit = button("btnFitSheet", QStringLiteral("Всё на листе"), QStringLiteral("Показать всё (0, Home)"));
  lbZoom = new QLabel(this);
  lbZoom->setObjectName(QStringLiteral("lbZoom"));
  bar->addWidget(lbZoom);
  bar->addStretch(1);
  bar->addWidget(new QLabel(QStringLiteral("Сдвиг: перетаскивание и стрелки; Esc — закрыть"), this));
  column->addLayout(bar);
  sheet_ = new TPlottingSheet(this);
  sheet_->setObjectName(QStringLiteral("WindowSheet"));
  sheet_->SetInteractive(true);
  column->addWidget(sheet_, 1);
  connect(in, &QPushButton::clicked, this, [this] { Guarded([this] { sheet_->ZoomBy(1.25); }); });
  connect(out, &QPushButton::clicked, this, [this] { Guarded([this] { sheet_->ZoomBy(1 / 1.25); }); });
  connect(fit, &QPushButton::clicked, this, [this] { Guarded([this] { sheet_->Fit(); }); });
  connect(sheet_, &TPlottingSheet::viewChanged, this, [this] { Guarded([this] { ShowZoom(); }); });
  ShowZoom();
  // Most of a small screen, a comfortable size on a large one.
  QSize size(900, 680);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size() * 0.9);
  }
  resize(size);
}

void TSheetWindow::SetPlot(const TPlot& plot) { sheet_->SetPlot(plot); }

void TSheetWindow::Open() {
  show();
  raise();
  activateWindow();
  sheet_->setFocus();
}

void TSheetWindow::ShowZoom() {
  lbZoom->setText(QStringLiteral("Масштаб ×") + QString::fromStdString(FormatPicture("0.00", sheet_->Zoom())));
}

void TSheetWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return QWidget::keyPressEvent(event);
  Guarded([this] { hide(); });
}

}  // namespace tarvel
