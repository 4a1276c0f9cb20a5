// The look shared by the browser's dialogs: dark text on the borrowed
// background picture, light flat buttons and boxes, passwords masked with "*".
#pragma once

#include <QString>

inline QString dialogStyleSheet()
{
    return QStringLiteral(
        "QLabel, QGroupBox { color: #10243E; background: transparent; }"
        "QCheckBox { color: #10243E; }"
        "QGroupBox { border: 1px solid rgba(16, 36, 62, 110); border-radius: 4px; margin-top: 10px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"
        "QPushButton { color: #10243E; background: rgba(255, 255, 255, 200); border: 1px solid #7F9DB9;"
        "  border-radius: 3px; padding: 1px 6px; }"
        "QPushButton:hover { background: white; border-color: #3169C6; }"
        "QPushButton:pressed { background: #DCE6F4; }"
        "QPushButton:disabled { color: #8A94A0; background: rgba(255, 255, 255, 120); }"
        "QLineEdit, QDateEdit { background: white; border: 1px solid #7F9DB9; padding: 1px 3px;"
        "  lineedit-password-character: 42; }"
        "QLineEdit:disabled { background: #ECE9D8; }"
        "QTableView { background: rgba(255, 255, 255, 225); border: 1px solid #7F9DB9; outline: 0;"
        "  selection-background-color: #3169C6; selection-color: white; }"
        "QTableView::item { border-bottom: 1px solid #D8DEE8; padding-left: 3px; }");
}
