#include "platform/qt/offer_window.h"

#include <QPainter>
#include <QPushButton>

#include "platform/qt/art/art_catalogue.h"

namespace quov {

namespace {
constexpr int kWidth = 420, kHeight = 230;
}

OfferWindow::OfferWindow(std::function<void()> onReturn) : onReturn_(std::move(onReturn)) {
  setFixedSize(kWidth, kHeight);
  auto* back = new QPushButton(QStringLiteral("RETURN TO GAME"), this);
  back->setGeometry(kWidth / 2 - 90, kHeight - 56, 180, 40);
  back->setDefault(true);
  connect(back, &QPushButton::clicked, this, [this] { onReturn_(); });
}

void OfferWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(14, 18, 52));
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(10, 10);
  art::paintArt(p, art::ArtKey::own(QStringLiteral("offer"), QSizeF(kWidth - 20, kHeight - 76)));
}

}  // namespace quov
