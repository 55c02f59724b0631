#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Makes a language file of the given "{English}translation" lines the active one, and goes back
// to English when it ends.
class TActiveTranslation final
{
public:
    explicit TActiveTranslation(const QByteArray& lines);
    ~TActiveTranslation();

private:
    QTemporaryDir FFolder;
};
