#pragma once
// Stands in for the desktop's web browser: installed as the handler of
// http and https addresses while it lives, it keeps what it was asked to open.
#include <QList>
#include <QObject>
#include <QUrl>

class CBrowserRecorder : public QObject
{
    Q_OBJECT
public:
    CBrowserRecorder();
    ~CBrowserRecorder() override;

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};
