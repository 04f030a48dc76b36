#pragma once

#include <QMessageBox>
#include <QString>

// The program's title, on the main window, the About window and every message box.
inline constexpr char ProgramTitle[] = "Orrin Vodadadore I v1.20";

// A message box captioned with the program's title.
QMessageBox::StandardButton MsgBox(const QString &text,
                                   QMessageBox::Icon icon = QMessageBox::Information,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
