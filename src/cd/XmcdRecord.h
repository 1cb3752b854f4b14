#pragma once
// A CDDB database entry in xmcd form. Values repeated over several lines are
// joined; escapes (\n, \t, \\) stay as written, so texts read back exactly
// and each user of a value decides how to clean it.
#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

struct CXmcdRecord
{
    std::vector<int> offsets; // "# Track frame offsets"
    int discLength = 0;       // seconds
    int revision = 0;
    QString discIds;          // DISCID, a comma list
    QString dtitle;
    QString dyear;
    QString dgenre;
    QString extd;
    QString playorder;
    std::vector<QString> ttitles; // one per track
    std::vector<QString> extts;   // as many as ttitles

    int TrackCount() const { return int(ttitles.size()); }
    // DTITLE split at the first " / "; without one, both are the whole text.
    QString Artist() const;
    QString Title() const;
    void SetArtistAndTitle(const QString& artist, const QString& title);
    // Grows or shrinks the track lists to n entries.
    void ResizeTracks(int n);
};

struct CXmcdParse
{
    std::optional<CXmcdRecord> record;
    QString error;
};

// From the body lines of a read reply, or from a cached file's bytes.
CXmcdParse ParseXmcd(const QStringList& lines);
CXmcdParse ParseXmcd(const QByteArray& bytes);
// The record as submitted and cached: comments, every keyword in order,
// values escaped as stored and split into lines of at most 256 bytes.
QByteArray WriteXmcd(const CXmcdRecord& record);

QString CddbEscape(const QString& text);
QString CddbUnescape(const QString& text);
