// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <optional>

namespace tarvel {
namespace {

void ShowMessageBox(const QString& message) {
  QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Тарвел"), message);
}

ErrorSink& Sink() {
  static ErrorSink sink = ShowMessageBox;
  return sink;
}

int depth = 0;
Occasion outermost = Occasion::Event;
std::optional<QString> pending;
bool reportOpen = false;
// The error reported last, while nothing has run without an error since.
std::optional<QString> standing;

void Report(const QString& message) noexcept {
  reportOpen = true;
  try {
    if (Sink()) Sink()(message);
  } catch (...) {
    // A failing report must not take the program down with it.
  }
  reportOpen = false;
}

}  // namespace

void Guarded(const std::function<void()>& body, Occasion occasion) noexcept {
  if (depth == 0) outermost = occasion;
  ++depth;
  try {
    body();
  } catch (const std::exception& e) {
    if (!pending) pending = QString::fromUtf8(e.what());
  } catch (...) {
    if (!pending) pending = QStringLiteral("Unknown error");
  }
  --depth;
  if (depth > 0) return;
  if (!pending) {
    standing.reset();
    return;
  }
  const QString message = *pending;
  pending.reset();
  // While a box is open, what goes wrong beneath it is neither shown nor
  // remembered: once the box is gone, the next tick reports it if it stays.
  if (reportOpen) return;
  if (outermost == Occasion::Tick && standing == message) return;
  standing = message;
  Report(message);
}

ErrorSink SetErrorSink(ErrorSink sink) {
  ErrorSink previous = std::move(Sink());
  Sink() = std::move(sink);
  standing.reset();
  return previous;
}

}  // namespace tarvel
