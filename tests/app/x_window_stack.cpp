#include "x_window_stack.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
QString Xprop(const QStringList& arguments)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), arguments);
    if (!xprop.waitForFinished() || xprop.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(xprop.readAllStandardOutput());
}

// "NAME: window id # 0x400005, 0x600003" -> the ids in order.
QList<WId> WindowIds(const QString& line)
{
    static const QRegularExpression id(QStringLiteral("0x[0-9a-fA-F]+"));
    QList<WId> ids;
    const qsizetype start = line.indexOf(u'#');
    if (start < 0)
        return ids;
    for (const QRegularExpressionMatch& match : id.globalMatch(line.mid(start)))
        ids << WId(match.captured().toULongLong(nullptr, 16));
    return ids;
}
} // namespace

QList<WId> ManagedStacking()
{
    return WindowIds(Xprop({QStringLiteral("-root"), QStringLiteral("-notype"),
                            QStringLiteral("_NET_CLIENT_LIST_STACKING")}));
}

std::optional<WId> TransientFor(WId window)
{
    const QList<WId> ids =
        WindowIds(Xprop({QStringLiteral("-id"), QString::number(window), QStringLiteral("-notype"),
                         QStringLiteral("WM_TRANSIENT_FOR")}));
    if (ids.isEmpty())
        return std::nullopt;
    return ids.constFirst();
}

QString WindowManagerName()
{
    const QList<WId> check = WindowIds(Xprop({QStringLiteral("-root"), QStringLiteral("-notype"),
                                              QStringLiteral("_NET_SUPPORTING_WM_CHECK")}));
    if (check.isEmpty())
        return {};
    static const QRegularExpression name(QStringLiteral("_NET_WM_NAME = \"([^\"]*)\""));
    return name
        .match(Xprop({QStringLiteral("-id"), QString::number(check.constFirst()),
                      QStringLiteral("-notype"), QStringLiteral("_NET_WM_NAME")}))
        .captured(1);
}
