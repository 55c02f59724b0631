#include "url_recorder.h"

#include <QDesktopServices>

namespace {
const char* const Schemes[] = {"http", "https", "file"};
}

TUrlRecorder::TUrlRecorder()
{
    for (const char* scheme : Schemes)
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
}

TUrlRecorder::~TUrlRecorder()
{
    for (const char* scheme : Schemes)
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void TUrlRecorder::Open(const QUrl& url)
{
    Opened.push_back(url);
}
