// Draws the icons and bitmaps of the resource library into a folder, with the
// Qt resource collection (pictures.qrc) that lists them:
//   icon/<id>/<w>x<h>.png  one image per size of an icon group
//   bitmap/<id>.png
// or, with --states, the four input state pictures the step report places in
// its sheets, as data files Jyotai0.bmp .. Jyotai3.bmp (the step grid's marks).
// Usage: qel_draw_pictures <output folder>
//        qel_draw_pictures --states <output folder>

#include "Drawings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>
#include <cstring>

namespace {

QString relativePath(const pictures::Drawing& drawing)
{
    if (drawing.kind == pictures::Kind::Icon)
        return QStringLiteral("icon/%1/%2x%3.png").arg(drawing.id).arg(drawing.size.width()).arg(drawing.size.height());
    return QStringLiteral("bitmap/%1.png").arg(drawing.id);
}

QImage render(const pictures::Drawing& drawing)
{
    const auto format = drawing.kind == pictures::Kind::Icon ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImage image(drawing.size, format);
    image.fill(drawing.background);
    QPainter painter(&image); // aliased on purpose: crisp pixels, exact colours
    drawing.paint(painter, drawing.size);
    painter.end();
    return image;
}

bool writeImage(const QDir& out, const QString& name, const QImage& image)
{
    const QString path = out.filePath(name);
    if (QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "qel_draw_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

bool writeCollection(const QString& path, const QStringList& files)
{
    QString text = QStringLiteral("<RCC>\n  <qresource prefix=\"/Resource\">\n");
    for (const QString& file : files)
        text += QStringLiteral("    <file>%1</file>\n").arg(file);
    text += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile qrc(path);
    if (qrc.open(QIODevice::WriteOnly | QIODevice::Truncate) && qrc.write(text.toUtf8()) == text.toUtf8().size())
        return true;
    std::fprintf(stderr, "qel_draw_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

const pictures::Drawing* bitmapWithId(int id)
{
    for (const pictures::Drawing& drawing : pictures::drawings())
        if (drawing.kind == pictures::Kind::Bitmap && drawing.id == id)
            return &drawing;
    return nullptr;
}

// Jyotai<n>.bmp: the state marks of the step grid, numbered by state.
int writeStatePictures(const QDir& out)
{
    for (int state = 0; state < pictures::kStateMarks; ++state) {
        const pictures::Drawing* mark = bitmapWithId(pictures::kFirstStateMark + state);
        if (!mark) {
            std::fprintf(stderr, "qel_draw_pictures: no state mark %d\n", state);
            return 1;
        }
        const QString path = out.filePath(QStringLiteral("Jyotai%1.bmp").arg(state));
        if (!QDir().mkpath(out.path()) || !render(*mark).save(path, "BMP")) {
            std::fprintf(stderr, "qel_draw_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--states") == 0)
        return writeStatePictures(QDir(QString::fromLocal8Bit(argv[2])));
    if (argc != 2) {
        std::fprintf(stderr, "usage: qel_draw_pictures [--states] <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QStringList files;
    for (const pictures::Drawing& drawing : pictures::drawings()) {
        const QString name = relativePath(drawing);
        if (!writeImage(out, name, render(drawing)))
            return 1;
        files << name;
    }
    return writeCollection(out.filePath(QStringLiteral("pictures.qrc")), files) ? 0 : 1;
}
