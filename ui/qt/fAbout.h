// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// fAbout, the About window: title, version line, credits and disclaimer.
// Opened modally by the calculator window and built anew at every opening,
// so its pictures are decoded only when someone looks at them.

#include <QDialog>

class QLabel;
class QPushButton;

class fAbout : public QDialog {
  Q_OBJECT

public:
  explicit fAbout(QWidget *parent = nullptr);

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  // The window's event handlers.
  void Form_Load();
  void bDone_Click();

  QLabel *lbl_Disclaimer;
  QLabel *lbl_Version;
  QPushButton *bDone;
};
