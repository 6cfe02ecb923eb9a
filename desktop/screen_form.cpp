#include "desktop/screen_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QUrl>

#include "desktop/art/art_catalogue.h"
#include "desktop/art_widgets.h"
#include "desktop/form_styles.h"

namespace quov {

namespace {

int pixels(int twips) { return twips / kTwipsPerPixel; }

QString text(const std::string& s) { return QString::fromStdString(s); }

// Where the program carries a page of its help.
QUrl pageSource(const Element& e) { return QUrl(QStringLiteral("qrc:/help/") + text(e.caption)); }

// The widget's name: the element's, with its index in its array.
QString widgetName(const Element& e) {
  return text(e.name) + (e.index >= 0 ? QString::number(e.index) : QString());
}

// The key's character code as the game reads it; 0 for a key that has none.
int keyAscii(const QKeyEvent& ev) {
  if (ev.key() == Qt::Key_Return || ev.key() == Qt::Key_Enter) return 13;
  const QString t = ev.text();
  return t.size() == 1 && t[0].unicode() < 128 ? t[0].unicode() : 0;
}

}  // namespace

QString formArtName(const Screen& s, const Element& e) {
  switch (e.kind) {
    case ElementKind::PictureButton: return text(e.name);
    case ElementKind::Picture:
    case ElementKind::Image: return text(s.name + "." + e.name);
    default: return QString();
  }
}

ScreenForm::ScreenForm(Screen& screen, QtEventLoop& loop, QtDisplay& display)
    : screen_(screen), loop_(loop), display_(display), window_(screen, *this, loop) {
  setObjectName(text(screen.name));
  setFixedSize(pixels(screen.width), pixels(screen.height));
  setStyleSheet(formStyleSheet(screen.name));
  for (Element* e : screen.elements) {
    QWidget* parent = e->parent ? widgetFor(*e->parent) : this;
    QWidget* w = make(*e, parent ? parent : this);
    w->setObjectName(widgetName(*e));
    w->setGeometry(pixels(e->left), pixels(e->top), pixels(e->width), pixels(e->height));
    widgets_.emplace_back(e, w);
  }
  // Qt moves the Tab stops of option buttons as the focus moves; they are
  // put back in their frames' groups after it.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (qobject_cast<QRadioButton*>(now) && isAncestorOf(now)) keepOptionTabStops();
  });
}

template <class F>
void ScreenForm::deliver(F&& handler) {
  if (loop_.ended()) return;
  loop_.syncClock();
  handler();
  loop_.afterHandler();
}

QWidget* ScreenForm::make(Element& e, QWidget* parent) {
  switch (e.kind) {
    case ElementKind::Frame:
    case ElementKind::Panel:
      return new QGroupBox(parent);
    case ElementKind::OptionButton: {
      auto* radio = new QRadioButton(parent);
      connect(radio, &QRadioButton::clicked, this, [this, &e] { deliver([&] { screen_.click(e); }); });
      return radio;
    }
    case ElementKind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, &e] { deliver([&] { screen_.click(e); }); });
      return button;
    }
    case ElementKind::TextBox: {
      auto* edit = new QLineEdit(parent);
      // The text belongs to the box: what the player types is its text at once.
      connect(edit, &QLineEdit::textEdited, this,
              [&e](const QString& typed) { e.setCaption(typed.toStdString()); });
      edit->installEventFilter(this);
      return edit;
    }
    case ElementKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
    case ElementKind::Page: {
      // The page as the program carries it; links inside it move within it.
      auto* page = new QTextBrowser(parent);
      page->setOpenLinks(true);
      page->setOpenExternalLinks(false);
      page->setSource(pageSource(e));
      page->setAccessibleName(page->documentTitle());
      return page;
    }
    case ElementKind::PictureButton: {
      auto* button = new ArtButton(formArtName(screen_, e), cache_, parent);
      connect(button, &ArtButton::pressed, this, [this, &e] { deliver([&] { screen_.mouseDown(e); }); });
      connect(button, &ArtButton::released, this, [this, &e] { deliver([&] { screen_.mouseUp(e); }); });
      connect(button, &ArtButton::clicked, this, [this, &e] { deliver([&] { screen_.click(e); }); });
      return button;
    }
    default:
      break;
  }
  // A picture the game answers clicks on is a button; any other is a picture.
  const ElementHandlers* h = screen_.routes.find(e);
  if (h && h->click) {
    auto* button = new ArtButton(formArtName(screen_, e), cache_, parent);
    connect(button, &ArtButton::clicked, this, [this, &e] { deliver([&] { screen_.click(e); }); });
    return button;
  }
  return new ArtPicture(formArtName(screen_, e), cache_, parent);
}

void ScreenForm::keepOptionTabStops() {
  // Option buttons side by side in one frame are one group, entered by Tab
  // at the one with the focus, else the chosen one, else any, and walked
  // with the arrows. Qt counts every option button inside the frame as one
  // group, those of frames within it too, so a focus on one took the others
  // out of the Tab chain and no setting in an inner frame could be reached.
  std::vector<QRadioButton*> radios;
  for (const auto& [element, widget] : widgets_)
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) radios.push_back(radio);
  for (QRadioButton* radio : radios) {
    const QWidget* frame = radio->parentWidget();
    QRadioButton* focused = nullptr;
    QRadioButton* chosen = nullptr;
    for (QRadioButton* r : radios) {
      if (r->parentWidget() != frame) continue;
      if (r->hasFocus()) focused = r;
      if (r->isChecked()) chosen = r;
    }
    const QRadioButton* stop = focused ? focused : chosen;
    const bool tab = !stop || stop == radio;
    const auto policy = static_cast<Qt::FocusPolicy>(
        tab ? radio->focusPolicy() | Qt::TabFocus : radio->focusPolicy() & ~Qt::TabFocus);
    if (radio->focusPolicy() != policy) radio->setFocusPolicy(policy);
  }
}

QWidget* ScreenForm::widgetFor(const Element& e) const {
  for (const auto& [element, widget] : widgets_)
    if (element == &e) return widget;
  return nullptr;
}

void ScreenForm::syncWidget(const Element& e, QWidget* w) {
  const QString caption = text(e.caption);
  if (auto* box = qobject_cast<QGroupBox*>(w)) {
    if (box->title() != caption) box->setTitle(caption);
  } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
    if (radio->text() != caption) radio->setText(caption);
    if (radio->isChecked() != e.value) {
      // Exclusive buttons refuse to be all unselected; the game may want that.
      radio->setAutoExclusive(false);
      radio->setChecked(e.value);
      radio->setAutoExclusive(true);
    }
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (edit->text() != caption) edit->setText(caption);
    if (edit->accessibleName() != text(e.toolTip)) edit->setAccessibleName(text(e.toolTip));
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text() != caption) label->setText(caption);
  } else if (auto* button = qobject_cast<QPushButton*>(w)) {
    if (button->text() != caption) button->setText(caption);
  } else if (auto* page = qobject_cast<QTextBrowser*>(w)) {
    if (page->source().path() != pageSource(e).path()) page->setSource(pageSource(e));
  }
  if (w->toolTip() != text(e.toolTip)) w->setToolTip(text(e.toolTip));
  const QRect geometry(pixels(e.left), pixels(e.top), pixels(e.width), pixels(e.height));
  if (w->geometry() != geometry) w->setGeometry(geometry);
  if (w->isEnabled() != e.enabled) w->setEnabled(e.enabled);
  if (w->isVisibleTo(this) != e.visible) w->setVisible(e.visible);
}

void ScreenForm::place(bool showing) {
  if (window_.centred()) return;  // the window centres itself as it shows
  if (!showing && screen_.left == placedLeft_ && screen_.top == placedTop_) return;
  placedLeft_ = screen_.left;
  placedTop_ = screen_.top;
  move(display_.origin() + QPoint(pixels(screen_.left), pixels(screen_.top)));
}

void ScreenForm::sync() {
  const bool showing = screen_.visible && !isVisible();
  if (showing && screen_.routes.activate) screen_.routes.activate();
  if (screen_.visible) place(showing);
  if (screen_.revision.value != syncedRevision_) {
    syncedRevision_ = screen_.revision.value;
    for (const auto& [element, widget] : widgets_) syncWidget(*element, widget);
    keepOptionTabStops();
  }
  window_.sync();
  if (screen_.focusMoves != focusMoves_) {
    focusMoves_ = screen_.focusMoves;
    if (QWidget* w = screen_.focus ? widgetFor(*screen_.focus) : nullptr) w->setFocus();
  }
}

void ScreenForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QString ground = art::hasOwnArt(text(screen_.name)) ? text(screen_.name) : QStringLiteral("form");
  p.drawPixmap(QPointF(0, 0),
               cache_.picture(art::ArtKey::own(ground, QSizeF(size())), size(), devicePixelRatioF()));
}

void ScreenForm::changeEvent(QEvent* ev) {
  if (ev->type() == QEvent::WindowStateChange) {
    screen_.windowState = isMinimized()   ? WindowState::Minimised
                          : isMaximized() ? WindowState::Maximised
                                          : WindowState::Normal;
  }
  QWidget::changeEvent(ev);
}

void ScreenForm::keyPressEvent(QKeyEvent* ev) {
  // Escape, left over by the control that has the focus, leads back to the
  // game as the screen's own way back does.
  if (ev->key() == Qt::Key_Escape && ev->modifiers() == Qt::NoModifier && screen_.cancel) {
    deliver([&] { screen_.escape(); });
    return;
  }
  QWidget::keyPressEvent(ev);
}

bool ScreenForm::eventFilter(QObject* watched, QEvent* ev) {
  if (ev->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, ev);
  for (auto& [element, widget] : widgets_) {
    if (widget != watched) continue;
    int key = keyAscii(*static_cast<QKeyEvent*>(ev));
    if (key == 0) return false;
    deliver([&] { screen_.keyPress(*element, key); });
    return key == 0;  // the handler swallowed it
  }
  return QWidget::eventFilter(watched, ev);
}

}  // namespace quov
