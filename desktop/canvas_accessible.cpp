#include "desktop/canvas_accessible.h"

#include <QAccessibleActionInterface>

#include "desktop/art/button_art.h"
#include "desktop/canvas.h"

namespace quov {

namespace {

bool isButton(const Element& e) {
  return e.kind == ElementKind::PictureButton || e.kind == ElementKind::CommandButton;
}

QString trimmedCaption(const Element& e) { return QString::fromStdString(e.caption).trimmed(); }

// A button's words: its caption, or the words its picture carries (a suit
// button carries its suit).
QString buttonName(const Element& e) {
  if (QString caption = trimmedCaption(e); !caption.isEmpty()) return caption;
  const QString name = QString::fromStdString(e.name);
  if (name == QLatin1String("suitbet") && e.index >= 1 && e.index <= 4) {
    static const char* const suits[] = {"HEARTS", "CLUBS", "DIAMONDS", "SPADES"};
    return QLatin1String(suits[e.index - 1]);
  }
  if (QString words = art::buttonWords(name); !words.isEmpty()) return words;
  return name;
}

QString elementKey(const Element& e) {
  QString key = QString::fromStdString(e.name);
  if (e.index >= 0) key += QLatin1Char('/') + QString::number(e.index);
  return key;
}

bool live(const Element& e) { return e.shownOnScreen() && e.enabledOnScreen(); }

// One item of the canvas. It holds only its key: what it says is read from
// the canvas's items, so it is valid while its item is on the screen.
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ItemAccessible(CanvasAccessible* root, QString key) : root_(root), key_(std::move(key)) {}

  bool isValid() const override { return item() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return root_->window(); }
  QAccessibleInterface* parent() const override { return root_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    const CanvasItem* it = item();
    if (!it) return {};
    switch (t) {
      case QAccessible::Name:
        return it->name;
      case QAccessible::Value:
        return it->value;
      case QAccessible::Description:
        if (it->kind == CanvasItem::Kind::Reels) return it->value;
        return it->element ? QString::fromStdString(it->element->toolTip) : QString();
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    const CanvasItem* it = item();
    Canvas& canvas = root_->canvas();
    if (!it || !it->element) return root_->rect();
    const Element& e = *it->element;
    const RectF r = canvas.mapping().toWindow(e.screenLeft(), e.screenTop(), e.width, e.height);
    const QRect local(qRound(r.x), qRound(r.y), qRound(r.w), qRound(r.h));
    return QRect(canvas.mapToGlobal(local.topLeft()), local.size());
  }

  QAccessible::Role role() const override {
    const CanvasItem* it = item();
    if (!it) return QAccessible::NoRole;
    switch (it->kind) {
      case CanvasItem::Kind::Button: return QAccessible::Button;
      case CanvasItem::Kind::Text: return QAccessible::StaticText;
      case CanvasItem::Kind::Reels: return QAccessible::Graphic;
      case CanvasItem::Kind::Status: return QAccessible::StatusBar;
    }
    return QAccessible::NoRole;
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    const CanvasItem* it = item();
    if (!it) {
      s.invisible = true;
      return s;
    }
    s.disabled = !it->enabled;
    if (it->kind == CanvasItem::Kind::Button) {
      s.focusable = true;
      s.focused = it->element && root_->canvas().screen().focus == it->element;
    } else {
      s.readOnly = true;
    }
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    const CanvasItem* it = item();
    if (t == QAccessible::ActionInterface && it && it->kind == CanvasItem::Kind::Button)
      return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& action) override {
    const CanvasItem* it = item();
    // The reader's press is a click: a button away or switched off ignores it.
    if (action == pressAction() && it && it->element && live(*it->element))
      root_->canvas().pressElement(*it->element);
  }

 private:
  const CanvasItem* item() const { return root_->item(key_); }
  CanvasAccessible* root_;
  QString key_;
};

QAccessibleInterface* canvasFactory(const QString&, QObject* object) {
  if (auto* canvas = qobject_cast<Canvas*>(object)) return new CanvasAccessible(canvas);
  return nullptr;
}

}  // namespace

CanvasAccessible::CanvasAccessible(Canvas* canvas) : QAccessibleWidget(canvas, QAccessible::Window) {
  items_ = read();
  canvas->setReader(this);
}

CanvasAccessible::~CanvasAccessible() {
  if (Canvas* c = qobject_cast<Canvas*>(object())) c->setReader(nullptr);
  for (const auto& [key, id] : ids_) QAccessible::deleteAccessibleInterface(id);
}

void CanvasAccessible::install() {
  static const bool installed = [] {
    QAccessible::installFactory(canvasFactory);
    return true;
  }();
  (void)installed;
}

Canvas& CanvasAccessible::canvas() const { return *static_cast<Canvas*>(widget()); }

const CanvasItem* CanvasAccessible::item(const QString& key) const {
  for (const CanvasItem& it : items_)
    if (it.key == key) return &it;
  return nullptr;
}

std::vector<CanvasItem> CanvasAccessible::read() const {
  const Canvas& c = canvas();
  const Screen& screen = c.screen();
  const ScreenWords& words = c.words();
  std::vector<CanvasItem> items;
  if (words.announcement)
    items.push_back({CanvasItem::Kind::Status, QStringLiteral("status"), nullptr,
                     QString::fromStdString(words.announcement().second), {}});
  if (words.reels)
    if (const std::string reels = words.reels(); !reels.empty())
      items.push_back({CanvasItem::Kind::Reels, QStringLiteral("reels"), nullptr,
                       QStringLiteral("Reels"), QString::fromStdString(reels)});
  if (words.meters) {
    for (const MeterReading& m : words.meters()) {
      if (!m.element->shownOnScreen()) continue;
      const QString name = QString::fromStdString(m.name), value = QString::fromStdString(m.value);
      items.push_back({CanvasItem::Kind::Text, QStringLiteral("meter/") + name, m.element,
                       value.isEmpty() ? name : name + QStringLiteral(": ") + value, value});
    }
  } else {
    for (const Element* e : screen.elements)
      if (e->kind == ElementKind::Label && e->shownOnScreen() && !trimmedCaption(*e).isEmpty())
        items.push_back({CanvasItem::Kind::Text, elementKey(*e), e, trimmedCaption(*e),
                         trimmedCaption(*e)});
  }
  for (const Element* e : screen.elements)
    if (isButton(*e) && e->shownOnScreen() && e->width > 0 && e->height > 0)
      items.push_back({CanvasItem::Kind::Button, elementKey(*e), e, buttonName(*e), {},
                       e->enabledOnScreen()});
  return items;
}

QAccessibleInterface* CanvasAccessible::interfaceFor(const QString& key) const {
  if (const auto it = ids_.find(key); it != ids_.end())
    if (QAccessibleInterface* known = QAccessible::accessibleInterface(it->second)) return known;
  auto* made = new ItemAccessible(const_cast<CanvasAccessible*>(this), key);
  ids_[key] = QAccessible::registerAccessibleInterface(made);
  return made;
}

int CanvasAccessible::childCount() const { return static_cast<int>(items_.size()); }

QAccessibleInterface* CanvasAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return interfaceFor(items_[static_cast<std::size_t>(index)].key);
}

int CanvasAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int i = 0; i < childCount(); ++i)
    if (const auto it = ids_.find(items_[static_cast<std::size_t>(i)].key);
        it != ids_.end() && QAccessible::accessibleInterface(it->second) == child)
      return i;
  return -1;
}

QAccessibleInterface* CanvasAccessible::childAt(int x, int y) const {
  // The topmost button there, else the topmost text.
  for (int i = childCount() - 1; i >= 0; --i) {
    const CanvasItem& it = items_[static_cast<std::size_t>(i)];
    if (!it.element) continue;
    QAccessibleInterface* iface = child(i);
    if (iface->rect().contains(x, y)) return iface;
  }
  return nullptr;
}

void CanvasAccessible::follow() {
  std::vector<CanvasItem> now = read();
  std::vector<CanvasItem> before = std::move(items_);
  items_ = std::move(now);
  // Items that left the screen are gone from the order; a reader asks again.
  bool reordered = before.size() != items_.size();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const CanvasItem& it = items_[i];
    if (i < before.size() && before[i].key != it.key) reordered = true;
    const CanvasItem* old = nullptr;
    for (const CanvasItem& b : before)
      if (b.key == it.key) old = &b;
    QAccessibleInterface* iface = interfaceFor(it.key);
    if (!old) {
      QAccessibleEvent shown(iface, QAccessible::ObjectShow);
      QAccessible::updateAccessibility(&shown);
      continue;
    }
    if (old->name != it.name) {
      QAccessibleEvent named(iface, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&named);
    }
    if (old->value != it.value) {
      QAccessibleEvent valued(iface, QAccessible::DescriptionChanged);
      QAccessible::updateAccessibility(&valued);
    }
    if (old->enabled != it.enabled) {
      QAccessible::State changed;
      changed.disabled = true;
      QAccessibleStateChangeEvent state(iface, changed);
      QAccessible::updateAccessibility(&state);
    }
  }
  if (reordered) {
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
  }
  // A new announcement is spoken at once.
  const ScreenWords& words = canvas().words();
  if (words.announcement) {
    const std::uint64_t count = words.announcement().first;
    if (count != announced_) {
      announced_ = count;
      QAccessibleEvent alert(interfaceFor(QStringLiteral("status")), QAccessible::Alert);
      QAccessible::updateAccessibility(&alert);
    }
  }
}

}  // namespace quov
