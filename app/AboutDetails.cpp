// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "app/AboutDetails.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AboutTexts.h"

namespace tarvel {

TAboutDetails::TAboutDetails(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutDetails"));
  setWindowTitle(DetailsWindowTitle());
  setAttribute(Qt::WA_QuitOnClose, false);

  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("lbDetails"));
  text->setTextFormat(Qt::RichText);
  text->setText(DetailsText());
  text->setWordWrap(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setMinimumWidth(640);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QString::fromUtf8("Закрыть"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("btnClose"));
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutDetails::ShowModeless() {
  show();
  raise();
  activateWindow();
}

}  // namespace tarvel
