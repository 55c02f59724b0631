#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <vector>

// Takes the place of the desktop's browser and file viewer while it lives: every address the
// program asks the desktop to open is recorded instead.
class TUrlRecorder final : public QObject
{
    Q_OBJECT

public:
    TUrlRecorder();
    ~TUrlRecorder() override;

    std::vector<QUrl> Opened;

public slots:
    void Open(const QUrl& url);
};
