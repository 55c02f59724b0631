#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The per-user store: organisation "Kelmora", application "Lintaro", in the platform's
// native format. Every value is a string; integers are decimal text, and a value that is
// missing or not a number reads as the caller's default.
class TUserStore final
{
public:
    // Values live in `group`: "Settings" for the update check and the language,
    // "Window" for what the main window remembers.
    explicit TUserStore(const QString& group = QStringLiteral("Settings"));
    ~TUserStore();
    TUserStore(const TUserStore&) = delete;
    TUserStore& operator=(const TUserStore&) = delete;

    // The store's file, which may not exist yet.
    QString FileName() const;
    // False when the store's file cannot be created or written.
    bool IsWritable() const;
    bool Contains(const QString& name) const;
    // Every name with a value in the group.
    QStringList Names() const;
    QString ReadString(const QString& name, const QString& fallback = {}) const;
    int ReadInteger(const QString& name, int fallback) const;
    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, int value);
    void Remove(const QString& name);
    // Writes pending changes to disk now rather than when the store closes.
    void Sync();

private:
    QString Key(const QString& name) const;

    QString FGroup;
    std::unique_ptr<QSettings> FSettings;
};
