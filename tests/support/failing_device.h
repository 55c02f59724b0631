#pragma once

#include <QIODevice>

// A write-only device that keeps the first `capacity` bytes and fails the write that goes
// past them, and every write after it, as a disk that fills up half way through a file does.
class TFailingDevice final : public QIODevice
{
public:
    explicit TFailingDevice(qint64 capacity);

    QByteArray Written() const { return FWritten; }
    bool Refused() const { return FRefused; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    const qint64 FCapacity;
    QByteArray FWritten;
    bool FRefused = false;
};
