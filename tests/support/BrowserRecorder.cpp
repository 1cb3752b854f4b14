#include "support/BrowserRecorder.h"

#include <QDesktopServices>

namespace {

const char* const kSchemes[] = {"http", "https"};

} // namespace

CBrowserRecorder::CBrowserRecorder()
{
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
}

CBrowserRecorder::~CBrowserRecorder()
{
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}
