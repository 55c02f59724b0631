#include "support/failing_device.h"

#include <algorithm>

TFailingDevice::TFailingDevice(qint64 capacity) : FCapacity(capacity)
{
    open(QIODevice::WriteOnly);
}

qint64 TFailingDevice::readData(char*, qint64)
{
    return -1;
}

qint64 TFailingDevice::writeData(const char* data, qint64 size)
{
    const qint64 room = FCapacity - FWritten.size();
    FWritten.append(data, std::min(room, size));
    if (size <= room)
        return size;
    FRefused = true;
    setErrorString(QStringLiteral("No space left on device"));
    return -1;
}
