// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The tab's log on paper: the print dialog and the PDF file.

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "fixpanel/FixPanel.h"
#include "printing/SightLogPrint.h"
#include "sighttab/SightTab.h"
#include "widgets/ErrorReport.h"

namespace tarvel {

TPrintedLog TSightTab::PrintedLog() const {
  return {logTitle_, Sights(), fixPanel_->Reckoning(), Fix().Settings, Fix(), chronometer_};
}

void TSightTab::PrintClick() {
  Guarded([this] {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(logTitle_);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Печать журнала наблюдений"));
    if (dialog.exec() != QDialog::Accepted) return;
    PrintSightLog(printer, PrintedLog());
  });
}

void TSightTab::SavePdf(const QString& path) { SaveSightLogPdf(path, PrintedLog()); }

}  // namespace tarvel
