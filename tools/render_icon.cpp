// Renders an SVG file into a square PNG: render_icon <in.svg> <out.png> <size>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_icon <in.svg> <out.png> <size>\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) return 1;
  const int size = QString::fromLocal8Bit(argv[3]).toInt();
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
