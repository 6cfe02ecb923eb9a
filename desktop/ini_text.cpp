#include "desktop/ini_text.h"

#include <QStringDecoder>
#include <QStringList>
#include <map>
#include <vector>

namespace quov {

namespace {

// The section QSettings keeps the keys outside any group in.
const QString kGeneral = QStringLiteral("General");

bool isHex(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int hexValue(char32_t c) {
  if (c >= '0' && c <= '9') return int(c - '0');
  if (c >= 'a' && c <= 'f') return int(c - 'a' + 10);
  return int(c - 'A' + 10);
}
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Key names: letters, digits, '_', '-' and '.' as they are, '/' inside a
// key as '\', anything else as %XX or %UXXXX.
QByteArray escapedKey(const QString& key) {
  QByteArray out;
  for (const QChar qc : key) {
    const char16_t c = qc.unicode();
    if (c == u'/') {
      out += '\\';
    } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'_' || c == u'-' || c == u'.') {
      out += char(c);
    } else if (c <= 0xFF) {
      out += '%' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
    } else {
      out += "%U" + QByteArray::number(c, 16).rightJustified(4, '0').toUpper();
    }
  }
  return out;
}

QString unescapedKey(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\\') {
      out += u'/';
    } else if (c == u'%' && i + 2 < text.size() && isHex(text[i + 1].unicode()) &&
               isHex(text[i + 2].unicode())) {
      out += QChar(hexValue(text[i + 1].unicode()) * 16 + hexValue(text[i + 2].unicode()));
      i += 2;
    } else if (c == u'%' && i + 5 < text.size() && text[i + 1] == u'U') {
      int v = 0;
      bool ok = true;
      for (int k = 2; k <= 5; ++k) {
        ok = ok && isHex(text[i + k].unicode());
        if (ok) v = v * 16 + hexValue(text[i + k].unicode());
      }
      if (!ok) {
        out += c;
        continue;
      }
      out += QChar(char16_t(v));
      i += 5;
    } else {
      out += c;
    }
  }
  return out;
}

// One value as QSettings writes a string: quoted when it holds a separator
// or starts or ends with a blank, control characters escaped (and a hex
// digit right after a hex escape escaped too, as the reader takes every hex
// digit that follows), the rest as UTF-8.
QByteArray escapedString(const QString& s) {
  QByteArray out;
  bool quotes = !s.isEmpty() && (isBlank(s.front()) || isBlank(s.back()));
  bool escapeHexDigit = false;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const char16_t c = s[i].unicode();
    if (c == u';' || c == u',' || c == u'=' || c == u'#') quotes = true;
    if (escapeHexDigit && isHex(c)) {
      out += "\\x" + QByteArray::number(c, 16);
      continue;
    }
    escapeHexDigit = false;
    switch (c) {
      case u'\a': out += "\\a"; break;
      case u'\b': out += "\\b"; break;
      case u'\f': out += "\\f"; break;
      case u'\n': out += "\\n"; break;
      case u'\r': out += "\\r"; break;
      case u'\t': out += "\\t"; break;
      case u'\v': out += "\\v"; break;
      case u'"':
      case u'\\':
        out += '\\';
        out += char(c);
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out += "\\x" + QByteArray::number(c, 16);
          escapeHexDigit = true;
        } else if (QChar::isHighSurrogate(c) && i + 1 < s.size() &&
                   QChar::isLowSurrogate(s[i + 1].unicode())) {
          out += s.mid(i, 2).toUtf8();
          ++i;
        } else {
          out += QString(QChar(c)).toUtf8();
        }
    }
  }
  if (quotes) out = '"' + out + '"';
  return out;
}

QByteArray escapedValue(const QVariant& v) {
  if (v.typeId() == QMetaType::QStringList) {
    const QStringList list = v.toStringList();
    if (list.isEmpty()) return "@Invalid()";
    QByteArray out;
    for (const QString& item : list) {
      if (!out.isEmpty()) out += ", ";
      out += escapedString(item.startsWith(u'@') ? u'@' + item : item);
    }
    return out;
  }
  const QString s = v.toString();
  return escapedString(s.startsWith(u'@') ? u'@' + s : s);
}

// The value part of a line: a string, or a list where commas stand outside
// quotes. Blanks outside quotes around each item are dropped, a ';' outside
// quotes starts a comment.
QVariant unescapedValue(const QString& text) {
  QStringList items;
  QString item;
  QString blanks;  // blanks outside quotes not yet known to be inside the item
  bool inQuotes = false;
  bool started = false;  // the item has content or quotes
  const auto endItem = [&] {
    items.append(item);
    item.clear();
    blanks.clear();
    started = false;
  };
  const auto put = [&](QChar c) {
    if (started) item += blanks;
    blanks.clear();
    item += c;
    started = true;
  };
  qsizetype i = 0;
  while (i < text.size()) {
    const QChar c = text[i++];
    if (c == u'\\' && i < text.size()) {
      const char16_t e = text[i++].unicode();
      switch (e) {
        case u'a': put(u'\a'); break;
        case u'b': put(u'\b'); break;
        case u'f': put(u'\f'); break;
        case u'n': put(u'\n'); break;
        case u'r': put(u'\r'); break;
        case u't': put(u'\t'); break;
        case u'v': put(u'\v'); break;
        case u'x': {
          char32_t v = 0;
          while (i < text.size() && isHex(text[i].unicode())) v = v * 16 + char32_t(hexValue(text[i++].unicode()));
          put(QChar(char16_t(v)));
          break;
        }
        default:
          if (e >= u'0' && e <= u'7') {
            char32_t v = e - u'0';
            while (i < text.size() && text[i] >= u'0' && text[i] <= u'7') v = v * 8 + (text[i++].unicode() - u'0');
            put(QChar(char16_t(v)));
          } else {
            put(QChar(e));
          }
      }
    } else if (c == u'"') {
      if (started) item += blanks;
      blanks.clear();
      inQuotes = !inQuotes;
      started = true;
    } else if (inQuotes) {
      item += c;
    } else if (c == u',') {
      endItem();
    } else if (c == u';') {
      break;
    } else if (isBlank(c)) {
      blanks += c;
    } else {
      put(c);
    }
  }
  if (items.isEmpty()) {
    if (item.startsWith(QStringLiteral("@@"))) item.remove(0, 1);
    return item;
  }
  endItem();
  for (QString& s : items)
    if (s.startsWith(QStringLiteral("@@"))) s.remove(0, 1);
  return items;
}

// Physical lines joined where a line ends in a backslash that is not
// itself escaped.
bool continues(const QString& line) {
  qsizetype n = 0;
  while (n < line.size() && line[line.size() - 1 - n] == u'\\') ++n;
  return n % 2 == 1;
}

QStringList logicalLines(const QString& text) {
  QStringList lines;
  QString pending;
  for (QString line : text.split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (continues(line)) {
      line.chop(1);
      pending += line;
      continue;
    }
    lines.append(pending + line);
    pending.clear();
  }
  if (!pending.isEmpty()) lines.append(pending);
  return lines;
}

}  // namespace

bool parseIni(const QByteArray& text, IniValues& values, QString& error) {
  values.clear();
  QByteArray bytes = text;
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  if (bytes.contains('\0')) {
    error = QStringLiteral("it holds a NUL byte");
    return false;
  }
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8(bytes);
  if (utf8.hasError()) {
    error = QStringLiteral("it is not UTF-8 text");
    return false;
  }
  IniValues read;
  QString section;
  int number = 0;
  for (const QString& raw : logicalLines(decoded)) {
    ++number;
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
    if (line.startsWith(u'[')) {
      const qsizetype close = line.indexOf(u']');
      if (close < 0) {
        error = QStringLiteral("line %1 opens a section without closing it").arg(number);
        return false;
      }
      const QString name = line.mid(1, close - 1).trimmed();
      // "[General]" holds the keys outside any section, "[%General]" a
      // section of that name.
      section = name.compare(kGeneral, Qt::CaseInsensitive) == 0 ? QString()
                : name == u'%' + kGeneral                        ? kGeneral
                                                                 : unescapedKey(name);
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    const QString key = equals < 0 ? QString() : unescapedKey(line.left(equals).trimmed());
    if (key.isEmpty()) {
      error = QStringLiteral("line %1 is not a setting").arg(number);
      return false;
    }
    read.insert(section.isEmpty() ? key : section + u'/' + key, unescapedValue(line.mid(equals + 1)));
  }
  values = std::move(read);
  return true;
}

QByteArray formatIni(const IniValues& values) {
  // Sections in the order of their names, each with its keys in order.
  std::map<QString, std::vector<std::pair<QString, QVariant>>> sections;
  for (auto it = values.cbegin(); it != values.cend(); ++it) {
    const qsizetype slash = it.key().indexOf(u'/');
    const QString section = slash < 0 ? QString() : it.key().left(slash);
    sections[section].emplace_back(slash < 0 ? it.key() : it.key().mid(slash + 1), it.value());
  }
  QByteArray out;
  for (const auto& [section, keys] : sections) {
    if (!out.isEmpty()) out += '\n';
    QByteArray header = section.isEmpty() ? kGeneral.toLatin1() : escapedKey(section);
    if (section.compare(kGeneral, Qt::CaseInsensitive) == 0) header = '%' + header;
    out += '[' + header + "]\n";
    for (const auto& [key, value] : keys) out += escapedKey(key) + '=' + escapedValue(value) + '\n';
  }
  return out;
}

}  // namespace quov
