#include "dialogs/language_flags.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

constexpr int kSize = 16;

// Language name of the list item -> picture.
const QHash<QString, QString>& FlagTable()
{
    static const QHash<QString, QString> table = [] {
        const char* const pairs[][2] = {{"English", "english"},
                                        {"German", "de"},
                                        {"French", "fr"},
                                        {"Turkish", "tr"},
                                        {"Albanian", "al"},
                                        {"Arabic", "sa"},
                                        {"Bulgarian", "bg"},
                                        {"ChineseSimplified", "cn"},
                                        {"ChineseTraditional", "tw"},
                                        {"Czech", "cz"},
                                        {"Dutch", "nl"},
                                        {"Finnish", "fi"},
                                        {"Greek", "gr"},
                                        {"Hebrew", "il"},
                                        {"Hungarian", "hu"},
                                        {"Abkhazian", "ab"},
                                        {"Catalan", "ca"},
                                        {"Italian", "it"},
                                        {"Japanese", "jp"},
                                        {"Korean", "kr"},
                                        {"Persian", "ir"},
                                        {"Polish", "pl"},
                                        {"PortugueseBrazil", "br"},
                                        {"PortuguesePortugal", "pt"},
                                        {"Romanian", "ro"},
                                        {"Russian", "ru"},
                                        {"Slovenian", "si"},
                                        {"Spanish", "es"},
                                        {"Swedish", "se"},
                                        {"Ukrainian", "ua"},
                                        {"Vietnamese", "vi"},
                                        {"Slovak", "sk"},
                                        {"Norwegian", "no"}};
        QHash<QString, QString> result;
        for (const auto& pair : pairs)
            result.insert(QLatin1String(pair[0]), QLatin1String(pair[1]));
        return result;
    }();
    return table;
}

QPixmap Blank()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A flag picture of 16 x 11, centred in the square.
QPixmap Centred(const QPixmap& flag)
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.drawPixmap((kSize - flag.width()) / 2, (kSize - flag.height()) / 2, flag);
    return pixmap;
}

// The flag set has no Abkhazian flag: seven green and white stripes, a red canton with the
// white open hand, drawn in the set's 16 x 11 frame.
QPixmap AbkhazianFlag()
{
    QPixmap flag(16, 11);
    QPainter painter(&flag);
    const QColor green(0x00, 0x93, 0x3C);
    const int stripeTops[] = {0, 2, 3, 5, 6, 8, 9, 11};
    for (int stripe = 0; stripe < 7; ++stripe)
        painter.fillRect(0, stripeTops[stripe], 16, stripeTops[stripe + 1] - stripeTops[stripe],
                         stripe % 2 == 0 ? green : Qt::white);
    painter.fillRect(0, 0, 7, 6, QColor(0xCE, 0x11, 0x26));
    painter.fillRect(3, 2, 1, 2, Qt::white);
    painter.fillRect(2, 2, 3, 1, Qt::white);
    return flag;
}

// "xx": a neutral flag, a pale cloth on its pole, for languages outside the table.
QPixmap NeutralFlag()
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.fillRect(2, 1, 1, 14, QColor(0x70, 0x70, 0x70));
    painter.fillRect(3, 2, 11, 8, QColor(0xE8, 0xE8, 0xE8));
    painter.setPen(QColor(0x90, 0x90, 0x90));
    painter.drawRect(3, 2, 10, 7);
    return pixmap;
}

// "tick_button": a green tick.
QPixmap TickPicture()
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0x2E, 0x8B, 0x22), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    QPainterPath tick;
    tick.moveTo(3, 8.5);
    tick.lineTo(6.5, 12);
    tick.lineTo(13, 4);
    painter.drawPath(tick);
    return pixmap;
}

// "copy": two overlapping sheets.
QPixmap CopyPicture()
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x50, 0x50, 0x50));
    for (const QPoint corner : {QPoint(2, 1), QPoint(6, 5)}) {
        painter.setBrush(Qt::white);
        painter.drawRect(corner.x(), corner.y(), 8, 10);
        for (int line = 0; line < 3; ++line)
            painter.drawLine(corner.x() + 2, corner.y() + 3 + 2 * line, corner.x() + 6,
                             corner.y() + 3 + 2 * line);
    }
    return pixmap;
}

QPixmap MakePicture(const QString& name)
{
    if (name == QLatin1String("xx"))
        return NeutralFlag();
    if (name == QLatin1String("ab"))
        return Centred(AbkhazianFlag());
    if (name == QLatin1String("tick_button"))
        return TickPicture();
    if (name == QLatin1String("copy"))
        return CopyPicture();
    if (name == QLatin1String("flag")) {
        // The main window's menu picture, where the program's resources are linked in.
        const QPixmap menuFlag(QStringLiteral(":/icons/flag.svg"));
        return menuFlag.isNull() ? NeutralFlag() : menuFlag.scaled(kSize, kSize);
    }
    const QPixmap flag(QStringLiteral(":/flags/") + name + QStringLiteral(".png"));
    return flag.isNull() ? QPixmap() : Centred(flag);
}

} // namespace

// The resources of a static library are linked in only when asked for by name.
static void InitFlagResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(flags);
        return true;
    }();
    (void)done;
}

const QStringList& LanguagePictureNames()
{
    static const QStringList names = {
        QStringLiteral("xx"),   QStringLiteral("english"), QStringLiteral("de"),
        QStringLiteral("fr"),   QStringLiteral("tr"),      QStringLiteral("al"),
        QStringLiteral("sa"),   QStringLiteral("bg"),      QStringLiteral("cn"),
        QStringLiteral("tw"),   QStringLiteral("cz"),      QStringLiteral("nl"),
        QStringLiteral("fi"),   QStringLiteral("gr"),      QStringLiteral("il"),
        QStringLiteral("hu"),   QStringLiteral("it"),      QStringLiteral("jp"),
        QStringLiteral("kr"),   QStringLiteral("ir"),      QStringLiteral("pl"),
        QStringLiteral("br"),   QStringLiteral("pt"),      QStringLiteral("ro"),
        QStringLiteral("ru"),   QStringLiteral("si"),      QStringLiteral("es"),
        QStringLiteral("se"),   QStringLiteral("ua"),      QStringLiteral("vi"),
        QStringLiteral("sk"),   QStringLiteral("us"),      QStringLiteral("tick_button"),
        QStringLiteral("copy"), QStringLiteral("flag"),    QStringLiteral("ab"),
        QStringLiteral("no"),   QStringLiteral("ca")};
    return names;
}

QString FlagPictureName(const QString& languageName)
{
    return FlagTable().value(languageName, QStringLiteral("xx"));
}

QPixmap LanguagePicture(const QString& pictureName)
{
    const QString key = QStringLiteral("lintaro-language-") + pictureName;
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        InitFlagResources();
        pixmap = MakePicture(pictureName);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}
