// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The PDF of the sight log, written through QSaveFile so that a failure
// leaves no file, or the old one, behind.

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "printing/SightLogPrint.h"

namespace tarvel {
namespace {

constexpr int kPdfDotsPerInch = 1200;

std::string Why(const QString& path, const QSaveFile& file) {
  const QFileInfo info(path);
  if (info.isDir()) return "это папка";
  if (!info.dir().exists()) return "нет папки «" + QDir::toNativeSeparators(info.dir().path()).toStdString() + "»";
  switch (file.error()) {
    case QFileDevice::PermissionsError: return "нет прав на запись";
    case QFileDevice::ResourceError: return "не хватает места на диске";
    case QFileDevice::WriteError: return "ошибка записи на диск";
    default: return "нет прав на запись в папку или диск недоступен";
  }
}

[[noreturn]] void Refuse(const QString& path, const QSaveFile& file) {
  throw EPrintError("Не удалось записать файл «" + QDir::toNativeSeparators(path).toStdString() +
                    "»: " + Why(path, file) + ".");
}

}  // namespace

void SaveSightLogPdf(const QString& path, const TPrintedLog& log) {
  QSaveFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::WriteOnly)) Refuse(path, file);
  {
    QPdfWriter pdf(&file);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                  QPageLayout::Millimeter));
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setTitle(log.Title);
    pdf.setCreator(QStringLiteral("Тарвел"));
    PrintSightLog(pdf, log);
  }
  if (!file.commit()) Refuse(path, file);
}

}  // namespace tarvel
