#pragma once

#include "platform/user_store.h"
#include "support/loopback_server.h"
#include "update/check_now.h"
#include "update/update_results.h"

#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// A per-user store of the test's own, and a check of "Kelmora - Lintaro" 1.1 on the day
// 2026-12-10 against a loopback service.
class TUpdateCheckFixture : public testing::Test
{
protected:
    static inline const QString Today = QStringLiteral("2026-12-10");

    void SetUp() override { NewHome(); }
    // A new, empty store, as on another user's first start.
    void NewHome();

    TCheckSetup Setup(const QString& serviceHost) const;
    // Runs one check as a new start of the program would.
    std::unique_ptr<TUpdateResults> Check(const QString& serviceHost);
    std::unique_ptr<TUpdateResults> Check(const TLoopbackServer& server)
    {
        return Check(server.ServiceHost());
    }

    void Store(const QMap<QString, QString>& values);
    QString Stored(const QString& name) const;

    QString HomeFolder() const { return FHome->path(); }

private:
    std::unique_ptr<QTemporaryDir> FHome;
};

// The fields of a form body, decoded, in their order.
std::vector<std::pair<QString, QString>> FormFields(const QByteArray& body);
