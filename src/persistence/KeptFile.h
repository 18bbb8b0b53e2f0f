#pragma once

#include <QString>

// Keeps the file at a path reachable under a second name (a hard link, which
// costs no disk space) while something else replaces it, so that a
// replacement found broken can be undone. The second name goes when the
// object does.
class TKeptFile
{
public:
    explicit TKeptFile(const QString& path);
    ~TKeptFile();
    TKeptFile(const TKeptFile&) = delete;
    TKeptFile& operator=(const TKeptFile&) = delete;

    // Puts the kept file back at the path; removes what is there when there
    // was no file. False when it cannot: the file system refused, or offered
    // no second name to keep the file under.
    bool Restore();

private:
    QString m_path;
    QString m_keptPath; // empty when nothing is kept
    bool m_hadFile;
};
