// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "app/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <optional>

namespace tarvel {
namespace {

void ShowMessageBox(const QString& message) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), message);
}

ErrorSink& Sink() {
  static ErrorSink sink = ShowMessageBox;
  return sink;
}

int depth = 0;
std::optional<QString> pending;
bool reportOpen = false;

void Report(const QString& message) noexcept {
  if (reportOpen) return;
  reportOpen = true;
  try {
    if (Sink()) Sink()(message);
  } catch (...) {
    // A failing report must not take the program down with it.
  }
  reportOpen = false;
}

}  // namespace

void Guarded(const std::function<void()>& body) noexcept {
  ++depth;
  try {
    body();
  } catch (const std::exception& e) {
    if (!pending) pending = QString::fromUtf8(e.what());
  } catch (...) {
    if (!pending) pending = QStringLiteral("Unknown error");
  }
  --depth;
  if (depth == 0 && pending) {
    const QString message = *pending;
    pending.reset();
    Report(message);
  }
}

ErrorSink SetErrorSink(ErrorSink sink) {
  ErrorSink previous = std::move(Sink());
  Sink() = std::move(sink);
  return previous;
}

}  // namespace tarvel
