#include "desktop/art/button_art.h"

#include <QPainterPath>
#include <map>

#include "desktop/art/palette.h"

namespace quov::art {

namespace {

struct ButtonLook {
  QString words;
  QColor base;
  qreal textScale = 0.34;  // of the face height
};

const std::map<QString, ButtonLook>& looks() {
  static const std::map<QString, ButtonLook> table = {
      {"coinsin", {"INSERT\nCREDIT", QColor(30, 140, 60), 0.27}},
      {"payline", {"LINES", QColor(30, 80, 180)}},
      {"btnbet", {"BET", QColor(30, 80, 180)}},
      {"btnspin", {"SPIN", QColor(210, 50, 20), 0.42}},
      {"doublebutton", {"GAMBLE", QColor(130, 40, 160)}},
      {"autoplayon", {"AUTO\nON/OFF", QColor(20, 130, 140), 0.27}},
      {"takewin", {"COLLECT", QColor(220, 130, 10), 0.4}},
      {"btnoptions", {"Options", QColor(50, 50, 120), 0.3}},
      {"btnopenmenu", {"Menu", QColor(50, 50, 120), 0.34}},
      {"about", {"ABOUT", QColor(40, 50, 130), 0.4}},
      {"mnuviewpaytable", {"PAYTABLE", QColor(40, 50, 130), 0.38}},
      {"viewpaylines", {"VIEW PAYLINES", QColor(40, 50, 130), 0.3}},
      {"xit", {"EXIT", QColor(150, 30, 30), 0.4}},
      {"lastgames", {"LAST GAMES", QColor(40, 50, 130), 0.34}},
      {"mnuhelp", {"HELP", QColor(40, 50, 130), 0.38}},
      {"mnucharts", {"CHARTS", QColor(40, 50, 130), 0.38}},
      {"btnprevgame", {"<< GAME", QColor(40, 90, 90), 0.42}},
      {"btnprev", {"< PREVIOUS", QColor(40, 90, 90), 0.42}},
      {"btnnext", {"NEXT >", QColor(40, 90, 90), 0.42}},
      {"btnnextgame", {"GAME >>", QColor(40, 90, 90), 0.42}},
      {"btnreturn", {"RETURN TO GAME", QColor(150, 30, 30), 0.42}},
      {"Btnreturn2game",
       {"Move the cursor over the line numbers to expose the paylines\n"
        "CLICK HERE TO RETURN TO THE GAME",
        QColor(40, 50, 130), 0.3}},
      {"betred", {"RED", QColor(200, 20, 30), 0.45}},
      {"betblack", {"BLACK", QColor(40, 40, 40), 0.45}},
      {"cancelbet", {"COLLECT", QColor(220, 130, 10), 0.42}},
      {"suitbet", {"", QColor(235, 225, 200)}},
      {"btnunloadpays", {"EXIT", QColor(150, 30, 30), 0.5}},
      {"Btnxit", {"RETURN TO GAME", QColor(40, 50, 130), 0.4}},
      {"SSCommand2", {"RETURN TO GAME", QColor(40, 50, 130), 0.4}},
      {"btnhelpreturn", {"RETURN TO GAME", QColor(40, 50, 130), 0.4}},
  };
  return table;
}

}  // namespace

QStringList buttonArtNames() {
  QStringList names;
  for (const auto& [name, look] : looks()) names << name;
  return names;
}

QString buttonWords(const QString& name) {
  const auto it = looks().find(name);
  return it == looks().end() ? QString() : QString(it->second.words).replace('\n', ' ');
}

void paintSuit(QPainter& p, int suit, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(r.topLeft());
  p.scale(r.width() / 100, r.height() / 100);
  const bool red = suit == 1 || suit == 3;
  p.setPen(Qt::NoPen);
  p.setBrush(red ? QColor(210, 20, 30) : QColor(20, 20, 28));
  QPainterPath s;
  switch (suit) {
    case 1:  // hearts
      s.moveTo(50, 92);
      s.cubicTo(10, 60, 0, 38, 12, 20);
      s.cubicTo(24, 4, 46, 10, 50, 28);
      s.cubicTo(54, 10, 76, 4, 88, 20);
      s.cubicTo(100, 38, 90, 60, 50, 92);
      break;
    case 2:  // clubs
      s.addEllipse(QRectF(30, 6, 40, 40));
      s.addEllipse(QRectF(6, 38, 40, 40));
      s.addEllipse(QRectF(54, 38, 40, 40));
      s.addRect(QRectF(42, 40, 16, 20));
      s.moveTo(50, 50);
      s.lineTo(66, 94);
      s.lineTo(34, 94);
      s.closeSubpath();
      break;
    case 3:  // diamonds
      s.moveTo(50, 4);
      s.quadTo(66, 30, 90, 50);
      s.quadTo(66, 70, 50, 96);
      s.quadTo(34, 70, 10, 50);
      s.quadTo(34, 30, 50, 4);
      break;
    default:  // spades
      s.moveTo(50, 4);
      s.cubicTo(90, 36, 100, 56, 88, 70);
      s.cubicTo(76, 84, 56, 78, 52, 64);
      s.lineTo(64, 96);
      s.lineTo(36, 96);
      s.lineTo(48, 64);
      s.cubicTo(44, 78, 24, 84, 12, 70);
      s.cubicTo(0, 56, 10, 36, 50, 4);
      break;
  }
  s.setFillRule(Qt::WindingFill);
  p.drawPath(s.simplified());
  p.restore();
}

void paintButton(QPainter& p, const QString& name, const QRectF& r, bool pressed) {
  p.setRenderHint(QPainter::Antialiasing);
  const auto it = looks().find(name);
  if (it == looks().end()) return;
  const ButtonLook& look = it->second;
  buttonFace(p, r, look.base, pressed);
  if (look.words.isEmpty()) return;
  const QRectF text = r.adjusted(6, 4, -6, -4).translated(pressed ? 1 : 0, pressed ? 1.5 : 0);
  const int lines = static_cast<int>(look.words.count('\n')) + 1;
  qreal size = r.height() * look.textScale;
  // Long captions shrink to fit the face's width.
  const QFontMetricsF fm(gameFont(size));
  qreal widest = 0;
  for (const QString& line : look.words.split('\n')) widest = std::max(widest, fm.horizontalAdvance(line));
  if (widest > text.width()) size *= text.width() / widest;
  if (lines > 1 && name == "Btnreturn2game") size = std::min(size, r.height() * 0.3);
  const QColor fill = pressed ? kGold : QColor(255, 250, 235);
  outlinedText(p, text, look.words, size, fill, QColor(20, 10, 0, 220));
}

}  // namespace quov::art
