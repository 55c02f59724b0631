#include "update_check_fixture.h"

#include <QSettings>
#include <QUrl>

void TUpdateCheckFixture::NewHome()
{
    FHome = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(FHome->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FHome->path());
}

TCheckSetup TUpdateCheckFixture::Setup(const QString& serviceHost) const
{
    return {QStringLiteral("Kelmora - Lintaro"), QStringLiteral("1.1"), serviceHost, Today};
}

std::unique_ptr<TUpdateResults> TUpdateCheckFixture::Check(const QString& serviceHost)
{
    auto results = std::make_unique<TUpdateResults>();
    CheckNow(Setup(serviceHost), *results);
    EXPECT_TRUE(results->CheckDone);
    return results;
}

void TUpdateCheckFixture::Store(const QMap<QString, QString>& values)
{
    TUserStore store;
    for (auto value = values.begin(); value != values.end(); ++value)
        store.WriteString(value.key(), value.value());
}

QString TUpdateCheckFixture::Stored(const QString& name) const
{
    return TUserStore().ReadString(name, QStringLiteral("(missing)"));
}

std::vector<std::pair<QString, QString>> FormFields(const QByteArray& body)
{
    std::vector<std::pair<QString, QString>> fields;
    for (const QByteArray& field : body.split('&')) {
        const qsizetype equals = field.indexOf('=');
        fields.emplace_back(QUrl::fromPercentEncoding(field.left(equals)),
                            QUrl::fromPercentEncoding(field.mid(equals + 1)));
    }
    return fields;
}
