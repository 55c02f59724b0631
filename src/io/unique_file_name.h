#pragma once

#include <QString>

// A path split once into the parts that numbered alternatives are built from.
class TNumberedFileName final
{
public:
    explicit TNumberedFileName(const QString& path);

    // Candidate 1 is the path itself; candidate n > 1 inserts " (n)" before the extension.
    QString Candidate(qint64 n) const;

private:
    QString FFolder;
    QString FBase;
    QString FExt;
};
