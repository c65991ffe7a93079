#include "infoicons.h"

#include "types.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace InfoIcons {

namespace {

constexpr int kSize = 16;

QPixmap Blank(int w = kSize, int h = kSize) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

// A round badge with a mark inside.
QPixmap Badge(const QColor& fill, const std::function<void(QPainter&)>& mark) {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    mark(p);
    return pm;
}

void Tick(QPainter& p, qreal dx = 0) {
    QPainterPath path;
    path.moveTo(4.5 + dx, 8.2);
    path.lineTo(7 + dx, 10.8);
    path.lineTo(11.5 + dx, 5.2);
    p.drawPath(path);
}

void Cross(QPainter& p) {
    p.drawLine(QPointF(5.3, 5.3), QPointF(10.7, 10.7));
    p.drawLine(QPointF(10.7, 5.3), QPointF(5.3, 10.7));
}

QPixmap Make(int index) {
    switch (index) {
    case 0:
        return Badge(QColor(0x2E, 0x9E, 0x44), [](QPainter& p) { Tick(p); });
    case 1:
        return Badge(QColor(0x8C, 0xC8, 0x5A), [](QPainter& p) { Tick(p); });
    case 2:
        return Badge(QColor(0xF0, 0x9A, 0x8A), [](QPainter& p) { Cross(p); });
    case 3:
        return Badge(QColor(0xD2, 0x3C, 0x32), [](QPainter& p) { Cross(p); });
    case 4:
        return Badge(QColor(0xB4, 0xB4, 0xB4), [](QPainter& p) {
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
        });
    case 5:
    case 6: {
        // A slim bar: grey for an unambiguous word, blue for an ambiguous one.
        QPixmap pm = Blank(6, kSize);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(index == 5 ? QColor(0xA8, 0xA8, 0xA8) : QColor(0x5A, 0x82, 0xB4));
        p.drawRoundedRect(QRectF(1.5, 3, 3, 10), 1.5, 1.5);
        return pm;
    }
    case 11:
        return Badge(QColor(0x5A, 0x82, 0xB4), [](QPainter& p) {
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(0, -0.5, kSize, kSize), Qt::AlignCenter, QStringLiteral("ё"));
        });
    default:
        return Blank();
    }
}

} // namespace

QPixmap Info(int index) {
    static QHash<int, QPixmap> cache;
    auto it = cache.find(index);
    if (it == cache.end())
        it = cache.insert(index, Make(index));
    return it.value();
}

int LevelIndex(int level) {
    switch (level) {
    case 2:
        return 0;
    case 1:
        return 1;
    case -1:
        return 2;
    case -2:
        return 3;
    case 0:
        return 4;
    default:
        return -1;
    }
}

QPixmap RowIcon(int level, bool unique) {
    static QHash<int, QPixmap> cache;
    const int key = unique ? 100000 + level : level;
    auto it = cache.find(key);
    if (it != cache.end())
        return it.value();
    const int rating = unique ? (level == kLevelUnambiguous ? 11 : -1) : LevelIndex(level);
    const QPixmap state = Info(unique ? 5 : 6);
    QPixmap pm = Blank(state.width() + 2 + kSize, kSize);
    QPainter p(&pm);
    p.drawPixmap(0, 0, state);
    if (rating >= 0)
        p.drawPixmap(state.width() + 2, 0, Info(rating));
    p.end();
    return cache.insert(key, pm).value();
}

QIcon RuleCount(bool allRules) {
    QPixmap pm = Blank(20, 20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x5A, 0x82, 0xB4);
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(0xE8, 0xF0, 0xFA));
    const int n = allRules ? 3 : 1;
    for (int i = 0; i < n; ++i)
        p.drawRoundedRect(QRectF(3.5 + i * 2, 4.5 + i * 3, 11, 6), 1.5, 1.5);
    p.end();
    return QIcon(pm);
}

QIcon ShowPrevious(bool on) {
    QPixmap pm = Blank(14, 14);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = on ? QColor(0x2E, 0x6E, 0xC8) : QColor(0xA0, 0xA0, 0xA0);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // An arrow pointing up at a line: "show the line before".
    p.drawLine(QPointF(2, 2.5), QPointF(12, 2.5));
    p.drawLine(QPointF(7, 12), QPointF(7, 5.5));
    p.drawLine(QPointF(4, 8.5), QPointF(7, 5.5));
    p.drawLine(QPointF(10, 8.5), QPointF(7, 5.5));
    p.end();
    return QIcon(pm);
}

} // namespace InfoIcons
