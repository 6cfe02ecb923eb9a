#include "desktop/element_painter.h"

#include <cmath>
#include <set>

#include "desktop/art/cabinet_art.h"
#include "desktop/art/palette.h"
#include "desktop/element_styles.h"
#include "rules/reels.h"

namespace quov {

namespace {

// Rounded to whole device pixels, so neighbouring pictures meet without seams.
QRectF snapped(const RectF& r, qreal dpr) {
  const qreal l = std::round(r.x * dpr) / dpr, t = std::round(r.y * dpr) / dpr;
  const qreal rr = std::round((r.x + r.w) * dpr) / dpr, b = std::round((r.y + r.h) * dpr) / dpr;
  return QRectF(l, t, rr - l, b - t);
}

QRectF windowRect(const Element& e, const ViewMapping& view, qreal dpr) {
  return snapped(view.toWindow(e.screenLeft(), e.screenTop(), e.width, e.height), dpr);
}

qreal designPx(int twips) { return static_cast<qreal>(twips) / kTwipsPerPixel; }

QSize logicalSize(const QRectF& r) {
  return QSize(std::max(1, qRound(r.width())), std::max(1, qRound(r.height())));
}

}  // namespace

ElementPainter::ElementPainter(const Screen& screen) : screen_(screen) {
  std::vector<std::pair<QString, QRectF>> buttons;
  const Element* bar = screen.find("panfreespin");
  if (!bar) return;
  for (const Element* e : screen.elements)
    if (e->parent == bar)
      buttons.emplace_back(QString::fromStdString(e->name),
                           QRectF(designPx(e->left), designPx(e->top), designPx(e->width),
                                  designPx(e->height)));
  art::setControlBarButtons(std::move(buttons));

  std::set<const Element*> reelWindows;
  for (const Element* e : screen.elements)
    if (paintRole(e->name) == PaintRole::ReelStrip && e->parent) reelWindows.insert(e->parent);
  for (const Element* e : screen.elements)
    if (reelWindows.count(e) || (e->parent && reelWindows.count(e->parent))) reelAreaEnd_ = e;
}

void ElementPainter::drawArt(QPainter& p, const art::ArtKey& key, const QRectF& r, qreal dpr) {
  const QPixmap& pm = cache_.picture(key, logicalSize(r), dpr);
  p.drawPixmap(r.topLeft(), pm);
}

void ElementPainter::paint(QPainter& p, const ViewMapping& view, qreal dpr) {
  const QRectF screenRect = snapped(view.toWindow(0, 0, screen_.width, screen_.height), dpr);
  // A screen with a background of its own shows it; the others the cabinet's.
  const QString own = QString::fromStdString(screen_.name);
  drawArt(p,
          art::ArtKey::own(art::hasOwnArt(own) ? own : QStringLiteral("cabinet"),
                           QSizeF(art::kScreenW, art::kScreenH)),
          screenRect, dpr);
  p.save();
  p.setClipRect(screenRect);
  const bool raised = linesRaised_ && reelAreaEnd_;
  for (const Element* e : screen_.elements) {
    if (e->shownOnScreen() && !(raised && e->kind == ElementKind::Line))
      paintElement(p, *e, view, dpr);
    if (raised && e == reelAreaEnd_) paintLines(p, view, dpr);
  }
  paintFocus(p, view, dpr);
  p.restore();
}

void ElementPainter::paintFocus(QPainter& p, const ViewMapping& view, qreal dpr) {
  const Element* e = screen_.focus;
  if (!e || !e->shownOnScreen()) return;
  // The item the keyboard has chosen carries a ring.
  const qreal s = view.scale();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 230, 128), 3 * s));
  p.drawRoundedRect(windowRect(*e, view, dpr).adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s),
                    4 * s, 4 * s);
}

void ElementPainter::paintLines(QPainter& p, const ViewMapping& view, qreal dpr) {
  for (const Element* e : screen_.elements)
    if (e->kind == ElementKind::Line && e->shownOnScreen()) paintElement(p, *e, view, dpr);
}

void ElementPainter::paintElement(QPainter& p, const Element& e, const ViewMapping& view,
                                  qreal dpr) {
  p.save();
  for (const Element* c = e.parent; c; c = c->parent)
    p.setClipRect(windowRect(*c, view, dpr), Qt::IntersectClip);
  const QRectF r = windowRect(e, view, dpr);
  const QString name = QString::fromStdString(e.name);
  const QSizeF design(designPx(e.width), designPx(e.height));
  const PaintRole role = paintRole(e.name);

  if (e.kind == ElementKind::Line) {
    const PointF a = view.toWindow(e.x1, e.y1), b = view.toWindow(e.x2, e.y2);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c((e.colour >> 16) & 0xFF, (e.colour >> 8) & 0xFF, e.colour & 0xFF);
    p.setPen(QPen(c, e.lineWidthPx * view.scale(), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
  } else if (role == PaintRole::ReelStrip) {
    paintReel(p, e, view, dpr);
  } else if (e.kind == ElementKind::Label) {
    paintLabel(p, e, r, view);
  } else if (role == PaintRole::IconButton) {
    // A plain button face carrying its suit icon.
    drawArt(p, art::ArtKey::own(name, design), r, dpr);
    if (e.picture.list != ImageListId::None && e.picture.index > 0) {
      const QRectF icon = snapped({r.x() + r.width() * 0.14, r.y() + r.height() * 0.14,
                                   r.width() * 0.72, r.height() * 0.72}, dpr);
      drawArt(p, art::ArtKey::listPicture(e.picture.list, e.picture.index), icon, dpr);
    }
  } else if (e.picture.list != ImageListId::None && e.picture.index > 0) {
    drawArt(p, art::ArtKey::listPicture(e.picture.list, e.picture.index, e.picture.overlay), r,
            dpr);
  } else if (art::hasOwnArt(name)) {
    drawArt(p, art::ArtKey::own(name, design), r, dpr);
  }
  if (e.kind == ElementKind::PictureButton && !e.enabledOnScreen())
    p.fillRect(r, QColor(10, 10, 30, 130));  // a disabled button looks dimmed
  p.restore();
}

void ElementPainter::paintReel(QPainter& p, const Element& e, const ViewMapping& view, qreal dpr) {
  if (!e.parent || e.index < 1 || e.index > kReels) return;
  const Element& window = *e.parent;
  const int windowTop = window.screenTop(), windowBottom = windowTop + window.height;
  const int top = e.screenTop();
  const int first = std::max(0, (windowTop - top) / kCellTwips);
  for (int cell = first; cell < kStripCells; ++cell) {
    const int cellTop = top + cell * kCellTwips;
    if (cellTop >= windowBottom) break;
    QRectF r = snapped(view.toWindow(e.screenLeft(), cellTop, e.width, kCellTwips), dpr);
    r.setHeight(r.height() + 1 / dpr);  // overlap a device pixel: no seams between cells
    drawArt(p, art::ArtKey::symbol(stripSymbol(e.index, cell)), r, dpr);
  }
}

void ElementPainter::paintLabel(QPainter& p, const Element& e, const QRectF& r,
                                const ViewMapping& view) {
  if (e.caption.empty()) return;
  const QString text = QString::fromStdString(e.caption);
  const qreal s = view.scale();
  const LabelStyle& style = labelStyle(e.name);
  qreal size = r.height() * style.heightShare;
  if (style.maxDesignPx > 0) size = std::min(size, style.maxDesignPx * s);
  if (style.pill) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  }
  const QRectF inner = r.adjusted(3 * s, 0, -3 * s, 0);
  // Long captions shrink to the field's width.
  const QFontMetricsF fm(art::gameFont(size));
  const qreal w = fm.horizontalAdvance(text);
  if (w > inner.width() && w > 0) size *= inner.width() / w;
  p.setFont(art::gameFont(size));
  p.setPen(QColor(0, 0, 0, 200));
  p.drawText(inner.translated(1.2 * s, 1.2 * s), style.align, text);
  p.setPen(style.colour);
  p.drawText(inner, style.align, text);
}

}  // namespace quov
