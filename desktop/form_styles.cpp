#include "desktop/form_styles.h"

#include <map>

namespace quov {

namespace {

const QString kCommon = QStringLiteral(R"(
QWidget { font-family: "DejaVu Sans"; font-size: 13px; color: #fffae6; }
QLabel { background: transparent; }
QGroupBox {
  border: 2px solid #e0a82e; border-radius: 8px; margin-top: 9px;
  background: rgba(8, 10, 36, 110); font-weight: bold;
}
QGroupBox::title {
  subcontrol-origin: margin; subcontrol-position: top left; left: 12px; padding: 0 5px;
  color: #fff0aa;
}
QRadioButton { background: transparent; spacing: 7px; }
QRadioButton::indicator {
  width: 12px; height: 12px; border-radius: 8px; border: 2px solid #e0a82e; background: #0e1234;
}
QRadioButton::indicator:hover { border-color: #fff0aa; }
QRadioButton::indicator:checked {
  background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.4, fy:0.4, stop:0 #fff8cc,
                              stop:0.5 #f0bc44, stop:0.62 #f0bc44, stop:0.72 #0e1234);
}
QRadioButton:focus { color: #ffe680; border: 1px dashed #ffffff; border-radius: 4px; }
QRadioButton:disabled, QLabel:disabled { color: #8088aa; }
QPushButton {
  color: #2a1500; font-weight: bold; border: 1px solid #825410; border-radius: 7px;
  padding: 4px 12px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff0aa, stop:0.5 #e0a82e,
                              stop:1 #a86c14);
}
QPushButton:hover {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff8cc, stop:0.5 #f0bc44,
                              stop:1 #b87a1c);
}
QPushButton:pressed {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #a86c14, stop:1 #e0a82e);
}
QPushButton:focus { border: 2px solid #ffffff; }
QLineEdit {
  color: #1a1000; background: #fffdf4; border: 2px solid #e0a82e; border-radius: 6px;
  padding: 2px 6px; selection-background-color: #1e46aa; selection-color: #ffffff;
}
QLineEdit:focus { border-color: #ffffff; }
QToolTip { color: #1a1000; background: #fffae6; border: 1px solid #825410; }
)");

const std::map<std::string, QString>& ownLooks() {
  static const std::map<std::string, QString> looks = {
      {"quovoptions", QStringLiteral(R"(
QGroupBox#Framemain { background: transparent; font-size: 15px; }
QLabel#lblcurrentplayer { color: #fff0aa; font-weight: bold; font-size: 14px; }
QLabel#lblplayername, QLabel#fastslow, QLabel#Label1 { color: #c8cdf0; font-size: 12px; }
QLabel#speedlab { color: #fff0aa; font-weight: bold; }
QLabel#payoutreturnhead, QLabel#payoutjackpotshead {
  color: #c8cdf0; font-size: 11px; qproperty-alignment: 'AlignRight | AlignBottom';
}
QLabel#payoutreturn0, QLabel#payoutjackpots0, QLabel#payoutreturn1, QLabel#payoutjackpots1, QLabel#payoutreturn2, QLabel#payoutjackpots2 {
  font-weight: bold; qproperty-alignment: 'AlignRight | AlignVCenter';
}
QLabel#payoutnote { color: #c8cdf0; font-size: 11px; }
QLabel#histvalue0, QLabel#histvalue1, QLabel#histvalue2, QLabel#histvalue3, QLabel#histvalue4, QLabel#histvalue5, QLabel#histvalue6, QLabel#histvalue7, QLabel#histvalue8 {
  font-weight: bold; qproperty-alignment: 'AlignRight | AlignVCenter';
}
)")},
      {"quovhelp", QStringLiteral(R"(
QTextBrowser#helppage {
  color: #1a1000; background: #fffdf4; border: 2px solid #e0a82e; border-radius: 6px;
  padding: 4px; selection-background-color: #1e46aa; selection-color: #ffffff;
}
QTextBrowser#helppage:focus { border-color: #ffffff; }
)")},
      {"aboutquov", QStringLiteral(R"(
QLabel#lblTitle { color: #fff0aa; font-size: 26px; font-weight: bold; }
QLabel#lblversion { color: #c8cdf0; font-size: 12px; }
QLabel#Label2, QLabel#lblfeedback, QLabel#lblshipped { font-weight: bold; }
)")},
  };
  return looks;
}

}  // namespace

QString formStyleSheet(const std::string& screenName) {
  const auto it = ownLooks().find(screenName);
  return it == ownLooks().end() ? kCommon : kCommon + it->second;
}

}  // namespace quov
